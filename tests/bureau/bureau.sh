#!/usr/bin/env bash
# Runs a program on Xvfb of the given size with a window manager (none if BUREAU_SANS_WM is set):
#   bureau.sh WIDTHxHEIGHT SCALE clair|sombre|contraste POINTS|- PROGRAM [ARGS...]
# "sombre" and "contraste" take the desktop's dark or high-contrast theme, POINTS its font size, through GTK.
set -euo pipefail
taille="$1" echelle="$2" theme="$3" points="$4"
shift 4
runtime="$(mktemp -d)"
case "$theme" in
    sombre) export QT_QPA_PLATFORMTHEME=gtk3 GTK_THEME=Adwaita:dark ;;
    contraste) export QT_QPA_PLATFORMTHEME=gtk3 GTK_THEME=HighContrast ;;
esac
if [[ "$points" != - ]]; then
    mkdir -p "$runtime/config/gtk-3.0"
    printf '[Settings]\ngtk-font-name=DejaVu Sans %s\n' "$points" >"$runtime/config/gtk-3.0/settings.ini"
    export QT_QPA_PLATFORMTHEME=gtk3 XDG_CONFIG_HOME="$runtime/config" BUREAU_POINTS="$points"
fi
trap 'kill "${wm_pid:-}" "${x_pid:-}" 2>/dev/null || true; rm -rf "$runtime"' EXIT

# Xvfb picks a free display and writes its number once ready: no race with the other X servers.
Xvfb -displayfd 3 -screen 0 "${taille}x24" -nolisten tcp 3>"$runtime/affichage" 2>/dev/null &
x_pid=$!
for _ in $(seq 200); do [[ -s "$runtime/affichage" ]] && break; sleep 0.05; done
export DISPLAY=":$(head -n 1 "$runtime/affichage")"
# The window manager, started again should it die while starting.
wm_pret() { [[ -n "${BUREAU_SANS_WM:-}" ]] || xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"; }
for _ in 1 2 3; do
    wm_pret && break
    kill "${wm_pid:-}" 2>/dev/null || true
    openbox --sm-disable &
    wm_pid=$!
    for _ in $(seq 150); do wm_pret || ! kill -0 "$wm_pid" 2>/dev/null && break; sleep 0.1; done
done
wm_pret || exit 1

export XDG_RUNTIME_DIR="$runtime" QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR="$echelle" LC_ALL=C.UTF-8
"$@"
