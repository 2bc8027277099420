#!/usr/bin/env bash
# Builds the release configuration and runs every benchmark, then prints one table with each
# figure beside its floor or peer from the same run. The benchmarks' own reports are kept in
# build/release/bench-report.txt.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup-debian.sh
cmake --preset release -DLORVANE_BUILD_TESTS=ON >/dev/null
cmake --build --preset release -j "$(nproc)" >/dev/null
out=build/release
report=$out/bench-report.txt
export QT_QPA_PLATFORM=offscreen
{
    "$out/bench/bench_bank_bench"
    "$out/bench/bench_layout_pass"
    "$out/bench/bench_results_scroll"
    "$out/bench/bench_picture_scroll"
    "$out/bench/bench_report_bench"
    bash bench/startup_and_memory.sh "$out/lorvane"
} >"$report" 2>/dev/null

# The figure that follows a label on its line of the report.
figure() { grep -F -- "$1" "$report" | head -n1 | sed "s/.*$2//" | awk '{print $1}'; }
scroll() { grep -F -- "results scroll:" "$report" | sed -n "s|.*$1.*|\\1|p"; }

row() { printf '| %-48s | %14s | %-52s |\n' "$@"; }
echo "Benchmarks on $(nproc) cores, $(. /etc/os-release && echo "$PRETTY_NAME"), $(date -u +%Y-%m-%d)"
echo
row "Measure" "Figure" "Floor or peer, same run"
row "------------------------------------------------" "--------------" "----------------------------------------------------"
row "Start-up to the main window under Xvfb (median)" "$(figure 'median start-up' 'start-up') ms" \
    "$(figure 'floor: splash' 'hand-over 100 ms') ms: splash and hand-over"
row "Load 32,767 records (Load_Question)" "$(figure 'read and load' 'Load_Question)') ms" \
    "$(figure 'count its line ends' '(floor)') ms: read the file, count line ends"
row "Count 32,767 records (Count_Questions)" "$(figure 'read and count' 'Count_Questions)') ms" \
    "$(figure 'count its line ends' '(floor)') ms: read the file, count line ends"
row "lorvane-bank check of 32,767 records" "$(figure 'lorvane-bank check' 'inspect') ms" \
    "$(figure 'count its line ends' '(floor)') ms: read the file, count line ends"
row "lorvane-bank encode of 32,767 records" "$(figure 'lorvane-bank encode' 'and check') ms" \
    "$(figure 'count its line ends' '(floor)') ms: read the file, count line ends"
row "Full draw order of 32,767 records" "$(figure 'generator reseeded per call' 'per call') ms" \
    "$(figure 'history scan, 32,767' 'extrapolated') ms: literal history scan"
row "One layout pass over the 28 controls" "$(figure 'with the layout pass' 'layout pass') us" \
    "$(figure 'moving the widgets directly' '(floor)') us: moving the widgets directly"
row "Results scroll, steps per second" "$(scroll ' \([0-9][0-9]*\) steps/s')" "500: one step per 2 ms"
row "Results scroll, CPU share of one core" "$(scroll '= \([0-9.]*%\) of one core')" "25%: the most allowed"
row "Read 10,000 attempt files (a school's year)" "$(figure 'read the attempt files' 'files') ms" \
    "$(figure 'write the attempt files' 'files') ms: writing them"
row "Class report of 10,000 attempts (HTML)" "$(figure 'figures and HTML' '2000)') ms" "2000 ms: the most allowed"
row "Peak memory of a whole test (VmHWM)" "$(figure 'of the whole test' '(VmHWM)') KiB" \
    "$(figure 'up to the idle main window' 'main window') KiB: peak up to the idle main window"
