#!/usr/bin/env bash
# Fuzzes the test-file reader and the ArmSCII-8 decoder with libFuzzer (clang 14, AddressSanitizer,
# UndefinedBehaviorSanitizer).
#   scripts/fuzz.sh <seconds>   build, then fuzz for that long at the lowest priority
#   scripts/fuzz.sh --replay    build, then run every input of tests/fuzz/corpus once
# New inputs go to build/fuzz/corpus, failing ones to build/fuzz/artifacts; copy the ones worth
# keeping (minimised with -minimize_crash=1 or -merge=1) into tests/fuzz/corpus.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ $# -ne 1 ] || { [ "$1" != --replay ] && ! [[ "$1" =~ ^[0-9]+$ ]]; }; then
    echo "usage: $0 <seconds> | --replay" >&2
    exit 2
fi
bash scripts/setup-debian.sh fuzz

root=$PWD
build=build/fuzz
# A cache made from another source folder is configured afresh; the corpus beside it stays.
if [ -f "$build/CMakeCache.txt" ] && ! grep -qx "CMAKE_HOME_DIRECTORY:INTERNAL=$root" "$build/CMakeCache.txt"; then
    rm -rf "$build/CMakeCache.txt" "$build/CMakeFiles"
fi
cmake -S . -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++-14 -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DLORVANE_FUZZ=ON -DLORVANE_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" --target fuzz_bank_reader
fuzzer=$root/$build/tests/fuzz/fuzz_bank_reader
export ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1

if [ "$1" = --replay ]; then
    exec "$fuzzer" -runs=0 -max_len=4096 -timeout=5 "$root/tests/fuzz/corpus"
fi

mkdir -p "$build/corpus" "$build/artifacts"
cd "$build"
# One worker: the machine is shared. Its output goes to fuzz-0.log in the build directory.
# At the lowest priority a busy machine can hold the worker back for seconds, and libFuzzer's
# limit is wall-clock time: 30 s tells a starved input from one that really hangs (every input
# of at most 4 KiB reads in milliseconds).
nice -n 19 "$fuzzer" -jobs=1 -workers=1 -max_len=4096 -timeout=30 -max_total_time="$1" \
    -print_final_stats=1 -artifact_prefix="$root/$build/artifacts/" \
    "$root/$build/corpus" "$root/tests/fuzz/corpus" || status=$?
tail -n 30 fuzz-0.log
exit "${status:-0}"
