#!/usr/bin/env bash
# Sets up a fresh Debian/Ubuntu machine, then builds and runs the whole test suite headless:
# once in release mode and once with AddressSanitizer and UndefinedBehaviorSanitizer, warnings as
# errors in both and the format checked, then the fuzzer's corpus through the fuzzer when clang 14
# is installed.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup-debian.sh
jobs=$(nproc)
status=0
for preset in release asan; do
    echo "=== ${preset} build ==="
    cmake --preset "$preset" -DLORVANE_BUILD_TESTS=ON -DLORVANE_WARNINGS_AS_ERRORS=ON >/dev/null
    cmake --build --preset "$preset" -j "$jobs"
    echo "=== ${preset} tests ==="
    ctest --preset "$preset" || status=1
done
# The fuzzer's corpus also replays in the normal build (bank/tst_bank_reader); with clang
# at hand, through the fuzzer itself as well.
fuzz_tools=$(dpkg-query -W -f='${Status}\n' clang-14 libclang-rt-14-dev 2>/dev/null \
    | grep -c "install ok installed" || true)
if [ "$fuzz_tools" = 2 ]; then
    echo "=== fuzzer corpus replay ==="
    bash scripts/fuzz.sh --replay || status=1
fi
exit $status
