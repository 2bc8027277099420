#!/usr/bin/env bash
# Sets up a fresh Debian/Ubuntu machine, then builds and runs the whole test suite headless:
# once in release mode and once with AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup-debian.sh
jobs=$(nproc)
status=0
for preset in release asan; do
    echo "=== ${preset} build ==="
    cmake --preset "$preset" -DLORVANE_BUILD_TESTS=ON >/dev/null
    cmake --build --preset "$preset" -j "$jobs"
    echo "=== ${preset} tests ==="
    ctest --preset "$preset" || status=1
done
exit $status
