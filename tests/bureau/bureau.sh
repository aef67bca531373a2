#!/usr/bin/env bash
# Runs a test program on a real X server: Xvfb of the given size with a
# window manager, so that frames, placement and input timing are real.
#   bureau.sh WIDTHxHEIGHT SCALE PROGRAM [ARGS...]
set -euo pipefail
taille="$1" echelle="$2"
shift 2
runtime="$(mktemp -d)"
chmod 700 "$runtime"
trap 'kill "${wm_pid:-}" "${x_pid:-}" 2>/dev/null || true; rm -rf "$runtime"' EXIT

# A free display number: the first without a lock file.
n=90
while [[ -e "/tmp/.X$n-lock" || -e "/tmp/.X11-unix/X$n" ]]; do n=$((n + 1)); done
Xvfb ":$n" -screen 0 "${taille}x24" -nolisten tcp >/dev/null 2>&1 &
x_pid=$!
export DISPLAY=":$n"
for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.05; done
openbox --sm-disable >/dev/null 2>&1 &
wm_pid=$!
for _ in $(seq 100); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q window && break; sleep 0.05; done

export XDG_RUNTIME_DIR="$runtime" QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR="$echelle" LC_ALL=C.UTF-8
"$@"
