#!/usr/bin/env bash
# Runs tst_disque on a 4 MiB tmpfs in a private mount namespace; skipped (77) where none is allowed.
programme="${1:?usage: disque-plein.sh TST_DISQUE}"
unshare --map-root-user --mount true 2>/dev/null || exit 77
dossier="$(mktemp -d)"
trap 'rmdir "$dossier"' EXIT
# shellcheck disable=SC2016
unshare --map-root-user --mount sh -c 'mount -t tmpfs -o size=4m tmpfs "$1" || exit 77; VORN_DISQUE="$1" "$0"' "$programme" "$dossier"
