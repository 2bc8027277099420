#!/usr/bin/env bash
# Installs the Debian/Ubuntu packages needed to build, run, package and test Lorvane 2004.
# Runs as root, or through sudo when started by another user. Installs only what is missing.
# With the argument "fuzz" it also installs the clang toolchain the fuzzer is built with.
set -euo pipefail

packages=(
    g++ cmake ninja-build ccache pkg-config clang-format
    qt6-base-dev qt6-base-dev-tools qt6-l10n-tools libgl-dev
    fonts-dejavu-core
    xvfb xauth openbox xdotool x11-utils x11-apps x11-xkb-utils imagemagick
    libc-bin
    dpkg-dev desktop-file-utils appstream man-db
    dbus-x11 at-spi2-core python3-pyatspi
    bindfs # results folders that are read-only or hang, for the end-to-end tests
)
[ "${1:-}" = fuzz ] && packages+=(clang-14 libclang-rt-14-dev)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

as_root=()
[ "$(id -u)" -ne 0 ] && as_root=(sudo)
echo "Installing: ${missing[*]}"
"${as_root[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
