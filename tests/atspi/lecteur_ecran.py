#!/usr/bin/env python3
"""dbus-run-session -- lecteur_ecran.py BINARY LOCALES: real keys, then what Orca said, read from its log."""
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

DELAI = 20  # seconds a step may take
POINTS = "Points de génération restants : %d"
PAS_ASSEZ = "Vous n'avez pas assez de Points de Génération!!!"
CHAMPS = "Il vous reste %s Champs d'Expérience à choisir"
fautes, evenements = [], []


class Orca:
    journal, lu, brut, marque, paroles = "", 0, "", 0, []

    def lire(self):
        with open(self.journal, encoding="utf-8", errors="replace") as f:
            f.seek(self.lu)
            texte = f.read()
        texte = texte[:texte.rfind("\n") + 1]  # a line still being written waits for the next read
        self.lu += len(texte.encode("utf-8"))
        self.brut += texte
        for ligne in re.findall(r"SPEECH OUTPUT: '(.*)'(?: voice=\w+)? ?(?:\{.*|None)?$", texte, re.M):
            self.paroles.append(ligne.replace("\u2019", "'"))

    def marquer(self):
        self.lire()
        self.marque = len(self.paroles)

    def depuis(self):
        self.lire()
        return " | ".join(self.paroles[self.marque:])


orca = Orca()


def pomper():
    while GLib.MainContext.default().iteration(False):
        pass


def attendre(condition, quoi):
    fin = time.monotonic() + DELAI
    while time.monotonic() < fin:
        pomper()
        with contextlib.suppress(Exception):  # an object that went away while it was read
            if resultat := condition():
                return resultat
        time.sleep(0.05)
    sys.exit("ÉCHEC: pas de %s en %d s; Orca a dit %s\n%s" % (quoi, DELAI, orca.paroles[orca.marque:], fautes))


def xdotool(*arguments):
    subprocess.run(["xdotool", *arguments], check=True)


def dit(touches, *mots, sauf=(), taper=None, plafond=0):
    del evenements[:]
    orca.marquer()
    if taper:
        xdotool("type", "--delay", "60", taper)
    if touches.startswith("alt+"):
        # Orca must see Alt before the menu opens: Alt reaching the menu bar late would close the menu.
        debut = len(orca.brut)
        xdotool("keydown", "alt")
        attendre(lambda: orca.lire() or re.search(r"event_string=\(Alt_L\)[^^]*?CONSUME:", orca.brut[debut:]), "Alt")
        orca.marquer()
        xdotool("key", touches[4:], "keyup", "alt")
    elif touches:
        xdotool("key", "--clearmodifiers", "--delay", "80", *touches.split())

    def tout_dit():
        texte = orca.depuis()
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
    dit("Tab", "Continuer")
    # Space acts on the release: a key Orca held as its window went would stay down.
    dit("space", "Création - Vorn", "Apparence liste déroulante", plafond=644)
    dit("Tab Tab Tab Tab Tab", "FOR liste déroulante", "5", POINTS % 3000)
    dit("End", "15", POINTS % 1650, plafond=10)
    dit("KP_Enter", "FOR", "liste déroulante", "15", sauf=("élément de liste",))
    dit("Tab End Tab End", "Erreur - Caractéristiques", PAS_ASSEZ)
    dit("space", "VOL", "liste déroulante", "5")
    dit("Tab Tab Tab", "Agilité case à cocher non cochée")
    dit("space", "cochée", "CB 16", POINTS % 200, plafond=10)
    dit("Tab Up", "Niveau d'Agilité", "2", POINTS % 180)
    dit(" ".join(["Up"] * 9), "11", POINTS % 0)
    # The refused step may show for an instant; it must not be bought.
    dit("Up", "Erreur - Niveau de Compétences", PAS_ASSEZ, sauf=("notification 12",))
    dit("space", "Niveau d'Agilité", "11")
    texte = dit(" ".join(["shift+Tab"] * 8) + " Down", "Champs d'Expérience - Vorn", "à choisir")
    dit("space", "cochée", CHAMPS % (int(re.search(CHAMPS % r"(\d+)", texte)[1]) - 1))
    dit("shift+Tab", "Ok bouton")
    dit("space", "Age", "liste déroulante")
    dit("alt+a", "Nouveau")
    dit("Right", "À Propos")
    dit("Return", "À propos - Vorn", "Application : ZazUvureVorn", "Version : 1.0.0")
    dit("space", "Age")
    dit("alt+a", "Nouveau")
    dit("q", "Quitter", "Etes-vous sûr de vouloir quitter le programme ?", "Non bouton")
    dit("Tab", "Oui bouton")
    xdotool("key", "space")
    attendre(lambda: programme.poll() == 0, "fin sans faute")


signal.signal(signal.SIGALRM, lambda *_: sys.exit("ÉCHEC: plus de 240 s\n%s" % fautes))
signal.alarm(240)
binaire, locales = sys.argv[1:]
fr = os.path.join(locales, "fr_FR.UTF-8")
if not os.path.exists(fr):  # made aside, then renamed into place
    os.makedirs(locales, exist_ok=True)
    neuf = os.path.join(tempfile.mkdtemp(dir=locales), "fr")
    subprocess.run(["localedef", "-i", "fr_FR", "-f", "UTF-8", neuf], check=True)
    with contextlib.suppress(OSError):
        os.rename(neuf, fr)
with tempfile.TemporaryDirectory(prefix="vorn-orca-", ignore_cleanup_errors=True) as prive:
    dossiers = "HOME XDG_CONFIG_HOME XDG_DATA_HOME XDG_CACHE_HOME XDG_RUNTIME_DIR".split()
    for var in dossiers:
        os.environ[var] = os.path.join(prive, var)
        os.mkdir(os.environ[var], mode=0o700)
    # The accessibility bus names its socket after the display: parallel runs keep apart.
    subprocess.run(["dbus-update-activation-environment", "DISPLAY", *dossiers], check=True)
    subprocess.run(["gsettings", "set", "org.gnome.desktop.interface", "toolkit-accessibility", "true"], check=True)
    francais = dict(os.environ, LOCPATH=locales, LANG="fr_FR.UTF-8", LC_ALL="fr_FR.UTF-8", LANGUAGE="fr")
    orca.journal = os.path.join(prive, "orca.log")
    enfants = [subprocess.Popen([sys.executable, __file__, "--orca", orca.journal, os.path.join(prive, "orca")],
                                env=francais, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)]
    try:
        attendre(lambda: "Lecteur d'écran activé" in orca.depuis(), "Orca")
        pyatspi.Registry.registerEventListener(lambda e: evenements.append(e.type), "object", "window", "focus")
        enfants.append(subprocess.Popen([binaire], env=dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")))
        parcourir(enfants[-1])
    finally:
        for p in reversed(enfants):
            p.kill()
sys.exit("ÉCHEC:\n" + "\n".join(fautes) if fautes else None)
