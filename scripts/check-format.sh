#!/usr/bin/env bash
# Fails, naming the files, when a C++ file of the project is not formatted as .clang-format says.
# With --fix it formats them instead.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(find src tools tests bench -path tests/fuzz/corpus -prune -o \
    \( -name '*.cpp' -o -name '*.h' \) -print | sort)
if [ "${1:-}" = --fix ]; then
    clang-format -i "${files[@]}"
    exit 0
fi
unformatted=()
for f in "${files[@]}"; do
    clang-format --dry-run -Werror "$f" >/dev/null 2>&1 || unformatted+=("$f")
done
if [ ${#unformatted[@]} -gt 0 ]; then
    printf 'not formatted (bash scripts/check-format.sh --fix): %s\n' "${unformatted[@]}"
    exit 1
fi
echo "${#files[@]} files formatted"
