#!/usr/bin/env bash
# One library folder, two systems: made on Linux with names no plain ASCII spells (a group
# name Windows-1252 holds, one it cannot, a picture with an accent), it reads the same on the
# Windows build under wine; what the Windows build adds reads the same on Linux.
#   LibraryRoundTrip.sh LINUX_LISTING WINDOWS_LISTING SHIPPED_DATA
set -euo pipefail
linux=$1
windows=$2
shipped=$3
work=$(mktemp -d)
export WINEPREFIX=$work/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
trap 'wineserver -k 2>/dev/null || true; rm -rf "$work"' EXIT
fail() {
    echo "FAILED (round trip): $*" >&2
    exit 1
}
[ -x "$linux" ] || fail "no Linux listing tool at $linux: build the Linux tests first"

library=$work/Library
mkdir "$library"
for entry in "$shipped"/6F1C2A40-* "$shipped/DefVoice" "$shipped/Nuv.ini"; do
    cp -r "$entry" "$library/"
done
"$linux" add "$library" linux || fail "the Linux build could not make the groups"
compare() {  # both builds list the library alike, and it holds what $1 says
    "$linux" list "$library" >"$work/linux.txt"
    wine "$windows" list "$(winepath -w "$library")" | tr -d '\r' >"$work/windows.txt"
    diff -u "$work/linux.txt" "$work/windows.txt" >&2 ||
        fail "the builds read the library differently"
    grep -c "$1" "$work/linux.txt" >/dev/null || fail "the listing lacks $1"
}
compare "Épée linux.bmp 200x200 cut sound"
grep -q "^group Ωmega linux | Ωmega ☺ linux | é linux | 1$" "$work/windows.txt" ||
    fail "Windows does not read the wide group name"
grep -q "^group Café linux | Crème brûlée linux | é linux | 1$" "$work/windows.txt" ||
    fail "Windows does not read the Windows-1252 group name"
echo "ok: the library made on Linux reads the same on Windows ($(wc -l <"$work/linux.txt") lines)"
wine "$windows" add "$(winepath -w "$library")" windows || fail "the Windows build could not add"
compare "Épée windows.bmp"
grep -q "^group Ωmega windows | Ωmega ☺ windows" "$work/linux.txt" ||
    fail "Linux does not read what Windows added"
echo "ok: what the Windows build adds reads the same on Linux ($(wc -l <"$work/linux.txt") lines)"
