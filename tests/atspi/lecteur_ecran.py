#!/usr/bin/env python3
"""Reads the program's screens through AT-SPI as a screen reader does, driving it with real keys.

Run inside an X server and a D-Bus session of its own (see CMakeLists.txt): lecteur_ecran.py BINARY [--sans-wm]
"""
import os, subprocess, sys, time
import pyatspi
from gi.repository import GLib

OPERABLES = {"push button", "check box", "radio button", "combo box", "spin button", "text", "menu item", "menu"}
LISTES = {"FOR", "DEX", "VOL", "PER", "INT", "Apparence", "Taille", "Poids", "Age", "Faiblesse"}
fautes, evenements = [], []


def attendre(condition, quoi, delai=30):
    """Polls, pumping AT-SPI events, until the condition holds or the delay is over."""
    fin = time.monotonic() + delai
    while time.monotonic() < fin:
        while GLib.MainContext.default().iteration(False):
            pass
        try:
            resultat = condition()
        except Exception:  # an object that went away while it was read
            resultat = None
        if resultat:
            return resultat
        time.sleep(0.05)
    sys.exit("ÉCHEC: toujours pas après %d s: %s\n%s" % (delai, quoi, "\n".join(fautes)))


def descendants(o):
    for enfant in o:
        if enfant is not None:
            yield enfant
            yield from descendants(enfant)


def fenetre(titre):
    return next((f for f in application() if f is not None and f.name == titre and f.childCount), None)


def application():
    return next(a for a in pyatspi.Registry.getDesktop(0) if a is not None and a.name == "ZazUvureVorn")


def etat(o, s):
    return o.getState().contains(s)


def valeur(o):
    role = o.getRoleName()
    if role == "spin button":
        return str(int(o.queryValue().currentValue))
    if role == "combo box":
        return next((i.name for i in o[0] if i is not None and etat(i, pyatspi.STATE_SELECTED)), "")
    return o.queryText().getText(0, -1) if role == "text" else ""


def lire(titre):
    """Every operable control of a window has a name of its own, and no label is empty."""
    f = attendre(lambda: fenetre(titre), "la fenêtre « %s »" % titre)
    tout = list(descendants(f))
    commandes = [o for o in tout if o.getRoleName() in OPERABLES and etat(o, pyatspi.STATE_SENSITIVE)]
    for o in commandes:
        if not o.name.strip() or o.name == valeur(o):
            fautes.append("%s: %s sans nom propre: %r (valeur %r)" % (titre, o.getRoleName(), o.name, valeur(o)))
    for o in tout:
        if o.getRoleName() in ("label", "filler", "panel") and not o.name.strip():
            fautes.append("%s: %s sans nom dans %s %r" % (titre, o.getRoleName(), o.parent.getRoleName(), o.parent.name))
    print("%s: %d objets, %d commandes nommées, dont %s" % (
        titre, len(tout), len(commandes), ", ".join(repr(o.name) for o in commandes[:4])))
    return f, tout


def touche(*touches):
    subprocess.run(["xdotool", "key", "--clearmodifiers", "--delay", "60", *touches], check=True)


def focalise(f, nom):
    return next(o for o in descendants(f) if o.name == nom and etat(o, pyatspi.STATE_FOCUSED))


def focus_sur(f, nom, apres):
    attendre(lambda: focalise(f, nom), "le focus revenu sur « %s » après %s" % (nom, apres))


def refus(titre, texte, retour_sur, f):
    """An alert opens, its text is readable; Enter closes it and the focus is back."""
    alerte = attendre(lambda: fenetre(titre), "l'alerte « %s »" % titre)
    if alerte.getRoleName() != "alert" or not any(texte in o.name for o in descendants(alerte)):
        fautes.append("alerte « %s » (%s) sans le texte %r" % (titre, alerte.getRoleName(), texte))
    touche("Return")
    attendre(lambda: not fenetre(titre), "la fermeture de « %s »" % titre)
    focus_sur(f, retour_sur, "« %s »" % titre)


def main():
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb", LC_ALL="C.UTF-8")
    if "--sans-wm" not in sys.argv:
        subprocess.Popen(["openbox", "--sm-disable"], stderr=subprocess.DEVNULL)
        attendre(lambda: b"window id" in subprocess.run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"],
                                                         capture_output=True).stdout, "le gestionnaire de fenêtres")
    pyatspi.Registry.registerEventListener(lambda e: evenements.append((e.type, e.source.name)),
                                           "object:property-change:accessible-value",
                                           "object:property-change:accessible-description", "object:value-changed")
    programme = subprocess.Popen([sys.argv[1]], env=env)
    try:
        accueil, _ = lire("Accueil - Vorn")
        focus_sur(accueil, "Nom du joueur", "l'ouverture")
        touche("Return")
        refus("Erreur - Nom du Joueur", "impérativement", "Nom du joueur", accueil)
        subprocess.run(["xdotool", "type", "--delay", "40", "jean"], check=True)
        touche("Return")

        choix, tout = lire("Choix - Vorn")
        focus_sur(choix, "Nom du personnage", "l'ouverture")
        subprocess.run(["xdotool", "type", "--delay", "40", "bond"], check=True)
        next(o for o in tout if o.name == "Continuer").queryAction().doAction(0)

        feuille, tout = lire("Création - Vorn")
        listes = {o.name: o for o in tout if o.getRoleName() == "combo box"}
        if set(listes) != LISTES:
            fautes.append("listes nommées %s au lieu de leurs légendes %s" % (sorted(listes), sorted(LISTES)))
        niveaux = {o.name: o for o in tout if o.getRoleName() == "spin button"}
        if len(niveaux) != 24 or "Niveau d'Agilité" not in niveaux or "Niveau d'Usages Locaux" not in niveaux:
            fautes.append("24 niveaux attendus, dont « Niveau d'Agilité »: %s" % sorted(niveaux))
        for nom, o in niveaux.items():
            v = o.queryValue()
            actions = {o.queryAction().getName(i) for i in range(o.queryAction().nActions)}
            if (v.minimumValue, v.maximumValue) != (1, 15) or not {"Increase", "Decrease"} <= actions:
                fautes.append("%s: bornes %s..%s, actions %s" % (nom, v.minimumValue, v.maximumValue, actions))
        if any(o.getRoleName() == "push button" and "niveau" in o.name for o in tout):
            fautes.append("les flèches des niveaux sont encore des boutons à part")
        aide = [o.name for o in tout if o.getRoleName() == "menu item" and o.name in ("?", "Aide")]
        if aide != ["Aide"]:
            fautes.append("menu « ? » lu %s" % aide)

        charisme = niveaux["Niveau de Charisme"]
        charisme.queryComponent().grabFocus()
        focus_sur(feuille, "Niveau de Charisme", "la prise du focus")
        touche("Up")
        attendre(lambda: charisme.queryValue().currentValue == 2, "Haut sur « Niveau de Charisme » monte à 2")
        attendre(lambda: "2980" in charisme.description, "les points restants dans la description: %r"
                 % charisme.description)
        attendre(lambda: any(t.endswith("accessible-value") and s == charisme.name for t, s in evenements),
                 "l'annonce du nouveau niveau (événements reçus: %s)" % sorted(set(evenements))[:6])
        print("Événements sur « Niveau de Charisme »:", sorted({t for t, s in evenements if s == charisme.name}))

        for nom in ("FOR", "DEX", "VOL"):  # 1350 points each: the third does not fit in 3000
            listes[nom].queryComponent().grabFocus()
            focus_sur(feuille, nom, "la prise du focus")
            touche("End")
        refus("Erreur - Caractéristiques", "pas assez de Points de Génération", "VOL", feuille)
        if valeur(listes["VOL"]) != "5":
            fautes.append("VOL refusé vaut %r au lieu de '5'" % valeur(listes["VOL"]))

        listes["Age"].queryComponent().grabFocus()
        focus_sur(feuille, "Age", "la prise du focus")
        touche("Down")
        lire("Champs d'Expérience - Vorn")
        touche("Return")
        attendre(lambda: not fenetre("Champs d'Expérience - Vorn"), "la fermeture des champs d'expérience")
        focus_sur(feuille, "Age", "les champs d'expérience")

        touche("alt+a", "Right", "Return")
        apropos, tout = lire("À propos - Vorn")
        touche("Return")
        attendre(lambda: not fenetre("À propos - Vorn"), "la fermeture de « À propos »")
        focus_sur(feuille, "Age", "« À propos »")
    finally:
        programme.kill()
    if fautes:
        sys.exit("ÉCHEC:\n" + "\n".join(fautes))
    print("Lecture complète sans faute.")


main()
