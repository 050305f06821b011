#!/usr/bin/env bash
# Installs the built program into a fresh prefix and starts it, with the menu entry's
# command, on a virtual display as a user whose home folder is empty: the program makes the
# user's own application folder from the shipped data, a game shows the sample pictures, the
# quit code ends it, the settings are saved in the user's folder, and nothing in the
# installation changes.
#   InstalledFirstStart.sh CMAKE BUILD_DIRECTORY [SCREENSHOT_FOLDER]
set -euo pipefail
cmake=$1
build=$2
shots=${3:-}

work=$(mktemp -d)
pid=
cleanup() {
    [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
# shellcheck source=tests/e2e/Driving.sh
. "$(dirname "$0")/Driving.sh"
shot() {
    import -window root "$work/$1.png"
    [ -z "$shots" ] || cp "$work/$1.png" "$shots/installed-$1.png"
}
# Every file of the installation with its checksum, and every folder.
listing() { (cd "$work/usr" && find . -printf '%y %m %p %l\n' | sort && find . -type f -exec md5sum {} + | sort); }

"$cmake" --install "$build" --prefix "$work/usr" >/dev/null
listing >"$work/before"
home=$work/home
mkdir "$home"
appdir=$home/.local/share/plinkapad
exec_line=$(sed -n 's/^Exec=//p' "$work/usr/share/applications/io.github.plinkapad.Plinkapad.desktop")

env -i DISPLAY="$DISPLAY" ${XAUTHORITY:+XAUTHORITY="$XAUTHORITY"} HOME="$home" PATH="$work/usr/bin:/usr/bin:/bin" \
    SDL_AUDIODRIVER="${SDL_AUDIODRIVER:-dummy}" sh -c "exec $exec_line" &
pid=$!

dialog=$(timeout 20 xdotool search --sync --name "Welcome to Plinkapad" | head -n 1) ||
    fail "the welcome dialog did not open"
sleep 0.5
[ -f "$appdir/.plinkapad-filled" ] || fail "no filled application folder in $appdir"
diff -r "$work/usr/share/plinkapad" "$appdir" >"$work/copy.diff" || true
grep -v '^Only in .*: .plinkapad-filled$' "$work/copy.diff" &&
    fail "the user's folder is not a copy of the shipped data"
[ "$(cat "$home/.config/SOFTWARE/Quorvel/Plinkapad/2.0/AppPath")" = "$appdir" ] ||
    fail "the application folder was not recorded"
inode=$(stat -c %i "$appdir/Nuv.ini")
# The desktop finds the window's entry by its class.
class=$(sed -n 's/^StartupWMClass=//p' "$work/usr/share/applications/io.github.plinkapad.Plinkapad.desktop")
[ "$(xprop -id "$dialog" WM_CLASS)" = "WM_CLASS(STRING) = \"$class\", \"$class\"" ] ||
    fail "the window's class is not the desktop entry's: $(xprop -id "$dialog" WM_CLASS)"

focus "$dialog"
xdotool key Return
await_window '^Plinkapad$' || fail "no play window"
sleep 0.8
for key in b a b y 1 2 p; do
    xdotool key "$key"
    sleep 0.4
done
shot played
pictures=$(convert "$work/played.png" -fill white +opaque "rgb(0,0,255)" -fill black -opaque "rgb(0,0,255)" \
    -format '%[fx:mean*w*h]' info: | awk '{ printf "%d", $1 + 0.5 }')
[ "$pictures" -gt 3000 ] || fail "no sample picture was shown ($pictures pixels)"
for key in k o l o 4 7 9; do
    xdotool key "$key"
    sleep 0.05
done
sleep 0.5
xdotool search --onlyvisible --name '^Plinkapad$' >/dev/null && fail "the quit code did not end the game"

# The help viewer comes from beside the executable, the help file from the user's folder.
focus "$dialog"
xdotool key F1
timeout 10 xdotool search --sync --onlyvisible --name '^Plinkapad Help - Welcome' >/dev/null ||
    fail "F1 did not open the help"
shot help

close_program "$dialog"
# Saving writes a new file and renames it over the old one.
[ "$(stat -c %i "$appdir/Nuv.ini")" != "$inode" ] || fail "the settings were not saved in $appdir"
[ "$(stat -c %s "$appdir/Nuv.ini")" = 36 ] || fail "Nuv.ini is not 36 bytes"
listing >"$work/after"
diff "$work/before" "$work/after" || fail "the installation changed"
echo "1 passed, 0 failed"
