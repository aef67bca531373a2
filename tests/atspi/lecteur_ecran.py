#!/usr/bin/env python3
"""dbus-run-session -- lecteur_ecran.py BINARY: real keys, then what Orca said, read from its log."""
import contextlib
import os
import re
import signal
import subprocess
import sys
import tempfile
import time

if sys.argv[1] == "--orca":  # Orca itself: no speech server, its log written line by line
    from orca import debug
    debug.debugLevel, debug.eventDebugLevel = debug.LEVEL_INFO, debug.LEVEL_OFF
    debug.debugFile = open(sys.argv[2], "w", buffering=1)
    from orca import orca
    sans_voix = {"speechServerFactory": None, "speechFactoryModules": [], "enableBraille": False,
                 "enableSound": False, "enableTutorialMessages": False, "enableKeyEcho": False}
    orca.getSettingsManager().activate(sys.argv[3], sans_voix)
    sys.exit(orca.main())

import pyatspi  # noqa: E402  (Orca loads it its own way)
from gi.repository import GLib  # noqa: E402

fautes, evenements = [], []
journal = ""  # Orca's log


def lire():
    """Orca's log so far, and the words it said."""
    with open(journal, encoding="utf-8", errors="replace") as f:
        texte = f.read()
    paroles = re.findall(r"SPEECH OUTPUT: '(.*)'(?: voice=\w+)? ?(?:\{.*|None)?$", texte, re.M)
    return texte, [p.replace("\u2019", "'") for p in paroles]


def pomper():
    while GLib.MainContext.default().iteration(False):
        pass


def attendre(condition, quoi):
    fin = time.monotonic() + 20  # seconds a step may take
    while time.monotonic() < fin:
        pomper()
        with contextlib.suppress(Exception):  # an object that went away while it was read
            if resultat := condition():
                return resultat
        time.sleep(0.05)
    sys.exit("ÉCHEC: pas de %s; Orca a dit enfin %s" % (quoi, lire()[1][-5:]))


def xdotool(*arguments):
    subprocess.run(["xdotool", *arguments], check=True)


def dit(touches, *mots, sauf=(), taper=None, plafond=0):
    del evenements[:]
    brut, paroles = lire()
    marque = len(paroles)
    if taper:
        xdotool("type", "--delay", "60", taper)
    if touches.startswith("alt+"):
        # Orca must see Alt before the menu opens: Alt reaching the menu bar late would close it.
        xdotool("keydown", "alt")
        attendre(lambda: re.search(r"event_string=\(Alt_L\)[^^]*?CONSUME:", lire()[0][len(brut):]), "Alt")
        marque = len(lire()[1])
        xdotool("key", touches[4:], "keyup", "alt")
    elif touches:
        xdotool("key", "--clearmodifiers", "--delay", "80", *touches.split())

    def tout_dit():
        texte = " | ".join(lire()[1][marque:])
        return all(m in texte for m in mots) and texte
    texte = attendre(tout_dit, mots)
    fautes.extend("Orca dit %r: %s" % (m, texte) for m in sauf if m in texte)
    vus = -1  # events the keys bring, until half a second passes without one
    while plafond and vus < len(evenements) <= plafond:
        vus = len(evenements)
        time.sleep(0.5)
        pomper()
    if plafond and len(evenements) > plafond:
        fautes.append("%d événements: %s" % (len(evenements), touches))
    return texte


def parcourir(programme):
    dit("", "Accueil - Vorn", "Nom du joueur")
    dit("Return", "Choix - Vorn", "Nom du personnage", taper="jean")
    dit("Tab", "Rang du personnage", "Recrue", "sélectionné", sauf=('"00"', "non sélectionné"), taper="bond")
    # Space acts on the release: a key Orca held as its window went would stay down.
    dit("Tab space", "Création - Vorn", "Apparence liste déroulante", plafond=644)
    dit("Tab Tab Tab Tab Tab", "FOR liste déroulante", "5")
    dit("End", "15", "Points de génération restants : 1650")
    dit("Tab End Tab End", "Erreur - Caractéristiques", "Vous n'avez pas assez de Points de Génération!!!")
    dit("space", "VOL", "liste déroulante", "5")
    dit("alt+a", "Nouveau")
    dit("q", "Quitter", "Non bouton")
    dit("Tab", "Oui bouton")
    xdotool("key", "space")
    attendre(lambda: programme.poll() == 0, "fin sans faute")


signal.signal(signal.SIGALRM, lambda *_: sys.exit("ÉCHEC: plus de 240 s"))  # before ctest would kill it all
signal.alarm(240)
with tempfile.TemporaryDirectory(prefix="vorn-orca-", ignore_cleanup_errors=True) as prive:
    dossiers = "HOME XDG_CONFIG_HOME XDG_DATA_HOME XDG_CACHE_HOME XDG_RUNTIME_DIR".split()
    for var in dossiers:
        os.environ[var] = os.path.join(prive, var)
        os.mkdir(os.environ[var], mode=0o700)
    # The accessibility bus names its socket after the display: parallel runs keep apart.
    subprocess.run(["dbus-update-activation-environment", "DISPLAY", *dossiers], check=True)
    subprocess.run(["gsettings", "set", "org.gnome.desktop.interface", "toolkit-accessibility", "true"], check=True)
    subprocess.run(["localedef", "-i", "fr_FR", "-f", "UTF-8", os.path.join(prive, "fr_FR.UTF-8")], check=True)
    francais = dict(os.environ, LOCPATH=prive, LANG="fr_FR.UTF-8", LC_ALL="fr_FR.UTF-8", LANGUAGE="fr")
    journal = os.path.join(prive, "orca.log")
    enfants = [subprocess.Popen([sys.executable, __file__, "--orca", journal, os.path.join(prive, "orca")],
                                env=francais)]
    try:
        attendre(lambda: "Lecteur d'écran activé" in " ".join(lire()[1]), "Orca")
        pyatspi.Registry.registerEventListener(lambda e: evenements.append(e.type), "object", "window", "focus")
        enfants.append(subprocess.Popen([sys.argv[1]], env=dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")))
        parcourir(enfants[-1])
    finally:
        for p in reversed(enfants):
            p.kill()
sys.exit("ÉCHEC:\n" + "\n".join(fautes) if fautes else None)
