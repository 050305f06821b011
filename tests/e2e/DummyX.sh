#!/usr/bin/env bash
# Runs a command on an X server whose screen has two monitors side by side, as a dual-head
# desktop has them: Xorg with its dummy video driver, whose RandR outputs the toolkit sees as
# monitors (Xvfb has one output, so a second monitor there is only a rectangle the toolkit
# never lists). DUMMY0 is the primary one, DUMMY1 lies to its right; more outputs can be
# switched on with xrandr while the command runs (followed by a plain xrandr query).
#   DummyX.sh COMMAND [ARGUMENT...]
# Xorg needs root here; without it the test is skipped (status 77).
set -euo pipefail
[ "$(id -u)" = 0 ] || { echo "skipped: Xorg needs root"; exit 77; }
work=$(mktemp -d)
server=
cleanup() {
    [ -n "$server" ] && kill "$server" 2>/dev/null && wait "$server" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
cat >"$work/xorg.conf" <<'CONF'
Section "Device"
    Identifier "dummy"
    Driver "dummy"
    VideoRam 131072
EndSection
Section "Monitor"
    Identifier "monitor"
    HorizSync 5.0 - 1000.0
    VertRefresh 5.0 - 200.0
EndSection
Section "Screen"
    Identifier "screen"
    Device "dummy"
    Monitor "monitor"
    DefaultDepth 24
    SubSection "Display"
        Depth 24
        Virtual 3840 2048
    EndSubSection
EndSection
CONF
for n in $(seq 90 130); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] || break
done
Xorg ":$n" -noreset -nolisten tcp -config "$work/xorg.conf" -configdir "$work" \
    -logfile "$work/xorg.log" >/dev/null 2>&1 &
server=$!
export DISPLAY=":$n"
for _ in $(seq 100); do
    xdpyinfo >/dev/null 2>&1 && break
    sleep 0.1
done
xdpyinfo >/dev/null 2>&1 || { echo "Xorg did not start" >&2; tail "$work/xorg.log" >&2; exit 1; }
xrandr --output DUMMY0 --mode 1280x1024 --primary
xrandr --addmode DUMMY1 1280x1024
xrandr --output DUMMY1 --mode 1280x1024 --right-of DUMMY0
# A full query, as a desktop's display settings make one: until then the server's current
# view of the outputs (which the toolkit reads) still has DUMMY1 disconnected.
xrandr >/dev/null
"$@"
