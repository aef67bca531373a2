#!/usr/bin/env bash
# The Debian package as Debian's tools and a desktop see it.   usage: verifier-paquet.sh PAQUET.deb
set -uo pipefail
if [[ "${1:-}" == --fenetre ]]; then # on an X server: PROGRAM XDG_RUNTIME_DIR
    XDG_RUNTIME_DIR="$3" "$2" &
    # Read whole: grep -q leaving early would fail xwininfo with SIGPIPE.
    for _ in $(seq 50); do [[ "$(xwininfo -root -tree)" == *'"Accueil - Vorn"'* ]] && kill $! && exit 0; sleep 0.2; done
    kill $!
    exit 1
fi
deb="$(realpath "${1:?usage: verifier-paquet.sh PAQUET.deb}")"
tests="$(dirname "$0")/.."
dir="$(mktemp -d)"
trap 'rm -rf "$dir"' EXIT
dpkg-deb -x "$deb" "$dir" || exit 1
s="$dir/usr/share" id=org.zazuvurevorn.zazuvurevorn
failed=0
verifier() { "$@" >"$dir/sortie" 2>&1 || { failed=$((failed + 1)) && echo "FAIL: $*" && cat "$dir/sortie"; }; }
type_agent() { # the desktop's look-up, on a MIME database of the package's entry alone
    update-mime-database "$s/mime" && [[ "$(env -u XDG_CURRENT_DESKTOP -u DESKTOP_SESSION XDG_DATA_HOME="$s" \
        XDG_DATA_DIRS=/usr/share xdg-mime query filetype "$tests/fuzz/corpus/agent.vorn")" == *-zazuvurevorn-agent ]]
}
verifier lintian --fail-on error,warning "$deb"
verifier desktop-file-validate "$s/applications/$id.desktop"
verifier appstreamcli validate --no-net "$s/metainfo/$id.metainfo.xml"
# Against an empty package database: everything it needs comes from the archive.
verifier apt-get install -s -o Dir::State::status=/dev/null "$deb"
verifier type_agent
verifier "$tests/bureau/bureau.sh" 800x600 1 clair - bash "$0" --fenetre "$dir/usr/games/ZazUvureVorn" "$dir"
((failed == 0))
