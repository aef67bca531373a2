#!/usr/bin/env bash
# Runs tst_disque on a small tmpfs of its own, in a private mount namespace so
# that nothing outside sees it: as root directly, otherwise as root of a new
# user namespace (unshare -r). Exit 77 (skipped) when neither is allowed here.
set -euo pipefail
programme="${1:?usage: disque-plein.sh TST_DISQUE}"

sous_tmpfs() {
    # shellcheck disable=SC2016
    unshare "$@" --mount --propagation private sh -c '
        dossier="$(mktemp -d)"
        mount -t tmpfs -o size=4m,mode=0700 tmpfs "$dossier" || exit 77
        VORN_DISQUE="$dossier" "$0"
        statut=$?
        umount "$dossier"
        rmdir "$dossier"
        exit "$statut"' "$programme"
}

if unshare --mount --propagation private true 2>/dev/null; then
    sous_tmpfs
elif unshare --map-root-user --mount --propagation private true 2>/dev/null; then
    sous_tmpfs --map-root-user
else
    echo "No mount namespace allowed here (neither root nor user namespaces): the full-disk test cannot run." >&2
    exit 77
fi
