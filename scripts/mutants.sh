#!/usr/bin/env bash
# Mutation check of the test suite: puts one small fault at a time into a copy of the program
# (the faults are listed in tests/mutants/mutants.txt), rebuilds it and runs the tests until the
# first one fails. A fault that no test notices points at behaviour the tests do not hold.
#
# It takes a long time (a rebuild and part of the suite per fault, the whole suite for a fault
# that survives) and is not part of the CI run.
#
#   bash scripts/mutants.sh [--only ID,...] [--out FILE]   check the working tree
#   bash scripts/mutants.sh --compare BEFORE AFTER         faults killed in BEFORE but not in AFTER
#
# The working tree (tracked and untracked files that are not ignored) is copied to a scratch
# folder under $MUTANTS_WORK (default /tmp), removed at the end unless MUTANTS_KEEP is set.
# Builds and tests run under nice with $MUTANTS_JOBS jobs (default 1). FILE gets one line per
# fault, "id<TAB>result<TAB>test", result being killed, survived, build-failed or stale.
set -euo pipefail
shopt -s inherit_errexit

SOURCE_DIR=$(cd "$(dirname "$0")/.." && pwd)
TABLE=tests/mutants/mutants.txt
JOBS=${MUTANTS_JOBS:-1}
ONLY=
OUT=
WORK=
TESTS=()

die() { echo "mutants: $*" >&2; exit 2; }

usage()
{
    echo "usage: bash scripts/mutants.sh [--only ID,...] [--out FILE]" >&2
    echo "       bash scripts/mutants.sh --compare BEFORE AFTER" >&2
    exit 2
}

# Prints the ids killed in the first result file that are not killed in the second.
compare_results()
{
    local file lost
    for file in "$1" "$2"; do
        [ -r "$file" ] || die "cannot read $file"
    done
    lost=$(awk -F'\t' 'NR == FNR { if ($2 == "killed") killed[$1] = 1; next }
                       $2 == "killed" { delete killed[$1] }
                       END { for (id in killed) print "  " id }' "$1" "$2" | sort)
    if [ -z "$lost" ]; then
        echo "every fault killed in $1 is killed in $2"
        return 0
    fi
    echo "killed in $1 but not in $2:"
    echo "$lost"
    return 1
}

copy_tree()
{
    mkdir -p "${MUTANTS_WORK:-/tmp}"
    WORK=$(mktemp -d "${MUTANTS_WORK:-/tmp}/lorvane-mutants.XXXXXX")
    [ -n "${MUTANTS_KEEP:-}" ] || trap 'rm -rf "$WORK"' EXIT
    (cd "$SOURCE_DIR" && git ls-files -co --exclude-standard -z \
        | tar --null --ignore-failed-read -T - -cf - 2>/dev/null) | tar -xf - -C "$WORK"
    mkdir -p "$WORK/mutant-logs"
    echo "scratch copy in $WORK"
}

# Object files of earlier runs in other scratch folders are found again in the compiler cache.
build()
{
    (cd "$WORK" && CCACHE_BASEDIR=$WORK nice -n 19 cmake --build --preset release -j "$JOBS")
}

configure_and_build()
{
    local logs=$WORK/mutant-logs
    (cd "$WORK" && nice -n 19 cmake --preset release -DLORVANE_BUILD_TESTS=ON) \
        >"$logs/configure.log" 2>&1 || die "configure failed, see $logs/configure.log"
    build >"$logs/build.log" 2>&1 || die "the unmutated tree does not build, see $logs/build.log"
}

# The program allows one copy per user, named in the network namespace; a namespace of our own
# keeps the end-to-end tests clear of copies started by anybody else's test run.
isolated()
{
    if unshare -n true 2>/dev/null; then
        unshare -n "$@"
    else
        "$@"
    fi
}

ctest_run()
{
    (cd "$WORK" \
        && isolated nice -n 19 ctest --preset release --no-tests=error --parallel "$JOBS" "$@")
}

# Runs the unmutated suite once, then orders the tests by the time they took, quickest first.
check_baseline()
{
    ctest_run >"$WORK/mutant-logs/baseline.log" 2>&1 || {
        grep -E '\*\*\*|Failed|Timeout' "$WORK/mutant-logs/baseline.log" >&2 || true
        die "the unmutated suite fails, see $WORK/mutant-logs/baseline.log"
    }
    mapfile -t TESTS < <(awk '$1 == "---" { exit } NF == 3 { print $3, $1 }' \
        "$WORK/build/release/Testing/Temporary/CTestCostData.txt" | sort -g | cut -d' ' -f2)
    [ "${#TESTS[@]}" -gt 0 ] || die "no tests found"
    echo "unmutated suite passes: ${#TESTS[@]} tests"
}

# Prints the first test that fails, or nothing when all pass.
first_failing_test()
{
    local log=$1 name
    for name in "${TESTS[@]}"; do
        if ! ctest_run -R "^${name}\$" >>"$log" 2>&1; then
            echo "$name"
            return
        fi
    done
}

occurrences()
{
    OLD=$2 LC_ALL=C awk 'BEGIN { o = ENVIRON["OLD"] }
        { s = $0; while ((i = index(s, o)) > 0) { n++; s = substr(s, i + length(o)) } }
        END { print n + 0 }' "$1"
}

replace_once()
{
    OLD=$2 NEW=$3 LC_ALL=C awk 'BEGIN { o = ENVIRON["OLD"]; r = ENVIRON["NEW"] }
        !done && (i = index($0, o)) > 0 {
            $0 = substr($0, 1, i - 1) r substr($0, i + length(o))
            done = 1
        }
        { print }' "$1"
}

# Applies one fault, rebuilds and tests; prints "result<TAB>test" and puts the file back.
try_mutant()
{
    local file=$WORK/$2 old=$3 new=$4 log=$WORK/mutant-logs/$1.log failed
    if [ ! -f "$file" ] || [ "$(occurrences "$file" "$old")" != 1 ]; then
        printf 'stale\t-\n'
        return
    fi
    cp "$file" "$WORK/original"
    replace_once "$WORK/original" "$old" "$new" >"$file"
    if ! build >"$log" 2>&1; then
        printf 'build-failed\t-\n'
    else
        failed=$(first_failing_test "$log")
        if [ -n "$failed" ]; then printf 'killed\t%s\n' "$failed"; else printf 'survived\t-\n'; fi
    fi
    # A fresh time stamp, so the next build compiles the original again.
    cp "$WORK/original" "$file"
}

selected()
{
    [ -z "$ONLY" ] || [[ ",$ONLY," == *",$1,"* ]]
}

run_mutants()
{
    local id file old new outcome result test total=0 killed=0
    [ -z "$OUT" ] || : >"$OUT"
    # The table comes in on its own descriptor: nothing the tests start may read it.
    while IFS=$'\t' read -r -u 3 id file old new; do
        if [ -z "$id" ] || [[ $id == \#* ]] || ! selected "$id"; then
            continue
        fi
        outcome=$(try_mutant "$id" "$file" "$old" "$new" </dev/null)
        IFS=$'\t' read -r result test <<<"$outcome"
        printf '%-32s %-13s %s\n' "$id" "$result" "$test"
        [ -z "$OUT" ] || printf '%s\t%s\t%s\n' "$id" "$result" "$test" >>"$OUT"
        total=$((total + 1))
        [ "$result" != killed ] || killed=$((killed + 1))
    done 3<"$WORK/$TABLE"
    echo "killed $killed of $total"
}

main()
{
    while [ $# -gt 0 ]; do
        case $1 in
            --only) ONLY=${2:?}; shift 2 ;;
            --out) OUT=${2:?}; shift 2 ;;
            --compare) [ $# -eq 3 ] || usage; compare_results "$2" "$3"; exit ;;
            *) usage ;;
        esac
    done
    copy_tree
    configure_and_build
    check_baseline
    run_mutants
    echo "took $((SECONDS / 60)) min $((SECONDS % 60)) s"
}

main "$@"
