#!/usr/bin/env bash
# Unpacks the Debian package and checks it as a desktop and Debian's tools see it: files in place, entries valid,
# lintian clean, apt can install it, and the program opens its first window.   usage: verifier-paquet.sh PAQUET.deb
set -uo pipefail
if [[ "${1:-}" == --fenetre ]]; then # run on an X server: PROGRAM XDG_RUNTIME_DIR
    xwininfo -root >/dev/null || exit 2 # display number taken by a concurrent server
    XDG_RUNTIME_DIR="$3" "$2" &
    for _ in $(seq 50); do
        # Read whole: under pipefail, grep -q leaving early would fail xwininfo with SIGPIPE.
        [[ "$(xwininfo -root -tree)" == *'"Accueil - Vorn"'* ]] && { kill $!; exit 0; }
        sleep 0.2
    done
    kill $!
    exit 1
fi
deb="$(realpath "${1:?usage: verifier-paquet.sh PAQUET.deb}")"
src="$(cd "$(dirname "$0")/../.." && pwd)"
id=org.zazuvurevorn.zazuvurevorn
dir="$(mktemp -d)"
trap 'rm -rf "$dir"' EXIT
racine="$dir/racine"
dpkg-deb -x "$deb" "$racine" || { echo "paquet: cannot unpack $deb"; exit 1; }
app="$racine/usr/share/applications/$id.desktop" meta="$racine/usr/share/metainfo/$id.metainfo.xml"
doc="$racine/usr/share/doc/zazuvurevorn" version="$(dpkg-deb -f "$deb" Version)"

passed=0 failed=0
verifier() { # description, then the command that must succeed
    local titre="$1"; shift
    if "$@" >"$dir/sortie" 2>&1; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        echo "FAIL: $titre"; sed 's/^/    /' "$dir/sortie"
    fi
}
# Each PNG icon is a whole image of its folder's size.
icones_png() {
    for t in 48 64 128 256; do
        [[ "$(identify -format %wx%h "$racine/usr/share/icons/hicolor/${t}x$t/apps/$id.png")" == "${t}x$t" ]] ||
            return 1
    done
}
# The desktop's own look-up, on a MIME database built from the package's entry alone.
type_agent() {
    mkdir -p "$dir/mime/packages" && cp "$racine/usr/share/mime/packages/$id.xml" "$dir/mime/packages/" &&
        update-mime-database "$dir/mime" && cp "$src/tests/fuzz/corpus/agent.vorn" "$dir/agent.vorn" &&
        [[ "$(env -u XDG_CURRENT_DESKTOP -u DESKTOP_SESSION XDG_DATA_HOME="$dir" XDG_DATA_DIRS=/usr/share \
            xdg-mime query filetype "$dir/agent.vorn")" == application/x-zazuvurevorn-agent ]] &&
        grep -q '<sub-class-of type="application/json"/>' "$dir/mime/packages/$id.xml"
}
# The shipped schema accepts what the program writes.
schema() {
    python3 -c 'import json, sys, jsonschema
s = json.load(open(sys.argv[1]))
for f in sys.argv[2:]: jsonschema.Draft202012Validator(s).validate(json.load(open(f)))' \
        "$racine/usr/share/zazuvurevorn/zazuvurevorn-agent.schema.json" "$src"/tests/fuzz/corpus/*.vorn
}
# The release notes follow the version: metainfo's latest release, the changelog's top entry.
notes() {
    grep -m1 '<release ' "$meta" | grep -q "version=\"$version\"" &&
        [[ "$(zcat "$doc/changelog.gz" | sed -n 1p)" == "zazuvurevorn ($version)"* ]]
}
dependances() {
    local d; d="$(dpkg-deb -f "$deb" Depends)"
    [[ "$d" == *libqt6widgets6* && "$d" == *libc6* && "$d" == *qt6-translations-l10n* && "$d" == *fonts-dejavu-core* ]]
}
# On an X server of its own with a window manager, as a player's desktop.
fenetre() {
    mkdir -m 700 "$dir/xdg" && "$src/tests/bureau/bureau.sh" 800x600 1 clair - \
        bash "$0" --fenetre "$racine/usr/games/ZazUvureVorn" "$dir/xdg"
}

verifier "program executable in usr/games" test -x "$racine/usr/games/ZazUvureVorn"
verifier "desktop entry valid" desktop-file-validate "$app"
# Wayland desktops find the entry, hence the icon, by the name the program gives (UTF-16 in the binary).
verifier "program names its desktop entry" bash -c "strings -el '$racine/usr/games/ZazUvureVorn' | grep -qx '$id'"
verifier "desktop entry starts the installed program on a file" grep -qx 'Exec=ZazUvureVorn %f' "$app"
verifier "desktop entry opens agent files" grep -qx 'MimeType=application/x-zazuvurevorn-agent;' "$app"
verifier "metainfo provides the agent type" grep -q '<mediatype>application/x-zazuvurevorn-agent</mediatype>' "$meta"
verifier "xdg-mime knows agent.vorn" type_agent
verifier "schema accepts saved agents" schema
verifier "desktop entry names the installed icon" grep -qx "Icon=$id" "$app"
verifier "scalable icon" test -s "$racine/usr/share/icons/hicolor/scalable/apps/$id.svg"
verifier "PNG icons of their folder's size" icones_png
verifier "metainfo valid" appstreamcli validate --no-net --explain "$meta"
verifier "metainfo launches the desktop entry" grep -q ">$id.desktop</launchable>" "$meta"
verifier "manual page" test -s "$racine/usr/share/man/man6/ZazUvureVorn.6.gz"
verifier "machine-readable copyright" grep -qx 'License: GPL-3+' "$doc/copyright"
verifier "package name and section" test "$(dpkg-deb -f "$deb" Package Section | tr '\n' ' ')" = \
    "Package: zazuvurevorn Section: games "
verifier "metainfo and changelog at version $version" notes
verifier "dependencies from the binary and run-time files" dependances
verifier "lintian: no error or warning" lintian --fail-on error,warning "$deb"
# Against an empty package database: everything it needs comes from the archive.
: >"$dir/etat"
verifier "apt can install it on a bare system" apt-get install -s -o Dir::State::status="$dir/etat" "$deb"
verifier "welcome window shown" fenetre

echo "paquet: $passed passed, $failed failed"
((failed == 0))
