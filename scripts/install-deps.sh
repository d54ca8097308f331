#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the Debian packages the project needs, and only those missing,
# on Debian 12 (bookworm) and Debian 13 (trixie). Quiet when everything is
# there already.
#   scripts/install-deps.sh [--kde | --gnome]
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-base-dev-tools libgl-dev
    # lupdate and lrelease, and Qt's own texts in the user's language.
    qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
    libx11-dev libxi-dev libxtst-dev libxdamage-dev
    libsdl2-dev libglib2.0-dev
    libgtest-dev libgmock-dev libbenchmark-dev liblnk-utils
    # The release's own clang and its sanitizer runtimes; one formatter
    # version on every release, so the formatting check means the same.
    clang libclang-rt-dev clang-format-19 ccache
    xvfb xauth openbox xcompmgr trayer xdotool x11-utils x11-xkb-utils
    desktop-file-utils dbus-daemon dbus-bin libglib2.0-bin
    # The accessibility bus and Debian's python bindings that read it.
    at-spi2-core python3-pyatspi
    sway xwayland wtype grim xdg-desktop-portal x11-xserver-utils
    libwayland-dev wayland-protocols libxkbcommon-dev qt6-wayland
    fonts-dejavu-core fonts-urw-base35 fonts-liberation2 fonts-ipafont-gothic
    # Simplified Chinese, which the Japanese face only partly covers (5 MB).
    fonts-wqy-microhei
    dpkg-dev lintian appstream
)
# --kde: also KDE's compositor, its shortcut service and its portal service,
# for the kde tier (tests/portal/kde-check.sh).
if [[ "${1:-}" == "--kde" ]]; then
    packages+=(kwin-wayland xdg-desktop-portal-kde python3-gi)
    # Plasma 6 keeps global shortcuts in a service of their own.
    [[ $(. /etc/os-release && echo "${VERSION_ID%%.*}") -ge 13 ]] && packages+=(kglobalacceld)
fi
# --gnome: GNOME's shell, its portal service and the settings that hold
# its global shortcuts, for the gnome tier (tests/portal/gnome-check.sh;
# about 1 GB, GNOME 48 and later only).
if [[ "${1:-}" == "--gnome" ]]; then
    packages+=(gnome-shell xdg-desktop-portal-gnome gnome-settings-daemon-common python3-gi gir1.2-glib-2.0)
fi

missing=()
for p in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "install-deps: installing ${missing[*]}"
sudo=()
if [[ $(id -u) -ne 0 ]]; then
    command -v sudo >/dev/null || { echo "install-deps: need root or sudo to install packages" >&2; exit 1; }
    sudo=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
