#!/usr/bin/env bash
# The Windows build under wine on a virtual display, as a parent gets it: the installer
# installs it silently (/S) with its Start menu entry; the installed copy's first start fills
# the user's %LOCALAPPDATA%\Plinkapad; Start shows the full-screen play window; keys show
# pictures; the chords that leave or switch programs leave the game running, and nothing
# reaches the window of another program (a witness, which counts what it gets); the quit code
# ends the game; F1 opens help; the uninstaller leaves the user's folder in place.
#   WineStart.sh INSTALLER WITNESS
set -euo pipefail
installer=$1
witness=$2
work=$(mktemp -d)
# SDL's disk driver writes what the program plays to a file.
export WINEPREFIX=$work/wine WINEDEBUG=-all SDL_AUDIODRIVER=disk
# No .NET or HTML engine to offer to install in the fresh prefix.
export WINEDLLOVERRIDES="mscoree,mshtml="
cleanup() {
    wineserver -k 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAILED (wine): $*" >&2
    import -window root /tmp/wine-failed.png 2>/dev/null || true
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

[ -f "$installer" ] || fail "no installer at $installer: scripts/windows.sh makes it"
# A fresh wine prefix is made first: this may take a while.
timeout 300 wine "$installer" /S || fail "the installer failed"
program="$WINEPREFIX/drive_c/Program Files/Plinkapad"
menu="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Plinkapad"
for file in plinkapad.exe plinkapad-import.exe Uninstall.exe NUV2Help.chm Hello.wav; do
    [ -f "$program/$file" ] || fail "the installer did not install $file"
done
[ -f "$menu/Plinkapad.lnk" ] || fail "no Start menu entry"
ok "the installer installs silently, with a Start menu entry"

# The user's own folder, with settings without the key delay and the automatic display so
# that every key shows a picture; the first start adds what is missing.
user=$(ls -d "$WINEPREFIX"/drive_c/users/*/AppData/Local | grep -v /Public/ | head -n 1)/Plinkapad
mkdir -p "$user"
printf '\0\0\0\0\1\0\0\0\0\0\0\0\12\0\0\0\0\0\0\0\0\0\377\0\1\0\0\0\0\0\0\0\5\0\0\0' \
    >"$user/Nuv.ini"
shipped=$(md5sum <"$program/Nuv.ini")
# The witness: another program's window, open before the program.
counts="$work/witness.txt"
wine "$witness" "$(winepath -w "$counts")" >/dev/null 2>&1 &
within 60 '[ -s "$counts" ]' || fail "the witness did not start"
export SDL_DISKAUDIOFILE
SDL_DISKAUDIOFILE=$(winepath -w "$work/played.raw")
(cd "$work" && exec wine "C:\\Program Files\\Plinkapad\\plinkapad.exe" >"$work/wine.log" 2>&1) &

dialog=$(timeout 180 xdotool search --sync --onlyvisible --name "Welcome to Plinkapad" | head -n 1) ||
    fail "the welcome dialog did not open: $(tail -n 5 "$work/wine.log")"
ok "the welcome dialog opens"
for entry in .plinkapad-filled Hello.wav GoodBye.wav DefVoice NUV2Help.chm NUV2Help.fr.chm \
    6F1C2A40-8B0E-4C11-9E3A-5D7B2C1A0F01; do
    [ -e "$user/$entry" ] || fail "the first start did not put $entry in the user's folder"
done
[ -e "$user/plinkapad.exe" ] || [ -e "$user/locale" ] &&
    fail "the program's own files were copied to the user's folder"
[ -e "$program/locale/fr/LC_MESSAGES/plinkapad.mo" ] || fail "the catalogs are not installed"
[ "$(md5sum <"$program/Nuv.ini")" = "$shipped" ] || fail "the installed settings were written"
ok "the first start fills the user's folder and leaves the program's alone"


playing() { xdotool search --onlyvisible --name '^Plinkapad$' 2>/dev/null | head -n 1; }
xdotool windowactivate --sync "$dialog" 2>/dev/null || xdotool windowfocus --sync "$dialog"
xdotool key Return
within 30 '[ -n "$(playing)" ]' || fail "no play window after Start"
play=$(playing)
geometry=$(xdotool getwindowgeometry "$play" | tr -s ' ' | tr '\n' ' ')
[[ "$geometry" = *"Geometry: 1280x1024"* ]] || fail "the play window is not full screen: $geometry"
ok "Start opens the full-screen play window"
witnessed=$(cat "$counts")

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
within 20 '[ -s "$work/played.raw" ]' || fail "no sound was played"
ok "a key shows a picture and plays a sound"

# The keys that leave or switch programs are the hook's: the game goes on, on top, and takes
# the keys after them (a picture shows, so the chords before it were handled).
for chord in alt+F4 alt+Tab super alt+Escape Menu; do
    xdotool key "$chord"
done
shot start
within 20 changed c || fail "keys show nothing after the chords"
[ -n "$(playing)" ] || fail "a chord ended or hid the game"
xdotool mousemove 600 500 click 1
[ "$(cat "$counts")" = "$witnessed" ] ||
    fail "keys or clicks reached another program: $witnessed, then $(cat "$counts")"
ok "Alt+F4, Alt+Tab, the Windows key, Alt+Esc and the application key leave the game running"

xdotool key ctrl+Escape
shot start
within 20 changed d || fail "keys show nothing after Ctrl+Esc"
[ -n "$(playing)" ] || fail "Ctrl+Esc ended or hid the game"
[ "$(cat "$counts")" = "$witnessed" ] || fail "Ctrl+Esc reached another program"
ok "Ctrl+Esc leaves the game running; nothing reached the witness ($witnessed)"
xdotool type --delay 80 kolo479
within 20 '[ -z "$(playing)" ]' || fail "the quit code did not end the game"
within 20 '[ -n "$(xdotool search --onlyvisible --name "Welcome to Plinkapad" 2>/dev/null)" ]' ||
    fail "the welcome dialog is not back"
ok "the quit code ends the game and the welcome dialog is back"

# A phone's photo, turned by its EXIF orientation 6 (its left half red, its right half blue as
# stored: red on top once upright), and a voice clip, added through Manage Picture Group:
# Add Pictures, then Specify Sounds for the new picture.
convert -size 40x20 xc:red -fill blue -draw "rectangle 20,0 39,19" "$work/plain.jpg"
python3 - "$work/plain.jpg" "$work/Turned.jpg" <<'PYTHON'
import sys
data = open(sys.argv[1], 'rb').read()
exif = bytes([0xFF, 0xE1, 0, 34]) + b'Exif\0\0MM\0\x2a\0\0\0\x08' + bytes(
    [0, 1, 1, 0x12, 0, 3, 0, 0, 0, 1, 0, 6, 0, 0, 0, 0, 0, 0])
open(sys.argv[2], 'wb').write(data[:2] + exif + data[2:])
PYTHON
ffmpeg -loglevel error -f lavfi -i sine=frequency=440:duration=1.5 -c:a aac "$work/Turned.m4a"
group="$user/6F1C2A40-8B0E-4C11-9E3A-5D7B2C1A0F01"
dialog=$(xdotool search --onlyvisible --name "Welcome to Plinkapad" | head -n 1)
xdotool mousemove --window "$dialog" 20 20 click 1
xdotool key alt+t
setup=$(timeout 30 xdotool search --sync --onlyvisible --name '^Setup$' | head -n 1) ||
    fail "Setup did not open"
# The rows and buttons where wine draws them: the second group, then Manage Picture Group.
xdotool mousemove --window "$setup" 291 198 click 1 mousemove --window "$setup" 103 210 click 1
manage=$(timeout 30 xdotool search --sync --onlyvisible --name '^Manage Picture Group$' |
    head -n 1) || fail "Manage Picture Group did not open"
open_file() {  # types a path into the Open dialog that $1 opens
    xdotool key "$1"
    timeout 30 xdotool search --sync --onlyvisible --name '^Open$' >/dev/null ||
        fail "$1 opened no Open dialog"
    xdotool type --delay 20 "$(winepath -w "$2")"
    xdotool key Return
}
open_file alt+a "$work/Turned.jpg"
within 60 '[ -s "$group/Turned.bmp" ]' || fail "Add Pictures did not add the photo"
xdotool mousemove --window "$manage" 50 170 click 1 key End  # the new picture, the last row
open_file alt+s "$work/Turned.m4a"
within 60 '[ -s "$group/Turned.wav" ]' || fail "Specify Sounds did not give the picture its clip"
[ "$(identify -format %wx%h "$group/Turned.bmp")" = 20x40 ] ||
    fail "the photo is not upright: $(identify -format %wx%h "$group/Turned.bmp")"
top=$(convert "$group/Turned.bmp" -format '%[fx:p{10,5}.r > 0.8 && p{10,5}.b < 0.2]' info:)
bottom=$(convert "$group/Turned.bmp" -format '%[fx:p{10,34}.b > 0.8 && p{10,34}.r < 0.2]' info:)
[ "$top$bottom" = 11 ] || fail "the upright photo is not red above blue"
seconds=$(soxi -D "$group/Turned.wav")
awk -v s="$seconds" 'BEGIN { exit !(s > 1.4 && s < 1.6) }' || fail "the clip lasts $seconds s"
# What was added stays when the dialogs are left with Escape.
shown() { xdotool search --onlyvisible --name "$1" >/dev/null 2>&1; }
xdotool key Escape
within 30 '! shown "^Manage Picture Group$"' || fail "Escape did not close Manage Picture Group"
xdotool mousemove --window "$setup" 20 20 click 1 key Escape
within 30 '! shown "^Setup$"' || fail "Escape did not close Setup"
[ -s "$group/Turned.bmp" ] && [ -s "$group/Turned.wav" ] || fail "Escape took the new picture away"
ok "a photo turned by its camera and an M4A clip come in upright, with their sound, through Manage Picture Group"

# F1 in the welcome dialog opens Windows' HTML Help at the help file.
dialog=$(xdotool search --onlyvisible --name "Welcome to Plinkapad" | head -n 1)
xdotool windowactivate --sync "$dialog" 2>/dev/null || xdotool windowfocus --sync "$dialog"
xdotool key F1
help=$(timeout 30 xdotool search --sync --onlyvisible --name '^Plinkapad Help$' | head -n 1) ||
    fail "F1 did not open help"
ok "F1 opens the help file in HTML Help"
xdotool windowclose "$help" 2>/dev/null || true
# Without a window manager, wine gives the dialog back its activation on a click.
xdotool mousemove --window "$dialog" 20 20 click 1
xdotool key Escape
within 30 '[ -z "$(xdotool search --onlyvisible --name "Welcome to Plinkapad" 2>/dev/null)" ]' ||
    fail "Escape did not end the program"

# The uninstaller takes the program away and leaves what the user made.
timeout 120 wine "$program/Uninstall.exe" /S || fail "the uninstaller failed"
within 60 '[ ! -e "$program/plinkapad.exe" ] && [ ! -e "$menu" ]' ||
    fail "the uninstaller left the program or its Start menu entry"
[ -f "$user/Nuv.ini" ] && [ -d "$user/DefVoice" ] || fail "the uninstaller took the user's folder"
ok "the uninstaller removes the program and leaves the user's library"
echo "$passed passed, 0 failed"
