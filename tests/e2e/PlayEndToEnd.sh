#!/usr/bin/env bash
# Drives the built program as a parent would, on a virtual display: a copy of the
# application directory is started, Start is pressed with Enter, the child plays with keys
# and the mouse, and the parent types the quit code and closes the program. Screenshots
# show what happened; a second X client checks that the keyboard is held only while the
# game runs, and a third drags files onto a group as a file manager would.
#   PlayEndToEnd.sh APPLICATION_DIRECTORY TRY_GRAB DRAG_FILES [WINDOW_MANAGER]
# With a window manager (openbox), the same is tried on a managed desktop, where the modal
# welcome dialog must not stay above the game and the grab waits for the window's mapping.
set -euo pipefail
appdir=$1
trygrab=$2
dragfiles=$3
wm=${4:-}

work=$(mktemp -d)
pid=
wmpid=
dragpid=
cleanup() {
    [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
    [ -n "$dragpid" ] && kill "$dragpid" 2>/dev/null || true
    [ -n "$wmpid" ] && kill "$wmpid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# shellcheck source=tests/e2e/Driving.sh
. "$(dirname "$0")/Driving.sh"
shot() { import -window root "$work/$1.png"; }
# A screenshot once the screen has stopped changing: two in a row the same, however long the
# program takes to draw what it was sent on a loaded machine.
settled() {
    shot "$1"
    for _ in $(seq 60); do
        sleep 0.25
        shot "$1.next"
        cmp -s "$work/$1.png" "$work/$1.next.png" && return 0
        mv "$work/$1.next.png" "$work/$1.png"
    done
    fail "the screen did not settle for $1"
}
# Number of pixels of a screenshot in (or, with "not", outside) a colour.
count() {
    local file=$1 how=$2 colour=$3 op=-opaque
    [ "$how" = not ] && op=+opaque
    convert "$work/$file.png" -fill black -opaque black -fill white $op "$colour" \
        -fill black +opaque white -format '%[fx:mean*w*h]' info: | awk '{ printf "%d", $1 + 0.5 }'
}
grabbable() { "$trygrab"; }

if [ -n "$wm" ]; then
    "$wm" >/dev/null 2>&1 &
    wmpid=$!
    sleep 1
fi

# A copy elsewhere works as well as the built folder.
cp -r "$appdir" "$work/Plinkapad"
# The copy starts from the default settings, whatever the build folder's copy says now, but
# with no automatic display: a picture that comes by itself between two screenshots would be
# taken for one a locked key drew.
printf '\0\0\0\0\1\0\0\0\54\1\0\0\12\0\0\0\1\0\0\0\0\0\377\0\1\0\0\0\0\0\0\0\5\0\0\0' \
    >"$work/Plinkapad/Nuv.ini"
export XDG_CONFIG_HOME="$work/config"
"$work/Plinkapad/plinkapad" &
pid=$!

dialog=$(timeout 20 xdotool search --sync --name "Welcome to Plinkapad" | head -n 1) ||
    fail "the welcome dialog did not open"
settled welcome
orange=$(count welcome in "rgb(255,128,64)")
[ "$orange" -gt 20000 ] || fail "the welcome dialog is not orange ($orange pixels)"
grabbable || fail "the keyboard is held before a game"
gl=$("$(dirname "$0")/../tools/gl-libraries.sh" "$pid")
[ -z "$gl" ] || fail "OpenGL libraries are mapped: $gl"
[ "$(cat "$work/config/SOFTWARE/Quorvel/Plinkapad/2.0/AppPath")" = "$work/Plinkapad" ] ||
    fail "the application directory was not recorded"

# Enter presses Start, the default button.
focus "$dialog"
xdotool key Return
await_window '^Plinkapad$' || fail "no play window"
settled start
blue=$(count start in "rgb(0,0,255)")
[ "$blue" -gt 1250000 ] || fail "the play screen is not the blue background ($blue pixels)"
grabbable && fail "another client could take the keyboard during the game"

# Keys and clicks show pictures; the locked keys show nothing. (Ctrl+Space is left to the
# GUI tests: Ctrl pressed alone is an ordinary key and shows a picture.)
for key in b a b y 1 2; do
    xdotool key "$key"
    sleep 0.4
done
xdotool mousemove 640 512 click 1
settled played
pictures=$(count played not "rgb(0,0,255)")
[ "$pictures" -gt 3000 ] || fail "no picture was shown ($pictures pixels)"
for key in Tab Escape F1 F4 F12 super Super_R alt+Tab alt+F4; do
    xdotool key "$key"
    sleep 0.35
done
settled locked
changed=$(compare -metric AE "$work/played.png" "$work/locked.png" null: 2>&1 || true)
[ "$changed" = 0 ] || fail "a locked key changed the screen ($changed pixels)"
timeout 1 xdotool search --onlyvisible --name '^Plinkapad$' >/dev/null || fail "a locked key closed the game"

# The quit code ends the game and gives the keyboard back.
for key in k o l o 4 7 9; do
    xdotool key "$key"
    sleep 0.05
done
sleep 0.5
xdotool search --onlyvisible --name '^Plinkapad$' >/dev/null && fail "the quit code did not end the game"
grabbable || fail "the keyboard is still held after the game"
settled after
[ "$(count after in "rgb(255,128,64)")" -gt 20000 ] || fail "the welcome dialog is not back"

# Setup opens with Alt+T and Escape cancels it; F1 opens the help viewer at its contents.
before=$(md5sum < "$work/Plinkapad/Nuv.ini")
focus "$dialog"
xdotool key alt+t
setup=$(timeout 10 xdotool search --sync --onlyvisible --name '^Setup$' | head -n 1) ||
    fail "Setup did not open"
sleep 0.5
focus "$setup"
xdotool key Escape
sleep 0.5
xdotool search --onlyvisible --name '^Setup$' >/dev/null && fail "Escape did not close Setup"
[ "$(md5sum < "$work/Plinkapad/Nuv.ini")" = "$before" ] || fail "a cancelled Setup wrote"

# A double click on a group opens it in Manage Picture Group; a picture marked there to be
# cut out is on the group's cut list once OK is pressed.
focus "$dialog"
xdotool key alt+t
setup=$(timeout 10 xdotool search --sync --onlyvisible --name '^Setup$' | head -n 1) ||
    fail "Setup did not open again"
sleep 0.5
xdotool mousemove --window "$setup" 300 207 click --repeat 2 --delay 80 1  # Shapes and Sounds
manage=$(timeout 10 xdotool search --sync --onlyvisible --name '^Manage Picture Group$' |
    head -n 1) || fail "a double click on a group did not open it"
sleep 0.5

# Files dropped from a file manager onto the picture list are added as Add Pictures adds
# them: a PNG becomes a bitmap of its name, and a WAV of the same name its sound. While the
# question about a picture that exists is open, a drop is refused.
group="$work/Plinkapad/6F1C2A40-8B0E-4C11-9E3A-5D7B2C1A0F01"
mkdir "$work/drop"
convert -size 64x48 xc:red "$work/drop/Red.png"
cp "$work/Plinkapad/Hello.wav" "$work/drop/Red.wav"
"$dragfiles" "$work/drop/Red.png" "$work/drop/Red.wav" >"$work/drags" &
dragpid=$!
await_window '^Files to drop$' || fail "the file manager's window did not open"
drop_on_list() {  # drags the files from the file manager's window to the picture list
    local from to
    from=$(xdotool search --onlyvisible --name '^Files to drop$' getwindowgeometry --shell |
        awk -F= '{ v[$1] = $2 } END { print v["X"] + 40, v["Y"] + 40 }')
    to=$(xdotool getwindowgeometry --shell "$manage" |
        awk -F= '{ v[$1] = $2 } END { print v["X"] + 40, v["Y"] + 250 }')
    read -r fx fy <<<"$from"
    read -r tx ty <<<"$to"
    xdotool mousemove "$fx" "$fy" mousedown 1
    for i in $(seq 10); do
        xdotool mousemove $((fx + (tx - fx) * i / 10)) $((fy + (ty - fy) * i / 10))
        sleep 0.05
    done
    sleep 0.3
    xdotool mouseup 1
    sleep 1
}
drop_on_list
[ "$(tail -n 1 "$work/drags")" = dropped ] || fail "the picture list refused a drop"
for _ in $(seq 50); do
    [ -f "$group/Red.bmp" ] && [ -f "$group/Red.wav" ] && break
    sleep 0.2
done
[ "$(identify -format %wx%h "$group/Red.bmp")" = 64x48 ] || fail "the dropped PNG is no bitmap"
cmp -s "$work/drop/Red.wav" "$group/Red.wav" || fail "the dropped WAV is not the picture's sound"
drop_on_list
question=$(timeout 10 xdotool search --sync --onlyvisible --name '^Information$' | head -n 1) ||
    fail "a dropped picture that exists was not asked about"
drop_on_list
[ "$(tail -n 1 "$work/drags")" = refused ] || fail "a drop was taken while a question was open"
shot dropped
focus "$question"
xdotool key Escape
sleep 0.5
kill "$dragpid"
dragpid=
focus "$manage"
xdotool mousemove --window "$manage" 63 208 click 1  # Ball.bmp
sleep 0.3
xdotool mousemove --window "$manage" 389 151 click 1  # Cut to display
sleep 0.3
shot manage
xdotool key alt+o
sleep 0.5
xdotool search --onlyvisible --name '^Manage Picture Group$' >/dev/null &&
    fail "OK did not close Manage Picture Group"
grep -q Ball.bmp "$work/Plinkapad/6F1C2A40-8B0E-4C11-9E3A-5D7B2C1A0F01/cutshow.ini" ||
    fail "the picture marked in Manage Picture Group is not on the cut list"
focus "$setup"
xdotool key Escape
sleep 0.5

focus "$dialog"
xdotool key F1
timeout 10 xdotool search --sync --onlyvisible --name '^Plinkapad Help - Welcome' >/dev/null ||
    fail "F1 did not open the help contents"

# Close ends the program, which leaves its settings file behind.
close_program "$dialog"
[ "$(stat -c %s "$work/Plinkapad/Nuv.ini")" = 36 ] || fail "Nuv.ini is not 36 bytes"
echo "1 passed, 0 failed"
