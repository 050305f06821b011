# Shared by the scripts that drive the built program with xdotool; source it. The script
# keeps the program's process id in $pid.

fail() {
    echo "FAILED: $*" >&2
    exit 1
}

# Gives a window the keyboard, with or without a window manager.
focus() {
    xdotool windowactivate --sync "$1" 2>/dev/null || xdotool windowfocus --sync "$1"
}

# Waits up to ten seconds for a visible window whose name matches. Windows come and go while
# xdotool looks (a game puts the welcome dialog away, and a window manager destroys its
# frame), and xdotool ends at the first window gone under its feet: it is asked again.
await_window() {
    for _ in $(seq 50); do
        xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 && return 0
        sleep 0.2
    done
    return 1
}

# Escape closes the welcome dialog $1, which ends the program cleanly.
close_program() {
    focus "$1"
    xdotool key Escape
    for _ in $(seq 50); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    wait "$pid" || fail "the program ended with status $?"
    pid=
}

# The text $3 as the program's catalog for the language $2, in the locale folder $1, has it.
translated() {
    python3 -c 'import gettext, sys
print(gettext.translation("plinkapad", sys.argv[1], [sys.argv[2]]).gettext(sys.argv[3]))' "$@"
}

# "id title" of every visible window, the title in UTF-8 as the program spells it (xdotool
# matches only titles the locale can spell).
window_titles() { /usr/bin/python3 "$(dirname "${BASH_SOURCE[0]}")/../tools/xprobe.py" titles; }

# Waits up to ten seconds for a visible window whose whole title matches the grep pattern
# $1, and prints its id.
await_title() {
    for _ in $(seq 50); do
        window_titles | grep -x -- "[0-9]* $1" | cut -d' ' -f1 | grep . && return 0
        sleep 0.2
    done
    return 1
}
