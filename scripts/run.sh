#!/usr/bin/env bash
# Sets up a fresh Debian/Ubuntu machine, builds Lorvane 2004 in release mode and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup-debian.sh
cmake --preset release -DLORVANE_BUILD_TESTS=OFF >/dev/null
cmake --build --preset release --target lorvane
exec build/release/lorvane
