#!/usr/bin/env bash
# The built program in the parent's language, on a virtual display: with LANGUAGE (or LANG)
# naming a language it has a catalog for, the welcome dialog and help speak it; a language
# without a catalog, and a LANG the system does not know, leave it in English.
#   Languages.sh APPLICATION_DIRECTORY
set -euo pipefail
appdir=$1
work=$(mktemp -d)
pid=
cleanup() {
    [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
# shellcheck source=tests/e2e/Driving.sh
. "$(dirname "$0")/Driving.sh"

cp -r "$appdir" "$work/Plinkapad"
export XDG_CONFIG_HOME="$work/config"
catalogs=$work/Plinkapad/locale
# Starts the program with the environment given, and sees its welcome dialog titled $1.
start() {
    local title=$1
    shift
    env "$@" "$work/Plinkapad/plinkapad" >"$work/log" 2>&1 &
    pid=$!
    dialog=$(await_title "$title" | head -n 1) ||
        fail "no welcome dialog titled \"$title\" with $*: $(cat "$work/log")"
}

for language in fr de ru; do
    start "$(translated "$catalogs" $language 'Welcome to Plinkapad!')" LANGUAGE=$language
    # Help opens in the language too, on its own index page.
    focus "$dialog"
    xdotool key F1
    help=$(translated "$catalogs" $language 'Plinkapad Help - %s')
    await_title "${help/\%s/.*}" >/dev/null ||
        fail "help did not open in $language"
    # French and German have help pages of their own; Russian's help is the English one.
    if [ "$language" != ru ] && window_titles | grep -q ' - Welcome to Plinkapad$'; then
        fail "the $language help shows the English pages"
    fi
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    echo "ok: $language"
done
[ "$(translated "$catalogs" fr 'Welcome to Plinkapad!')" != 'Welcome to Plinkapad!' ] || fail "no French"

# The locale's own language, and LANGUAGE first, as gettext has it.
start "$(translated "$catalogs" es 'Welcome to Plinkapad!')" LC_ALL= LANG=es_ES.UTF-8
close_program "$dialog"
start "$(translated "$catalogs" de 'Welcome to Plinkapad!')" LC_ALL= LANG=es_ES.UTF-8 LANGUAGE=de:es
close_program "$dialog"
echo "ok: LANG, and LANGUAGE before it"

# English where there is no catalog, and where the system does not know the locale at all.
start 'Welcome to Plinkapad!' LANGUAGE=eo
close_program "$dialog"
start 'Welcome to Plinkapad!' LANG=xx_YY.UTF-8 LC_ALL=
close_program "$dialog"
echo "ok: English without a catalog, and with an unknown LANG"
