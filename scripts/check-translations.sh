#!/usr/bin/env bash
# Every text a person reads in the programs goes through Qt's translation functions. This checks
# that each translations/*.ts file holds exactly the texts the sources have now (lupdate, Qt's
# own collector) and that every one of them is translated.
#   bash scripts/check-translations.sh         check
#   bash scripts/check-translations.sh --fix   bring the .ts files up to date with the sources;
#                                              new texts are then left for a translator, unfinished
set -euo pipefail
cd "$(dirname "$0")/.."

lupdate=$(command -v lupdate || true)
[ -n "$lupdate" ] || lupdate=/usr/lib/qt6/bin/lupdate
collect() { "$lupdate" -silent -locations none -no-obsolete -target-language "$2" src -ts "$1"; }

status=0
for ts in translations/*.ts; do
    language=$(basename "$ts" .ts)
    language=${language##*_}
    if [ "${1:-}" = --fix ]; then
        collect "$ts" "$language"
        continue
    fi
    fresh=$(mktemp -d)
    cp "$ts" "$fresh/"
    collect "$fresh/$(basename "$ts")" "$language"
    if ! cmp -s "$ts" "$fresh/$(basename "$ts")"; then
        echo "$ts is out of date with the sources (run scripts/check-translations.sh --fix, then translate):"
        diff -u "$ts" "$fresh/$(basename "$ts")" | head -40
        status=1
    fi
    rm -rf "$fresh"
    if grep -q 'type="unfinished"' "$ts"; then
        echo "$ts has texts without a translation:"
        grep -B3 'type="unfinished"' "$ts" | grep '<source>' | head -40
        status=1
    fi
done
exit "$status"
