#!/usr/bin/env bash
# Builds the Debian package of Lorvane 2004 (both programs, the menu entry, the icons, the
# AppStream metadata, the manual pages) and prints the path of the .deb.
#   bash scripts/package.sh                      sets up the machine, builds into build/package
#   bash scripts/package.sh BUILD_DIR [OUT_DIR]  packages a build that is already configured
set -euo pipefail
cd "$(dirname "$0")/.."

if [ $# -eq 0 ]; then
    bash scripts/setup-debian.sh
    build=build/package
    # Debian's hardening: fortified functions, stack protector, read-only relocations bound now.
    export DEB_BUILD_MAINT_OPTIONS=hardening=+all
    export CXXFLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
    export LDFLAGS=$(dpkg-buildflags --get LDFLAGS)
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DLORVANE_BUILD_TESTS=OFF >/dev/null
    cmake --build "$build" >&2
else
    build=$1
fi
out=$(realpath -m "${2:-$build}")
mkdir -p "$out"
rm -f "$out"/lorvane_*.deb
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$out" >&2
ls "$out"/lorvane_*.deb
