#!/usr/bin/env bash
# The lock of a game on a Wayland desktop: sway runs headless, a virtual keyboard (wtype)
# types, and sway's own shortcuts are bound to commands that leave a file behind. During a
# game Super+D and Alt+Tab do nothing; the quit code ends the game; afterwards they work.
#   WaylandLock.sh APPLICATION_DIRECTORY
# sway refuses to run as root: as root the test runs itself as the user nobody.
set -euo pipefail
appdir=$1

if [ "$(id -u)" = 0 ] && [ -z "${WAYLAND_LOCK_WORK:-}" ]; then
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
    cp -r "$appdir" "$work/Plinkapad"
    cp "$0" "$work/WaylandLock.sh"  # the checkout may not be readable by nobody
    chown -R nobody:nogroup "$work"
    setpriv --reuid=nobody --regid=nogroup --clear-groups \
        env WAYLAND_LOCK_WORK="$work" "$work/WaylandLock.sh" "$work/Plinkapad"
    exit
fi
work=${WAYLAND_LOCK_WORK:-$(mktemp -d)}
[ "$appdir" = "$work/Plinkapad" ] || cp -r "$appdir" "$work/Plinkapad"

sway=
app=
typer=
cleanup() {
    for p in $typer $app $sway; do kill "$p" 2>/dev/null || true; done
    [ -n "${WAYLAND_LOCK_WORK:-}" ] || rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAILED (wayland): $*" >&2
    exit 1
}

mkdir -p "$work/run"
chmod 700 "$work/run"
export XDG_RUNTIME_DIR=$work/run HOME=$work XDG_CONFIG_HOME=$work/config
unset DISPLAY
cat >"$work/sway.config" <<CONFIG
bindsym Mod4+d exec touch $work/escaped-super-d
bindsym Mod1+Tab exec touch $work/escaped-alt-tab
CONFIG
WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman \
    sway -d -c "$work/sway.config" >"$work/sway.log" 2>&1 &
sway=$!
for _ in $(seq 100); do
    socket=$(ls "$work/run" | grep -E '^wayland-[0-9]+$' | head -n 1) && [ -n "$socket" ] &&
        ls "$work/run"/sway-ipc.* >/dev/null 2>&1 && break
    sleep 0.1
done
[ -n "${socket:-}" ] || fail "sway did not start"
export WAYLAND_DISPLAY=$socket SWAYSOCK
SWAYSOCK=$(ls "$work/run"/sway-ipc.* | head -n 1)

# Defaults, without the key delay and the automatic display.
printf '\0\0\0\0\1\0\0\0\0\0\0\0\12\0\0\0\0\0\0\0\0\0\377\0\1\0\0\0\0\0\0\0\5\0\0\0' \
    >"$work/Plinkapad/Nuv.ini"
SDL_AUDIODRIVER=dummy GDK_BACKEND=wayland "$work/Plinkapad/plinkapad" >"$work/app.log" 2>&1 &
app=$!

# The windows sway shows: name and full-screen mode, one a line.
windows() {
    swaymsg -t get_tree | /usr/bin/python3 -c '
import json, sys
def walk(node):
    if node.get("type") in ("con", "floating_con") and node.get("name"):
        print("%s|%s" % (node["name"], node.get("fullscreen_mode")))
    for child in node.get("nodes", []) + node.get("floating_nodes", []):
        walk(child)
walk(json.load(sys.stdin))' 2>/dev/null || true
}
game() { windows | grep -qx 'Plinkapad|1'; }
for _ in $(seq 100); do
    windows | grep -q 'Welcome to Plinkapad' && break
    sleep 0.1
done
windows | grep -q 'Welcome to Plinkapad' || fail "the welcome dialog did not open"

# One virtual keyboard for the whole session: it exists only while wtype runs. Alt+S presses
# Start; then the shortcuts, the quit code, and Super+D once more.
wtype -s 1500 -M alt -k s -m alt -s 3000 -M logo -k d -m logo -s 300 -M alt -k Tab -m alt \
    -s 1500 kolo479 -s 2500 -M logo -k d -m logo -s 1000 &
typer=$!
for _ in $(seq 100); do
    game && grep -q "Adding keyboard shortcuts inhibitor" "$work/sway.log" && break
    sleep 0.1
done
game || fail "no full-screen game after Start"
grep -q "Adding keyboard shortcuts inhibitor" "$work/sway.log" ||
    fail "the game did not ask sway to hold its shortcuts"
sleep 2.5
ls "$work"/escaped-* >/dev/null 2>&1 && fail "shortcuts fired during the game: $(ls "$work" | grep escaped)"
for _ in $(seq 100); do
    game || break
    sleep 0.1
done
game && fail "the quit code did not end the game"
wait "$typer" || true
typer=
grep -q "Removing keyboard shortcuts inhibitor" "$work/sway.log" ||
    fail "sway still holds its shortcuts after the game"
[ -e "$work/escaped-super-d" ] || fail "Super+D does not work again after the game"
echo "1 passed, 0 failed"
