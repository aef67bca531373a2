#!/usr/bin/env bash
# windows.sh BUILD_DIR: the Windows packages under Wine, on bureau.sh's X server; screenshots in captures-wine.
set -euo pipefail
sortie="$(cd "$1" && pwd)"
wine=("$(cd "$(dirname "$0")/../.." && pwd)/scripts/windows/wine-lancer")
captures="$sortie/captures-wine"
travail="$(mktemp -d)"
trap 'kill "${programme:-}" 2>/dev/null || true; rm -rf "$travail"' EXIT
rm -rf "$captures" && mkdir -p "$captures"
fautes=0
faute() { echo "ÉCHEC : $*" >&2; fautes=$((fautes + 1)); }
capture() { sleep 1; import -window root "$captures/$1.png"; }
attendre() { # until the command succeeds, for up to $1 s
    local fin=$((SECONDS + $1))
    until "${@:2}"; do ((SECONDS <= fin)) || return 1; sleep 0.1; done
}
# Read whole: a reader leaving early could fail xdotool with SIGPIPE.
trouver() { id="$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null)" && id="${id%%$'\n'*}"; }
fermee() { ! trouver "$1"; }
touche() { xdotool key --clearmodifiers --delay 80 "$@"; sleep 0.3; }
# The window of title $1 ($id), screenshot $2, then keys.
fenetre() {
    attendre 60 trouver "$1" || { capture echec; echo "ÉCHEC : pas de fenêtre « $1 »" >&2; exit 1; }
    capture "$2"
    (($# < 3)) || touche "${@:3}"
}
taper() { xdotool type --delay 60 "$1"; }
cliquer() { xdotool mousemove --window "$1" "$2" "$3" click 1; sleep 0.3; }
chemin() { "${wine[@]}" winepath "$1" "$2" 2>/dev/null | tr -d '\r'; }
variable() { "${wine[@]}" cmd /c "echo %$1%" | tr -d '\r'; }
registre() { "${wine[@]}" reg query "$@" 2>/dev/null | tr -d '\r' | grep -F REG_SZ || true; }

"${wine[@]}" "$sortie"/ZazUvureVorn-*-setup.exe /S
wineserver -w
dossier="$(chemin -u "$(variable LOCALAPPDATA)\\Programs\\ZazUvureVorn")"
lien="$(chemin -u "$(variable APPDATA)\\Microsoft\\Windows\\Start Menu\\Programs")/ZazUvureVorn.lnk"
classes='HKCU\Software\Classes'
desinstallation='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\ZazUvureVorn'
for f in Desinstaller.exe ZazUvureVorn.exe README.txt LICENSE.txt; do [[ -f $dossier/$f ]] || faute "$f"; done
[[ -f $lien ]] || faute "$lien"
[[ "$(registre "$classes\\.vorn" /ve)" == *ZazUvureVorn.Agent* ]] || faute ".vorn non associés"
[[ "$(registre "$desinstallation" /v UninstallString)" ]] || faute "pas de désinstallation"
(cd "$travail" && unzip -q "$sortie"/ZazUvureVorn-*-win64.zip)
cmp "$travail"/ZazUvureVorn-*/ZazUvureVorn.exe "$dossier/ZazUvureVorn.exe" || faute "le zip diffère"

# Keys, then Windows' save dialog $1 (screenshot $3) writes $2. Wine's edit boxes take no Ctrl+A, and the
# keyboard stays with the closed dialog.
enregistrer_sous() {
    touche "${@:4}"
    fenetre "$1" "$3" Home shift+End
    taper "$(chemin -w "$travail")\\$2"
    touche Return
    attendre 10 test -s "$travail/$2" || faute "$2 non écrit"
    xdotool windowactivate --sync "$feuille"
}
exporter_pdf() {
    enregistrer_sous "Exporter en PDF" "$1" exporter alt+a p
    sleep 1
    texte="$(pdftotext -raw "$travail/$1" - | tr -s ' \n' ' ')" || faute "pdftotext ne lit pas $1"
    for attendu in "Fiche d'agent" "Nom du Joueur JEAN Nom du Personnage BOND" "FOR 15 DEX 15 VOL 5"; do
        [[ "$texte" == *"$attendu"* ]] || faute "$1 : $attendu"
    done
}
# "o" answers the French "&Oui" (not Qt's own "&Yes").
quitter() {
    touche alt+a q
    fenetre Quitter quitter o
    attendre 10 fermee "Création - Vorn" || faute "« o » ne quitte pas"
    { timeout 10 tail --pid="$programme" -f /dev/null && wait "$programme"; } || faute "fin du programme"
}

# Points: the controls' centres (twips / 15).
"${wine[@]}" "$dossier/ZazUvureVorn.exe" &
programme=$!
fenetre "Accueil - Vorn" accueil
cliquer "$id" 228 132 # the name box
taper jean
touche Return
fenetre "Choix - Vorn" choix
cliquer "$id" 296 28 # the character's name
taper bond
cliquer "$id" 168 340 # Continuer
fenetre "Création - Vorn" fiche
feuille=$id
# The sheet's fixed 536 pixels sit under the menu bar.
haut=$(($(xdotool getwindowgeometry --shell "$feuille" | sed -n 's/^HEIGHT=//p') - 536))
# FOR and DEX to 15 take 2700 of 3000 points, VOL is refused.
for i in 0 1 2; do
    cliquer "$feuille" $((46 + 60 * i)) $((haut + 86))
    touche End Return
done
fenetre "Erreur - Caractéristiques" depassement Return
cliquer "$feuille" 756 $((haut + 26)) # Age
touche Down Return
fenetre "Champs d'Expérience - Vorn" champs Return
touche alt+a Right Return
fenetre "À propos - Vorn" apropos Return
exporter_pdf fiche.pdf
enregistrer_sous "Enregistrer l'agent" bond.vorn enregistrer ctrl+s
grep -q '"BOND"' "$travail/bond.vorn" || faute "l'agent enregistré sans BOND"
quitter

# Opened as Explorer would, by the registered command (Wine 8's shell does not see it).
commande="$(registre "$classes\\ZazUvureVorn.Agent\\shell\\open\\command" /ve | sed 's/.*REG_SZ *//')"
[[ "$commande" =~ ^\"([^\"]+)\"\ \"%1\"$ ]] || faute "commande d'ouverture des .vorn : $commande"
"${wine[@]}" "$(chemin -u "${BASH_REMATCH[1]}")" "$(chemin -w "$travail/bond.vorn")" &
programme=$!
fenetre "Création - Vorn" fiche-rouverte
feuille=$id
exporter_pdf rouverte.pdf
quitter
wineserver -w

"${wine[@]}" "$dossier/Desinstaller.exe" /S
wineserver -w
[[ ! -e "$dossier" && ! -e "$lien" ]] || faute "fichiers laissés"
[[ -z "$(registre "$classes\\.vorn" /ve)$(registre "$desinstallation" /v UninstallString)" ]] || faute "clés laissées"
((fautes == 0))
