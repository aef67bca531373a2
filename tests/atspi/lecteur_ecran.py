#!/usr/bin/env python3
"""A blind player's walk on bureau.sh's X server: dbus-run-session -- lecteur_ecran.py BINARY LOCALES. Orca, with no
speech server, logs what it would say; keys drive the program and each step checks the words spoken since its keys.
LOCALES is a folder where the French locale Orca speaks in is made once."""
import contextlib
import math
import os
import re
import signal
import subprocess
import sys
import tempfile
import time

DELAI = 20  # seconds any one step may take
LIMITE = 240  # seconds the whole walk may take
OPERABLES = {"push button", "check box", "radio button", "combo box", "spin button", "text", "menu item", "menu"}


def lancer_orca(journal, preferences):
    """Orca itself, in this process: no speech server, its debug log written line by line."""
    from orca import debug
    debug.debugLevel, debug.eventDebugLevel = debug.LEVEL_INFO, debug.LEVEL_OFF
    debug.debugFile = open(journal, "w", buffering=1)
    from orca import orca
    sans_voix = {"speechServerFactory": None, "speechFactoryModules": [], "enableBraille": False,
                 "enableSound": False, "enableTutorialMessages": False, "enableKeyEcho": False}
    orca.getSettingsManager().activate(preferences, sans_voix)
    sys.exit(orca.main())


if len(sys.argv) == 4 and sys.argv[1] == "--orca":
    lancer_orca(sys.argv[2], sys.argv[3])

import pyatspi  # noqa: E402  (Orca's own process above loads it its own way)
from gi.repository import GLib  # noqa: E402

fautes, evenements = [], []


def pomper():
    while GLib.MainContext.default().iteration(False):
        pass


def attendre(condition, quoi, delai=DELAI):
    """Polls, pumping AT-SPI events, until the condition holds; fails saying what never came."""
    fin = time.monotonic() + delai
    while time.monotonic() < fin:
        pomper()
        with contextlib.suppress(Exception):  # an object that went away while it was read
            if resultat := condition():
                return resultat
        time.sleep(0.05)
    sys.exit("ÉCHEC: toujours pas après %d s: %s\n%s" % (delai, quoi, "\n".join(fautes)))


class Orca:
    """What Orca has said, read from its log as it grows."""

    def __init__(self, journal):
        self.journal, self.lu, self.paroles, self.horaires, self.brut = journal, 0, [], [], ""

    def lire(self):
        with open(self.journal, encoding="utf-8", errors="replace") as f:
            f.seek(self.lu)
            texte = f.read()
        texte = texte[:texte.rfind("\n") + 1]  # a line still being written waits for the next read
        self.lu += len(texte.encode("utf-8"))
        self.brut += texte
        for ligne in re.findall(r"SPEECH OUTPUT: '(.*)'(?: voice=\w+)? ?(?:\{.*|None)?$", texte, re.M):
            self.paroles.append(ligne.replace("\u2019", "'"))
            self.horaires.append((time.monotonic(), self.paroles[-1]))

    def marque(self):
        self.lire()
        return len(self.paroles)

    def entendu(self, marque, *mots, sauf=()):
        """Waits until everything said since the mark holds every word; returns it."""
        def dit():
            self.lire()
            texte = " | ".join(self.paroles[marque:])
            return texte if all(m in texte for m in mots) else None
        texte = attendre(dit, "Orca dit %s; il a dit: %s" % (mots, " | ".join(self.paroles[marque:])))
        fautes.extend("Orca dit %r: %s" % (m, texte) for m in sauf if m in texte)
        return texte


def lire_fenetre(titre):
    """Every operable control of a window has a name; no label or pane is nameless, no frame within."""
    def fenetre():
        app = next(a for a in pyatspi.Registry.getDesktop(0) if a is not None and a.name == "ZazUvureVorn")
        return next((f for f in app if f is not None and f.name == titre and f.childCount), None)

    def descendants(o):
        for enfant in filter(None, o):
            yield enfant
            yield from descendants(enfant)
    tout = list(descendants(attendre(fenetre, "la fenêtre « %s »" % titre)))
    for o in tout:
        role, nom = o.getRoleName(), o.name.strip()
        if role in OPERABLES and o.getState().contains(pyatspi.STATE_SENSITIVE) and not nom:
            fautes.append("%s: %s sans nom" % (titre, role))
        if role == "frame" or role in ("label", "filler", "panel") and not nom:
            fautes.append("%s: %s %r décoratif ou sans nom dans %r" % (titre, role, o.name, o.parent.name))


def ecouter(e):
    evenements.append((time.monotonic(), e.type, e.source.name if e.type.startswith("window:") else ""))


def dit(touches, *mots, sauf=(), taper=None):
    """Keys, then the words Orca must say since them (and those it must not)."""
    marque = orca.marque()
    if taper:
        subprocess.run(["xdotool", "type", "--delay", "60", taper], check=True)
    if touches:
        subprocess.run(["xdotool", "key", "--clearmodifiers", "--delay", "80", *touches.split()], check=True)
    return orca.entendu(marque, *mots, sauf=sauf)


def alt(lettre, *mots):
    """Alt and a letter. A screen reader holds each key until it has seen it, but not the shortcut the chord
    makes: a menu would open before the Alt press reaches the menu bar, which would then close it."""
    debut = len(orca.brut)
    subprocess.run(["xdotool", "keydown", "alt"], check=True)
    attendre(lambda: orca.lire() or re.search(r"event_string=\(Alt_L\)[^^]*?CONSUME:", orca.brut[debut:]),
             "Orca voyant Alt")
    marque = orca.marque()
    subprocess.run(["xdotool", "key", lettre, "keyup", "alt"], check=True)
    return orca.entendu(marque, *mots)


def compte(touches, *mots, plafond):
    """The same, counting the accessibility events the keys bring until half a second passes without one."""
    del evenements[:]
    debut = time.monotonic()
    texte = dit(touches, *mots)
    fin, calme, vus = debut + DELAI, time.monotonic() + 0.5, len(evenements)
    while time.monotonic() < min(fin, calme):
        pomper()
        if len(evenements) != vus:
            vus, calme = len(evenements), time.monotonic() + 0.5
        time.sleep(0.02)
    if vus > plafond:
        fautes.append("%d événements pour « %s » (plafond %d)" % (vus, touches, plafond))
    return texte, debut


def parcourir(programme):
    dit("", "Accueil - Vorn", "Nom du joueur")
    dit("Return", "Choix - Vorn", "Nom du personnage", taper="jean")
    # Tab into the rank group lands on, and speaks, the chosen rank.
    dit("Tab", "Rang du personnage", "Recrue", "sélectionné", sauf=('"00"', "non sélectionné"), taper="bond")
    dit("Tab", "Continuer")
    # Buttons are pressed with Space, which acts on the release: a key the screen reader still holds when its
    # window goes would be dropped by the toolkit without being freed.
    _, debut = compte("space", "Création - Vorn", "Apparence liste déroulante", plafond=644)
    montree = next((t for t, quoi, nom in evenements if quoi == "window:activate" and nom == "Création - Vorn"),
                   debut)
    orca.lire()
    parle = next((t for t, dite in orca.horaires if t >= debut and "Création - Vorn" in dite), math.inf)
    if parle - montree > 2:
        fautes.append("la feuille parle %.1f s après s'être montrée" % (parle - montree))
    lire_fenetre("Création - Vorn")
    # A list is heard with its caption, role and entry, on focus and on "where am I".
    dit("Tab Tab Tab Tab Tab", "FOR liste déroulante", "5", "Points de génération restants : 3000")
    dit("KP_Enter", "FOR", "liste déroulante", "5")
    # A purchase speaks the new value, then the points left, from the list still focused.
    compte("End", "15", "Points de génération restants : 1650", plafond=10)
    dit("KP_Enter", "FOR", "liste déroulante", "15", sauf=("élément de liste",))
    dit("Tab End", "DEX", "15", "Points de génération restants : 300")
    dit("Tab End", "Erreur - Caractéristiques", "Vous n'avez pas assez de Points de Génération!!!")
    dit("space", "VOL", "liste déroulante", "5")
    # A skill taken: its state, its CB and the points left; then its level up to a refusal.
    dit("Tab Tab Tab", "Agilité case à cocher non cochée")
    compte("space", "cochée", "CB 16", "Points de génération restants : 200", plafond=10)
    dit("Tab Up", "Niveau d'Agilité", "2", "Points de génération restants : 180")
    dit(" ".join(["Up"] * 9), "11", "Points de génération restants : 0")
    dit("Up", "Erreur - Niveau de Compétences", "Vous n'avez pas assez de Points de Génération!!!", sauf=("12",))
    dit("space", "Niveau d'Agilité", "11")
    # An age that opens the fields of experience, whose count is read in its sentence, again after a tick.
    texte = dit(" ".join(["shift+Tab"] * 8) + " Down", "Champs d'Expérience - Vorn", "Champs d'Expérience à choisir")
    nombre = re.search(r"Il vous reste (\d+) Champs d'Expérience à choisir", texte)
    if not nombre:
        fautes.append("les champs d'expérience sans leur nombre: %s" % texte)
    reste = int(nombre.group(1)) if nombre else 1
    dit("space", "cochée", "Il vous reste %d Champs d'Expérience à choisir." % (reste - 1))
    dit("shift+Tab", "Ok bouton")
    dit("space", "Age", "liste déroulante")
    # A menu takes keys once open: each key waits for what the one before opened.
    alt("a", "Nouveau")
    dit("Right", "À Propos")
    dit("Return", "À propos - Vorn", "Application : ZazUvureVorn", "Version : 1.0.0")
    dit("space", "Age")
    # The quit question answered No, then Yes.
    alt("a", "Nouveau")
    dit("q", "Quitter", "Etes-vous sûr de vouloir quitter le programme ?", "Non bouton")
    dit("space", "Age")
    alt("a", "Nouveau")
    dit("q", "Quitter")
    dit("Tab", "Oui bouton")
    subprocess.run(["xdotool", "key", "space"], check=True)
    attendre(lambda: programme.poll() is not None, "la fin du programme")
    if programme.returncode != 0:
        fautes.append("le programme finit avec le code %d" % programme.returncode)


def main():
    signal.signal(signal.SIGALRM, lambda *_: sys.exit("ÉCHEC: le parcours dure plus de %d s\n%s" % (
        LIMITE, "\n".join(fautes))))
    signal.alarm(LIMITE)
    binaire, locales = sys.argv[1], sys.argv[2]
    if not os.path.exists(os.path.join(locales, "fr_FR.UTF-8")):  # made once, then renamed into place
        os.makedirs(locales, exist_ok=True)
        neuf = tempfile.mkdtemp(dir=locales)
        subprocess.run(["localedef", "-i", "fr_FR", "-f", "UTF-8", os.path.join(neuf, "fr_FR.UTF-8")], check=True)
        with contextlib.suppress(OSError):
            os.rename(os.path.join(neuf, "fr_FR.UTF-8"), os.path.join(locales, "fr_FR.UTF-8"))
    # Everything of this session in one private place: Orca's settings, dconf, the runtime directory.
    with tempfile.TemporaryDirectory(prefix="vorn-orca-", ignore_cleanup_errors=True) as prive:
        dossiers = ("HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_RUNTIME_DIR")
        for var in dossiers:
            os.environ[var] = os.path.join(prive, var.lower())
            os.makedirs(os.environ[var], mode=0o700)
        # The accessibility bus names its socket after the display: without it, parallel runs would share one.
        subprocess.run(["dbus-update-activation-environment", "DISPLAY", *dossiers], check=True)
        subprocess.run(["gsettings", "set", "org.gnome.desktop.interface", "toolkit-accessibility", "true"], check=True)
        francais = dict(os.environ, LOCPATH=locales, LANG="fr_FR.UTF-8", LC_ALL="fr_FR.UTF-8", LANGUAGE="fr")
        journal = os.path.join(prive, "orca.log")
        enfants = [subprocess.Popen([sys.executable, __file__, "--orca", journal, os.path.join(prive, "orca")],
                                    env=francais, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)]
        try:
            global orca
            orca = Orca(journal)
            attendre(lambda: os.path.exists(journal), "le journal d'Orca")
            orca.entendu(0, "Lecteur d'écran activé")
            pyatspi.Registry.registerEventListener(ecouter, "object", "window", "focus")
            enfants.append(subprocess.Popen([binaire], env=dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")))
            parcourir(enfants[-1])
        finally:
            for p in reversed(enfants):
                p.kill()
    sys.exit("ÉCHEC:\n" + "\n".join(fautes) if fautes else None)


main()
