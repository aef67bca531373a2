#!/usr/bin/env python3
"""Reads the program through AT-SPI as a screen reader does: dbus-run-session -- lecteur_ecran.py BINARY [--sans-wm]"""
import contextlib, os, subprocess, sys, time, pyatspi
from gi.repository import GLib
OPERABLES = {"push button", "check box", "radio button", "combo box", "spin button", "text", "menu item", "menu"}
LISTES = {"FOR", "DEX", "VOL", "PER", "INT", "Apparence", "Taille", "Poids", "Age", "Faiblesse"}
fautes, evenements = [], []

def attendre(condition, quoi, delai=30):
    """Polls, pumping AT-SPI events, until the condition holds; fails saying what never came."""
    fin = time.monotonic() + delai
    while time.monotonic() < fin:
        while GLib.MainContext.default().iteration(False): pass
        with contextlib.suppress(Exception):  # an object that went away while it was read
            if resultat := condition(): return resultat
        time.sleep(0.05)
    sys.exit("ÉCHEC: toujours pas après %d s: %s\n%s" % (delai, quoi, "\n".join(fautes)))

def descendants(o):
    for enfant in filter(None, o):
        yield enfant
        yield from descendants(enfant)

def fenetre(titre):
    app = next(a for a in pyatspi.Registry.getDesktop(0) if a is not None and a.name == "ZazUvureVorn")
    return next((f for f in app if f is not None and f.name == titre and f.childCount), None)

def etat(o, s): return o.getState().contains(s)

def valeur(o):
    role = o.getRoleName()
    if role == "spin button": return str(int(o.queryValue().currentValue))
    if role == "combo box":  # the entry shown is the selected line of its list
        return next((i.name for i in o[0] if i is not None and etat(i, pyatspi.STATE_SELECTED)), "")
    return o.queryText().getText(0, -1) if role == "text" else ""

def lire(titre):
    """Every operable control of a window has a name that is not its value; no label or pane is nameless."""
    f = attendre(lambda: fenetre(titre), "la fenêtre « %s »" % titre)
    tout = list(descendants(f))
    commandes = [o for o in tout if o.getRoleName() in OPERABLES and etat(o, pyatspi.STATE_SENSITIVE)]
    for o in commandes:
        if not o.name.strip() or o.name == valeur(o):
            fautes.append("%s: %s sans nom propre: %r (valeur %r)" % (titre, o.getRoleName(), o.name, valeur(o)))
    for o in tout:  # a frame inside a window is a drawn line
        if o.getRoleName() == "frame" or o.getRoleName() in ("label", "filler", "panel") and not o.name.strip():
            fautes.append("%s: %s %r décoratif ou sans nom dans %r" % (titre, o.getRoleName(), o.name, o.parent.name))
    print("%s: %d objets, %d commandes nommées, dont %s" % (
        titre, len(tout), len(commandes), ", ".join(repr(o.name) for o in commandes[:4])))
    return f, tout

def touche(*touches):
    subprocess.run(["xdotool", "key", "--clearmodifiers", "--delay", "60", *touches], check=True)

def focus_sur(f, nom, apres):  # keys go where a screen reader says the focus is: wait for it first
    attendre(lambda: any((nom is None or o.name == nom) and etat(o, pyatspi.STATE_FOCUSED) for o in descendants(f)),
             "le focus sur « %s » après %s" % (nom, apres))

def prendre_focus(f, o):  # as a screen reader moves its focus
    o.queryComponent().grabFocus()
    focus_sur(f, o.name, "la prise du focus")

def fermer(titre, f, retour_sur):  # Enter closes a modal box; the focus is back on the control used
    touche("Return")
    attendre(lambda: not fenetre(titre), "la fermeture de « %s »" % titre)
    focus_sur(f, retour_sur, "« %s »" % titre)

def refus(titre, texte, retour_sur, f):  # an alert opens with its text readable
    alerte = attendre(lambda: fenetre(titre), "l'alerte « %s »" % titre)
    if alerte.getRoleName() != "alert" or not any(texte in o.name for o in descendants(alerte)):
        fautes.append("alerte « %s » (%s) sans le texte %r" % (titre, alerte.getRoleName(), texte))
    focus_sur(alerte, None, "l'ouverture de « %s »" % titre)
    fermer(titre, f, retour_sur)

def feuille_lue():
    feuille, tout = lire("Création - Vorn")
    listes = {o.name: o for o in tout if o.getRoleName() == "combo box"}
    if set(listes) != LISTES:
        fautes.append("listes nommées %s au lieu de leurs légendes %s" % (sorted(listes), sorted(LISTES)))
    niveaux = {o.name: o for o in tout if o.getRoleName() == "spin button"}
    if len(niveaux) != 24 or not {"Niveau d'Agilité", "Niveau d'Usages Locaux", "Niveau de Charisme"} <= set(niveaux):
        fautes.append("24 niveaux attendus, dont « Niveau d'Agilité »: %s" % sorted(niveaux))
    for nom, o in niveaux.items():
        v, a = o.queryValue(), o.queryAction()
        actions = {a.getName(i) for i in range(a.nActions)}
        if (v.minimumValue, v.maximumValue) != (1, 15) or not {"Increase", "Decrease"} <= actions:
            fautes.append("%s: bornes %s..%s, actions %s" % (nom, v.minimumValue, v.maximumValue, actions))
    if any(o.getRoleName() == "push button" and "niveau" in o.name for o in tout):
        fautes.append("les flèches des niveaux sont encore des boutons à part")
    if [o.name for o in tout if o.getRoleName() == "menu item" and o.name in ("?", "Aide")] != ["Aide"]:
        fautes.append("le menu « ? » n'est pas lu « Aide »")
    return feuille, listes, niveaux

def main():
    lecture, ecriture = os.pipe()  # Xvfb takes a free display and says which: no race with other servers
    enfants = [subprocess.Popen(["Xvfb", "-displayfd", str(ecriture), "-screen", "0", "1280x1024x24", "-nolisten",
                                 "tcp"], pass_fds=[ecriture], stderr=subprocess.DEVNULL)]
    os.environ["DISPLAY"] = ":" + os.read(lecture, 16).decode().split()[0]
    # The accessibility bus names its socket after the display: without it, parallel runs would share one.
    subprocess.run(["dbus-update-activation-environment", "DISPLAY=" + os.environ["DISPLAY"]], check=True)
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb", LC_ALL="C.UTF-8")
    try:
        if "--sans-wm" not in sys.argv:
            enfants.append(subprocess.Popen(["openbox", "--sm-disable"], stderr=subprocess.DEVNULL))
            wm = ["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"]
            attendre(lambda: b"window id" in subprocess.run(wm, capture_output=True).stdout, "le gestionnaire de fenêtres")
        ecoute = lambda e: evenements.append((e.type, e.source.name, e.source.getRoleName()))
        pyatspi.Registry.registerEventListener(ecoute, "object:property-change:accessible-value")
        enfants.append(subprocess.Popen([sys.argv[1]], env=env))
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
        feuille, listes, niveaux = feuille_lue()
        charisme = attendre(lambda: niveaux.get("Niveau de Charisme"), "le niveau « Niveau de Charisme »", 1)
        prendre_focus(feuille, charisme)
        evenements.clear()  # only what the key brings
        touche("Up")
        attendre(lambda: charisme.queryValue().currentValue == 2, "Haut sur « Niveau de Charisme » monte à 2")
        attendre(lambda: "2980" in charisme.description, "2980 points restants dans la description du niveau")
        attendre(lambda: ("object:property-change:accessible-value", charisme.name, "spin button") in evenements,
                 "l'annonce du nouveau niveau par « Niveau de Charisme »")
        for nom in ("FOR", "DEX", "VOL"):  # 1350 points each: the third does not fit in 3000
            prendre_focus(feuille, listes[nom])
            touche("End")
            if nom != "VOL": attendre(lambda: valeur(listes[nom]) == "15", "%s choisi à 15" % nom)
        refus("Erreur - Caractéristiques", "pas assez de Points de Génération", "VOL", feuille)
        if valeur(listes["VOL"]) != "5": fautes.append("VOL refusé vaut %r au lieu de 5" % valeur(listes["VOL"]))
        prendre_focus(feuille, listes["Age"])
        touche("Down")
        focus_sur(lire("Champs d'Expérience - Vorn")[0], None, "l'ouverture des champs d'expérience")
        fermer("Champs d'Expérience - Vorn", feuille, "Age")
        for touches, entree in (("alt+a", "Nouveau"), ("Right", "À Propos")):
            touche(touches)
            attendre(lambda: any(o.name == entree and etat(o, pyatspi.STATE_SHOWING) for o in descendants(feuille)),
                     "le menu montrant « %s »" % entree)
        touche("Return")
        focus_sur(lire("À propos - Vorn")[0], "OK", "l'ouverture de « À propos »")
        fermer("À propos - Vorn", feuille, "Age")
        # The normal way out, through the quit confirmation: a clean exit, and leak checks in a sanitizer build.
        touche("alt+a")
        touche("q")
        focus_sur(attendre(lambda: fenetre("Quitter"), "la confirmation de sortie"), "Non", "la confirmation de sortie")
        touche("alt+o")
        attendre(lambda: enfants[-1].poll() is not None, "la fin du programme")
        if enfants[-1].returncode != 0: fautes.append("le programme finit avec le code %d" % enfants[-1].returncode)
    finally:
        for p in enfants: p.kill()
    sys.exit("ÉCHEC:\n" + "\n".join(fautes) if fautes else None)

main()
