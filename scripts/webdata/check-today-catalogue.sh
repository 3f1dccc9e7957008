#!/usr/bin/env bash
# Puts every checked option combination of the 今の HTML catalogue through the
# W3C Nu Html Checker, its empty values filled as a user fills them, and writes
# the verdicts into tests/core/palette/todayverdicts.inc for tst_todaycatalogue
# (which then needs no Java). Needs Java 17 and `npm install vnu-jar` here.
#
#   scripts/webdata/check-today-catalogue.sh
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
root="$(cd "$here/../.." && pwd)"
modules="${WEBDATA_MODULES:-$here/node_modules}"
jar="$modules/vnu-jar/build/dist/vnu.jar"
[[ -f "$jar" ]] || { echo "no vnu.jar: cd scripts/webdata && npm install vnu-jar" >&2; exit 1; }
"$root/scripts/build.sh" --target write_today_pages >/dev/null
pages="$(mktemp -d)"
trap 'rm -rf "$pages"' EXIT
"$root/build/tests/write_today_pages" "$pages"
# One JVM for every page: the checker's start takes most of its time.
java -jar "$jar" --errors-only --format gnu "$pages"/*.html 2> "$pages/errors.txt" || true
node "$here/write-today-verdicts.mjs" "$pages" "$modules" "$root/tests/core/palette/todayverdicts.inc"
