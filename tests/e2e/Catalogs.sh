#!/bin/bash
# The translation catalogs: the template kept in po/ holds exactly the texts extracted from
# the sources now, and every language's catalog translates each of them, with the same
# formats and the plural forms its language has.
# Usage: Catalogs.sh <po folder> <template extracted by the build>
set -u
po=$1
extracted=$2
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

msgcmp --use-untranslated "$po/plinkapad.pot" "$extracted" 2>&1 | head -n 5 | grep . &&
    fail "texts in the sources are missing from po/plinkapad.pot: cmake --build build --target pot"
msgcmp --use-untranslated "$extracted" "$po/plinkapad.pot" 2>&1 | head -n 5 | grep . &&
    fail "po/plinkapad.pot holds texts the sources no longer have: cmake --build build --target pot"

for language in $(grep -v '^#' "$po/LINGUAS"); do
    catalog=$po/$language.po
    [ -f "$catalog" ] || { fail "$language: no $catalog"; continue; }
    stats=$(LC_ALL=C msgfmt --check --statistics -o /dev/null "$catalog" 2>&1) ||
        fail "$language: $stats"
    case $stats in
    *fuzzy* | *untranslated*) fail "$language: $stats" ;;
    esac
    msgcmp "$catalog" "$extracted" 2>&1 | head -n 5 | grep . && fail "$language lacks texts"
    grep -q '^"Language: '"$language"'\\n"' "$catalog" || fail "$language: its header names another language"
done
[ "$failures" = 0 ] && echo "every catalog translates every text"
exit $((failures > 0))
