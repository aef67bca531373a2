#!/usr/bin/env bash
# Runs a test program on a real X server: Xvfb of the given size with a
# window manager, so that frames, placement and input timing are real.
#   bureau.sh WIDTHxHEIGHT SCALE clair|sombre PROGRAM [ARGS...]
# "sombre" takes the desktop's dark theme through the GTK platform theme.
set -euo pipefail
taille="$1" echelle="$2" theme="$3"
shift 3
if [[ "$theme" == sombre ]]; then
    export QT_QPA_PLATFORMTHEME=gtk3 GTK_THEME=Adwaita:dark
fi
runtime="$(mktemp -d)"
chmod 700 "$runtime"
trap 'kill "${wm_pid:-}" "${x_pid:-}" 2>/dev/null || true; rm -rf "$runtime"' EXIT

# Xvfb picks a free display itself and writes its number once ready: no
# race with the other X servers of the machine.
Xvfb -displayfd 3 -screen 0 "${taille}x24" -nolisten tcp 3>"$runtime/affichage" 2>/dev/null &
x_pid=$!
for _ in $(seq 200); do [[ -s "$runtime/affichage" ]] && break; sleep 0.05; done
export DISPLAY=":$(head -n 1 "$runtime/affichage")"
# The window manager, started again should it die while starting.
wm_pret() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"; }
for _ in 1 2 3; do
    openbox --sm-disable >"$runtime/openbox.log" 2>&1 &
    wm_pid=$!
    for _ in $(seq 150); do
        wm_pret && break 2
        kill -0 "$wm_pid" 2>/dev/null || break
        sleep 0.1
    done
    kill "$wm_pid" 2>/dev/null || true
done
wm_pret || { echo "bureau.sh: no window manager" >&2; cat "$runtime/openbox.log" >&2; exit 1; }

export XDG_RUNTIME_DIR="$runtime" QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR="$echelle" LC_ALL=C.UTF-8
"$@"
