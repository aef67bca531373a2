#!/usr/bin/env bash
# Runs tst_disque on a small tmpfs in a private mount namespace, as root or as root of a new user namespace.
# Exit 77 (skipped) when neither is allowed here.
set -euo pipefail
programme="${1:?usage: disque-plein.sh TST_DISQUE}"
for racine in "" --map-root-user; do
    # shellcheck disable=SC2086 # no option at all as root
    unshare $racine --mount --propagation private true 2>/dev/null || continue
    # shellcheck disable=SC2016,SC2086
    exec unshare $racine --mount --propagation private sh -c '
        dossier="$(mktemp -d)"
        mount -t tmpfs -o size=4m,mode=0700 tmpfs "$dossier" || exit 77
        VORN_DISQUE="$dossier" "$0"
        statut=$?
        umount "$dossier"
        rmdir "$dossier"
        exit "$statut"' "$programme"
done
echo "No mount namespace allowed here: the full-disk test cannot run." >&2
exit 77
