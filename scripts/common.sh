# shellcheck shell=bash
# Shared functions for the scripts in this folder; meant to be sourced, not run.
# Callers set `set -euo pipefail` themselves.

# Repository root, found from this file so the scripts work from any directory.
VORN_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

# Debian packages needed to build, test and run the program; the same names on Debian 12 and 13
# (scripts/debian13 checks them there).
# One array so that adding or dropping a package is a one-line change.
VORN_PACKAGES=(
    build-essential
    cmake
    g++
    pkg-config
    qt6-base-dev
    qt6-svg-dev
    qt6-translations-l10n
    libgl-dev
    libvulkan-dev
    libxkbcommon-dev
    libgtest-dev
    libgmock-dev
    libbenchmark-dev
    fonts-dejavu-core
    xvfb
    xauth
    x11-utils
    openbox
    xdotool
    qt6-gtk-platformtheme
    imagemagick
    librsvg2-bin
    dpkg-dev
    lintian
    appstream
    desktop-file-utils
    poppler-utils
    at-spi2-core
    dbus-x11
    dbus-daemon
    dbus-bin
    python3-pyatspi
    gir1.2-atspi-2.0
    python3-gi
    mmdebstrap
    clang-format
    nlohmann-json3-dev
    clang
    shared-mime-info
    xdg-utils
    libfile-mimeinfo-perl
    orca
    locales
    libglib2.0-bin
    dconf-gsettings-backend
    gsettings-desktop-schemas
)

# The Windows build (scripts/windows): cross compilers, Wine and the installer maker; installed by
# scripts/windows/test only.
VORN_PACKAGES_WINDOWS=(
    g++-mingw-w64-x86-64-posix
    ninja-build
    wine
    wine64
    nsis
    unzip
)

# Print the packages of "$@" that dpkg does not report as installed.
vorn_missing_packages() {
    local pkg status
    for pkg in "$@"; do
        status="$(dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null || true)"
        if [[ "$status" != "install ok installed" ]]; then
            printf '%s\n' "$pkg"
        fi
    done
}

# Install whichever packages of "$@" (by default VORN_PACKAGES) are missing.
# Does nothing, silently, when all are present.
vorn_install_packages() {
    local -a missing
    if (($# == 0)); then set -- "${VORN_PACKAGES[@]}"; fi
    mapfile -t missing < <(vorn_missing_packages "$@")
    if ((${#missing[@]} == 0)); then
        return 0
    fi

    echo "Installing missing packages: ${missing[*]}"
    local -a sudo_cmd=()
    if [[ "$(id -u)" != 0 ]]; then
        if command -v sudo >/dev/null 2>&1 && sudo -n true 2>/dev/null; then
            sudo_cmd=(sudo)
        else
            echo "These packages are missing and cannot be installed without a password:" >&2
            echo "  sudo apt-get update && sudo apt-get install -y --no-install-recommends ${missing[*]}" >&2
            exit 1
        fi
    fi
    "${sudo_cmd[@]}" apt-get update
    "${sudo_cmd[@]}" env DEBIAN_FRONTEND=noninteractive \
        apt-get install -y --no-install-recommends "${missing[@]}"
}

# Configure and build one of the presets of CMakePresets.json (release, debug, asan).
vorn_build() {
    local preset="${1:?usage: vorn_build PRESET}"
    (
        cd "$VORN_ROOT" || exit 1
        cmake --preset "$preset"
        cmake --build --preset "$preset"
    )
}
