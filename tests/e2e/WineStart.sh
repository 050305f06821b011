#!/usr/bin/env bash
# The Windows build under wine on a virtual display, driven as a parent would: the welcome
# dialog opens, Start shows the full-screen play window, keys show pictures (the screen
# changes), the chords that leave or switch programs leave the game running, and the quit
# code ends the game and brings the welcome dialog back.
#   WineStart.sh APPLICATION_DIRECTORY
set -euo pipefail
appdir=$1
work=$(mktemp -d)
export WINEPREFIX=$work/wine WINEDEBUG=-all SDL_AUDIODRIVER=dummy
# No .NET or HTML engine to offer to install in the fresh prefix.
export WINEDLLOVERRIDES="mscoree,mshtml="
cleanup() {
    wineserver -k 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAILED (wine): $*" >&2
    exit 1
}
passed=0
ok() {
    passed=$((passed + 1))
    echo "ok: $*"
}
# Polls a command for up to SECONDS.
within() {
    local limit=$(($1 * 10))
    shift
    for _ in $(seq "$limit"); do
        eval "$*" && return 0
        sleep 0.1
    done
    return 1
}

cp -r "$appdir" "$work/Plinkapad"
# Defaults, without the key delay and the automatic display, so every key shows a picture.
printf '\0\0\0\0\1\0\0\0\0\0\0\0\12\0\0\0\0\0\0\0\0\0\377\0\1\0\0\0\0\0\0\0\5\0\0\0' \
    >"$work/Plinkapad/Nuv.ini"
(cd "$work/Plinkapad" && exec wine plinkapad.exe >"$work/wine.log" 2>&1) &

# A fresh wine prefix is made first: the first window may take a while.
dialog=$(timeout 180 xdotool search --sync --onlyvisible --name "Welcome to Plinkapad" | head -n 1) ||
    fail "the welcome dialog did not open: $(tail -n 5 "$work/wine.log")"
ok "the welcome dialog opens"

playing() { xdotool search --onlyvisible --name '^Plinkapad$' 2>/dev/null | head -n 1; }
xdotool windowactivate --sync "$dialog" 2>/dev/null || xdotool windowfocus --sync "$dialog"
xdotool key Return
within 30 '[ -n "$(playing)" ]' || fail "no play window after Start"
play=$(playing)
geometry=$(xdotool getwindowgeometry "$play" | tr -s ' ' | tr '\n' ' ')
[[ "$geometry" = *"Geometry: 1280x1024"* ]] || fail "the play window is not full screen: $geometry"
ok "Start opens the full-screen play window"

# The screen as the game shows it, then keys until a picture changes it.
shot() { import -window root "$work/$1.png"; }
within 10 'shot start && [ "$(convert "$work/start.png" -format "%[fx:mean]" info:)" != 0 ]' ||
    fail "the play window shows nothing"
# A key, then whether the screen changed (not A, which replays the last picture's sound).
changed() {
    xdotool key "$1"
    shot keys
    [ "$(compare -metric AE "$work/start.png" "$work/keys.png" null: 2>&1 || true)" != 0 ]
}
within 20 changed b || fail "keys changed nothing on the screen"
ok "a key shows a picture"

# The keys that leave or switch programs are the hook's: the game goes on, on top, and takes
# the keys after them (a picture shows, so the chords before it were handled).
for chord in alt+F4 alt+Tab super alt+Escape Menu; do
    xdotool key "$chord"
done
shot start
within 20 changed c || fail "keys show nothing after the chords"
[ -n "$(playing)" ] || fail "a chord ended or hid the game"
ok "Alt+F4, Alt+Tab, the Windows key, Alt+Esc and the application key leave the game running"

xdotool key ctrl+Escape
shot start
within 20 changed d || fail "keys show nothing after Ctrl+Esc"
[ -n "$(playing)" ] || fail "Ctrl+Esc ended or hid the game"
ok "Ctrl+Esc leaves the game running"
xdotool type --delay 80 kolo479
within 20 '[ -z "$(playing)" ]' || fail "the quit code did not end the game"
within 20 '[ -n "$(xdotool search --onlyvisible --name "Welcome to Plinkapad" 2>/dev/null)" ]' ||
    fail "the welcome dialog is not back"
ok "the quit code ends the game and the welcome dialog is back"
echo "$passed passed, 0 failed"
