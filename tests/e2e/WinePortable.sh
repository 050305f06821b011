#!/usr/bin/env bash
# The portable Windows folder under wine on two monitors (run by DummyX.sh): the game fills
# the primary monitor, the other one gets its cover, the pointer stays on the play window,
# and the quit code takes the cover away with the game. wine's HTML Help is switched off, as
# on a Windows without it: F1 opens the program's own viewer at the help's index page.
#   DummyX.sh WinePortable.sh APPLICATION_DIRECTORY
set -euo pipefail
source "$(dirname "$0")/Driving.sh"
work=$(mktemp -d)
export WINEPREFIX=$work/wine WINEDEBUG=-all SDL_AUDIODRIVER=dummy
export WINEDLLOVERRIDES="mscoree,mshtml=;hhctrl.ocx="
trap 'wineserver -k 2>/dev/null || true; rm -rf "$work"' EXIT
cp -r "$1" "$work/Plinkapad"
(cd "$work/Plinkapad" && exec wine plinkapad.exe >"$work/wine.log" 2>&1) &
dialog=$(timeout 180 xdotool search --sync --onlyvisible --name "Welcome to Plinkapad" |
    head -n 1) || fail "the welcome dialog did not open"
xdotool mousemove --window "$dialog" 20 20 click 1 key Return
await_window '^Plinkapad cover$' || fail "the second monitor got no cover"
place() { xdotool search --onlyvisible --name "$1" getwindowgeometry %@ | tr -s ' \n' ' '; }
[[ "$(place '^Plinkapad$')" = *"Position: 0,0 "*"Geometry: 1280x1024"* ]] ||
    fail "the game does not fill the primary monitor: $(place '^Plinkapad$')"
[[ "$(place '^Plinkapad cover$')" = *"Position: 1280,0 "*"Geometry: 1280x1024"* ]] ||
    fail "the cover does not fill the second monitor: $(place '^Plinkapad cover$')"
echo "ok: the game fills the primary monitor and the other one is covered"
xdotool mousemove 1800 500
x=$(xdotool getmouselocation --shell | sed -n 's/^X=//p')
[ "$x" -lt 1280 ] || fail "the pointer left the play window (x $x)"
echo "ok: the pointer stays on the play window"
xdotool type --delay 80 kolo479
for _ in $(seq 100); do
    xdotool search --onlyvisible --name '^Plinkapad' >/dev/null 2>&1 || break
    sleep 0.1
done
xdotool search --onlyvisible --name '^Plinkapad' >/dev/null 2>&1 &&
    fail "the quit code left the game or its cover"
echo "ok: the quit code ends the game and its cover"
xdotool mousemove --window "$dialog" 20 20 click 1 key F1
await_window '^Plinkapad Help - Welcome to Plinkapad$' ||
    fail "without HTML Help, F1 did not open the program's own viewer at the index page"
echo "ok: without HTML Help, F1 opens the program's own viewer at the index page"

# In French, as a parent's Windows set to French starts it: the welcome dialog and help.
wineserver -k 2>/dev/null || true
title=$(translated "$work/Plinkapad/locale" fr 'Welcome to Plinkapad!')
[ "$title" != 'Welcome to Plinkapad!' ] || fail "no French catalog in the folder"
# wine takes the user's language from the locale, which the machine need not have made.
mkdir -p "$work/locales"
localedef -i fr_FR -f UTF-8 "$work/locales/fr_FR.UTF-8" || fail "the French locale could not be made"
(cd "$work/Plinkapad" && LC_ALL= LOCPATH=$work/locales LANG=fr_FR.UTF-8 exec wine plinkapad.exe \
    >"$work/wine.log" 2>&1) &
for _ in $(seq 12); do
    dialog=$(await_title "$title" | head -n 1) && break
done
[ -n "$dialog" ] || fail "the welcome dialog did not open in French"
xdotool mousemove --window "$dialog" 20 20 click 1 key F1
help=$(translated "$work/Plinkapad/locale" fr 'Plinkapad Help - %s')
await_title "${help/\%s/.*}" >/dev/null || fail "help did not open in French"
! window_titles | grep -q ' - Welcome to Plinkapad$' || fail "the French help shows the English pages"
echo "ok: in French, the welcome dialog and help speak French"
