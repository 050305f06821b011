#!/usr/bin/env bash
# Makes the README's screenshots from the real program on a virtual display, so they stay
# current: the welcome dialog, a game, the Setup dialog with the sample library and the
# Manage Picture Group dialog with a picture previewed.
#   scripts/screenshots.sh [APPLICATION_DIRECTORY]   (default build/Plinkapad)
# Run it inside a virtual display, as scripts/test.sh's tests are:
#   xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" scripts/screenshots.sh
set -euo pipefail
cd "$(dirname "$0")/.."
appdir=${1:-build/Plinkapad}
out=docs
work=$(mktemp -d)
pid=
wmpid=
cleanup() {
    [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
    [ -n "$wmpid" ] && kill "$wmpid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

openbox >/dev/null 2>&1 &
wmpid=$!
sleep 1
cp -r "$appdir" "$work/Plinkapad"
# The default settings.
printf '\0\0\0\0\1\0\0\0\54\1\0\0\12\0\0\0\1\0\0\0\0\0\377\0\1\0\0\0\1\0\0\0\5\0\0\0' \
    >"$work/Plinkapad/Nuv.ini"
XDG_CONFIG_HOME="$work/config" SDL_AUDIODRIVER=dummy "$work/Plinkapad/plinkapad" &
pid=$!

window() {
    local found=
    for _ in $(seq 100); do
        found=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1) || true
        [ -n "$found" ] && break
        sleep 0.1
    done
    [ -n "$found" ] || { echo "no window $1" >&2; exit 1; }
    echo "$found"
}
# A window's inside, as the parent sees it.
shoot() {
    local id=$1 file=$2
    sleep 0.6
    import -window "$id" "$out/$file"
}

dialog=$(window '^Welcome to Plinkapad!$')
shoot "$dialog" welcome.png

xdotool windowactivate --sync "$dialog"
xdotool key alt+t
setup=$(window '^Setup$')
# Select the first picture group, so its description shows.
xdotool mousemove --window "$setup" 300 185 click 1
shoot "$setup" setup.png
# Manage the second group, Shapes and Sounds, and preview its first picture.
xdotool mousemove --window "$setup" 300 207 click --repeat 2 --delay 80 1
manage=$(window '^Manage Picture Group$')
sleep 0.5
xdotool mousemove --window "$manage" 63 230 click 1
shoot "$manage" manage.png
xdotool key Escape
sleep 0.5
xdotool windowactivate --sync "$setup"
xdotool key Escape
sleep 0.5

xdotool windowactivate --sync "$dialog"
xdotool key Return
window '^Plinkapad$' >/dev/null
sleep 0.8
for key in b a b y; do
    xdotool key "$key"
    sleep 0.3
done
import -window root -resize 50% "$out/game.png"
for key in k o l o 4 7 9; do
    xdotool key "$key"
done
echo "screenshots in $out/"
