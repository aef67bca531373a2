#!/usr/bin/env bash
# The Debian package as desktops and Debian's tools see it.   usage: verifier-paquet.sh PAQUET.deb
set -uo pipefail
if [[ "${1:-}" == --fenetre ]]; then # on an X server: PROGRAM XDG_RUNTIME_DIR
    xwininfo -root >/dev/null || exit 2 # display number taken by a concurrent server
    XDG_RUNTIME_DIR="$3" "$2" &
    vue=1 # the window list read whole: under pipefail, grep -q leaving early would fail xwininfo with SIGPIPE
    for _ in $(seq 50); do [[ "$(xwininfo -root -tree)" == *'"Accueil - Vorn"'* ]] && vue=0 && break; sleep 0.2; done
    kill $!
    exit $vue
fi
deb="$(realpath "${1:?usage: verifier-paquet.sh PAQUET.deb}")"
src="$(cd "$(dirname "$0")/../.." && pwd)"
id=org.zazuvurevorn.zazuvurevorn
dir="$(mktemp -d)"
trap 'rm -rf "$dir"' EXIT
dpkg-deb -x "$deb" "$dir" || exit 1
s="$dir/usr/share" h="$s/icons/hicolor" programme="$dir/usr/games/ZazUvureVorn" version="$(dpkg-deb -f "$deb" Version)"
app="$s/applications/$id.desktop" meta="$s/metainfo/$id.metainfo.xml"
failed=0
verifier() {
    if ! "$@" >"$dir/sortie" 2>&1; then
        failed=$((failed + 1))
        echo "FAIL: $*"
        sed 's/^/    /' "$dir/sortie"
    fi
}
dans() { # a line of file $1 matches each pattern
    local m
    for m in "${@:2}"; do grep -q -- "$m" "$1" || { echo "no $m"; return 1; }; done
}
type_agent() { # the desktop's own look-up, on a MIME database made of the package's entry alone
    update-mime-database "$s/mime" && dans "$s/mime/packages/$id.xml" '<sub-class-of type="application/json"/>' &&
        [[ "$(env -u XDG_CURRENT_DESKTOP -u DESKTOP_SESSION XDG_DATA_HOME="$s" XDG_DATA_DIRS=/usr/share \
            xdg-mime query filetype "$src/tests/fuzz/corpus/agent.vorn")" == application/x-zazuvurevorn-agent ]]
}
schema_accepte_les_agents() {
    python3 -c 'import json, sys, jsonschema
for f in sys.argv[2:]: jsonschema.Draft202012Validator(json.load(open(sys.argv[1]))).validate(json.load(open(f)))' \
        "$s/zazuvurevorn/zazuvurevorn-agent.schema.json" "$src"/tests/fuzz/corpus/*.vorn
}
fenetre_accueil() { # on an X server of its own with a window manager, as a player's desktop
    mkdir -m 700 "$dir/xdg" &&
        "$src/tests/bureau/bureau.sh" 800x600 1 clair - bash "$0" --fenetre "$programme" "$dir/xdg"
}

verifier test -x "$programme" -a -s "$h/scalable/apps/$id.svg" -a -s "$s/man/man6/ZazUvureVorn.6.gz"
verifier test "$(identify -format '%wx%h ' "$h"/*/apps/$id.png)" = "128x128 256x256 48x48 64x64 "
verifier desktop-file-validate "$app"
verifier dans "$app" '^Exec=ZazUvureVorn %f$' '^MimeType=application/x-zazuvurevorn-agent;$' "^Icon=$id\$"
# Wayland desktops find the entry, hence the icon, by the name the program gives.
verifier grep -qx "$id" <(strings -el "$programme")
verifier appstreamcli validate --no-net --explain "$meta"
verifier dans "$meta" '<mediatype>application/x-zazuvurevorn-agent</mediatype>' ">$id.desktop</launchable>"
verifier type_agent
verifier schema_accepte_les_agents
verifier dans "$s/doc/zazuvurevorn/copyright" '^License: GPL-3+$'
verifier test "$(dpkg-deb -f "$deb" Package Section | tr '\n' ' ')" = "Package: zazuvurevorn Section: games "
# The release notes follow the version: metainfo's latest release, the changelog's top entry.
verifier dans <(grep -m1 '<release ' "$meta") "version=\"$version\""
verifier dans <(zcat "$s/doc/zazuvurevorn/changelog.gz" | sed -n 1p) "^zazuvurevorn ($version)"
dpkg-deb -f "$deb" Depends >"$dir/dependances"
verifier dans "$dir/dependances" libqt6widgets6 libc6 qt6-translations-l10n fonts-dejavu-core
verifier lintian --fail-on error,warning "$deb"
# Against an empty package database: everything it needs comes from the archive.
: >"$dir/etat"
verifier apt-get install -s -o Dir::State::status="$dir/etat" "$deb"
verifier fenetre_accueil
echo "paquet: $failed failed"
((failed == 0))
