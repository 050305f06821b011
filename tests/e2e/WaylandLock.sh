#!/usr/bin/env bash
# The lock of a game on Wayland desktops, tried as a child and a parent would, and counted:
# the compositor's own shortcuts are bound to commands that leave a file behind, and another
# program's window counts the keys and clicks that reach it.
#   WaylandLock.sh APPLICATION_DIRECTORY sway-one|sway-two|sway-unplug|weston|mutter|gnome-shell
# sway-one / sway-two: sway, headless, with one or two outputs; clicks on a grid over every
#   output, each followed by the compositor's chords, with a virtual keyboard (wtype).
# sway-unplug: sway nested in sway, whose outputs are windows: the play window's output is
#   removed after a click on the other one, then the compositor is killed during a game.
# weston: a compositor that does not hold its shortcuts for anyone (nested in sway, which
#   lends it the keyboard): the parent is told at Start and chooses.
# mutter: GNOME's compositor, headless, typed into through its RemoteDesktop interface;
# gnome-shell: the same with GNOME Shell, whose question before it holds the shortcuts is
# answered with Allow.
# The compositors refuse to run as root: as root the test runs itself as the user nobody.
set -euo pipefail
appdir=$1
mode=$2
here=$(cd "$(dirname "$0")" && pwd)

if [ "$(id -u)" = 0 ] && [ -z "${WAYLAND_LOCK_WORK:-}" ]; then
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
    cp -r "$appdir" "$work/Plinkapad"
    # The checkout may not be readable by nobody.
    cp "$0" "$work/WaylandLock.sh"
    cp "$here/../tools/wlprobe.py" "$here/../tools/gl-libraries.sh" "$work/"
    cp "$here/../../data/desktop/io.github.plinkapad.Plinkapad.desktop" "$work/"
    chown -R nobody:nogroup "$work"
    setpriv --reuid=nobody --regid=nogroup --clear-groups \
        env WAYLAND_LOCK_WORK="$work" "$work/WaylandLock.sh" "$work/Plinkapad" "$mode"
    exit
fi
work=${WAYLAND_LOCK_WORK:-$(mktemp -d)}
[ "$appdir" = "$work/Plinkapad" ] || cp -r "$appdir" "$work/Plinkapad"
[ -e "$work/wlprobe.py" ] || cp "$here/../tools/wlprobe.py" "$work/wlprobe.py"
[ -e "$work/gl-libraries.sh" ] || cp "$here/../tools/gl-libraries.sh" "$work/gl-libraries.sh"
app_id=io.github.plinkapad.Plinkapad
[ -e "$work/$app_id.desktop" ] || cp "$here/../../data/desktop/$app_id.desktop" "$work/"
wlprobe="/usr/bin/python3 $work/wlprobe.py"

# mutter serves its RemoteDesktop interface on the session bus: the test runs in its own.
if [[ "$mode" = mutter || "$mode" = gnome-shell ]] && [ -z "${WAYLAND_LOCK_BUS:-}" ]; then
    # The bus starts the desktop's services as a session's would, but for the portals:
    # the documents portal would mount a file system of its own in the test's folder. What
    # it starts (the permission store) keeps its data under the test's home.
    mkdir -p "$work/services"
    for service in /usr/share/dbus-1/services/*.service; do
        [[ "$(basename "$service")" = org.freedesktop.portal.* ]] || ln -s "$service" "$work/services/"
    done
    cat >"$work/session.conf" <<CONF
<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:tmpdir=$work</listen>
  <auth>EXTERNAL</auth>
  <servicedir>$work/services</servicedir>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
CONF
    exec env HOME="$work" WAYLAND_LOCK_WORK="$work" WAYLAND_LOCK_BUS=1 \
        dbus-run-session --config-file="$work/session.conf" -- "$0" "$appdir" "$mode"
fi

pids=()
cleanup() {
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
    [ -n "${WAYLAND_LOCK_WORK:-}" ] || rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAILED ($mode): $*" >&2
    exit 1
}
passed=0
ok() {
    passed=$((passed + 1))
    echo "ok: $*"
}
# Waits up to ten seconds for a command to succeed.
await() {
    for _ in $(seq 100); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}

mkdir -p "$work/run"
chmod 700 "$work/run"
export XDG_RUNTIME_DIR=$work/run HOME=$work XDG_CONFIG_HOME=$work/config SDL_AUDIODRIVER=dummy
unset DISPLAY WAYLAND_DISPLAY
# Defaults, without the key delay and the automatic display.
printf '\0\0\0\0\1\0\0\0\0\0\0\0\12\0\0\0\0\0\0\0\0\0\377\0\1\0\0\0\0\0\0\0\5\0\0\0' \
    >"$work/Plinkapad/Nuv.ini"
socket_in() { ls "$work/run" | grep -E "^$1\$" | head -n 1; }
desktop=sway

# The program, its protocol log beside it.
launch() {
    WAYLAND_DEBUG=${WAYLAND_LOCK_DEBUG:-1} GDK_BACKEND=wayland XDG_CURRENT_DESKTOP=$desktop \
        "$work/Plinkapad/plinkapad" >"$work/app.log" 2>&1 &
    app=$!
    pids+=("$app")
}
# The titles the program gave its windows, from the protocol log.
titled() { grep -c "set_title(\"$1\")" "$work/app.log" || true; }
titled_at_least() { [ "$(titled "$1")" -ge "$2" ]; }
socket_there() { [ -n "$(socket_in "$1")" ]; }

start_sway() {
    local outputs=$1
    cat >"$work/sway.config" <<CONFIG
bindsym Mod4+d exec touch $work/escaped-super-d
bindsym Mod1+Tab exec touch $work/escaped-alt-tab
bindsym Ctrl+Mod1+t exec touch $work/escaped-ctrl-alt-t
bindsym Mod4+Shift+e exec touch $work/escaped-super-shift-e
CONFIG
    WLR_HEADLESS_OUTPUTS=$outputs WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 \
        WLR_RENDERER=pixman sway -d -c "$work/sway.config" >"$work/sway.log" 2>&1 &
    pids+=($!)
    await eval 'socket=$(socket_in "wayland-[0-9]+") && [ -n "$socket" ] && ls "$work/run"/sway-ipc.* >/dev/null 2>&1' ||
        fail "sway did not start"
    export WAYLAND_DISPLAY=$socket
    SWAYSOCK=$(ls "$work/run"/sway-ipc.* | head -n 1)
    export SWAYSOCK
}
# The windows sway shows: output, name and full-screen mode, one a line.
windows() {
    swaymsg -t get_tree | /usr/bin/python3 -c '
import json, sys
def walk(node, output):
    if node.get("type") == "output":
        output = node["name"]
    if node.get("type") in ("con", "floating_con") and node.get("name"):
        print("%s|%s|%s" % (output, node["name"], node.get("fullscreen_mode")))
    for child in node.get("nodes", []) + node.get("floating_nodes", []):
        walk(child, output)
walk(json.load(sys.stdin), "")' 2>/dev/null || true
}
shown() { windows | grep -q "$1"; }
# The name of the window that has the focus.
focused() {
    swaymsg -t get_tree | /usr/bin/python3 -c '
import json, sys
def walk(node):
    if node.get("focused"):
        print(node.get("name"))
    for child in node.get("nodes", []) + node.get("floating_nodes", []):
        walk(child)
walk(json.load(sys.stdin))' 2>/dev/null || true
}
game() { shown 'HEADLESS-1|Plinkapad|1'; }
click() {
    swaymsg "seat - cursor set $1 $2" >/dev/null
    swaymsg "seat - cursor press button1" >/dev/null
    swaymsg "seat - cursor release button1" >/dev/null
}
# wtype's keyboard exists only while it runs: each call waits a moment for the program to
# learn its keys first. With wtype 0.4 a lone Alt+S reached the program as nothing it could
# read, while the same keys followed by another worked: each call ends with a Shift tap.
typing() { wtype -s 300 "$@" -s 100 -k Shift_L; }
press_start() { typing -M alt -k s -m alt; }
escaped() { ls "$work" | grep escaped || true; }

sway_suite() {
    local outputs=$1
    start_sway "$outputs"
    local width=$((1280 * outputs))
    if [ "$outputs" = 2 ]; then
        # Another program's window on the second output.
        swaymsg "focus output HEADLESS-2" >/dev/null
        $wlprobe witness "$work/witnessed" &
        pids+=($!)
        await shown 'HEADLESS-2|Witness' || fail "the witness window did not open"
        swaymsg "focus output HEADLESS-1" >/dev/null
    fi
    launch
    await shown 'Welcome to Plinkapad' || fail "the welcome dialog did not open"
    gl=$(sh "$work/gl-libraries.sh" "$app")
    [ -z "$gl" ] || fail "OpenGL libraries are mapped: $gl"
    sleep 1

    press_start
    await game || fail "no full-screen game after Start"
    grep -q "Adding keyboard shortcuts inhibitor" "$work/sway.log" ||
        fail "the game did not ask sway to hold its shortcuts"
    ! shown 'Welcome to Plinkapad' || fail "the welcome dialog can be reached during the game"
    if [ "$outputs" = 2 ]; then
        await shown 'HEADLESS-2|Plinkapad cover|1' || fail "the second output is not covered"
    fi
    ok "Start shows the game full screen on HEADLESS-1$([ "$outputs" = 2 ] && echo ', the cover on HEADLESS-2'), the welcome dialog out of reach"

    # A grid of clicks over every output, each followed by the compositor's chords.
    local clicks=0
    for ((x = 64; x < width; x += 256)); do
        for y in 100 360 620 900; do
            click "$x" "$y"
            typing -M logo -k d -m logo -M alt -k Tab -m alt -M ctrl -M alt -k t -m alt -m ctrl \
                -M logo -M shift -k e -m shift -m logo
            clicks=$((clicks + 1))
        done
    done
    sleep 0.5
    [ -z "$(escaped)" ] || fail "shortcuts fired during the game: $(escaped)"
    if [ "$outputs" = 2 ]; then
        [ ! -s "$work/witnessed" ] ||
            fail "$(wc -l <"$work/witnessed") keys or clicks reached the other program"
        shown 'HEADLESS-2|Plinkapad cover|1' || fail "the cover was left"
    fi
    game || fail "the game was left"
    ! shown 'Welcome to Plinkapad' || fail "the welcome dialog came back during the game"
    ok "$clicks clicks over $outputs output(s), each with Super+D, Alt+Tab, Ctrl+Alt+T and Super+Shift+E: nothing escaped"

    # The quit code, typed after a click on each output in turn.
    for ((x = 640; x < width; x += 1280)); do
        game || { press_start && await game; } || fail "no game after Start"
        click "$x" 512
        typing kolo479
        await eval '! game' || fail "the quit code typed after a click at $x did not end the game"
        await shown 'Welcome to Plinkapad' || fail "the welcome dialog is not back after the game"
        ! shown 'Plinkapad cover' || fail "a cover stayed after the game"
    done
    ok "the quit code ends the game from every output; the welcome dialog is back, no cover stays"

    grep -q "Removing keyboard shortcuts inhibitor" "$work/sway.log" ||
        fail "sway still holds its shortcuts after the game"
    typing -M logo -k d -m logo
    await test -e "$work/escaped-super-d" || fail "Super+D does not work again after the game"
    if [ "$outputs" = 2 ]; then
        # Without a game the other program gets what is typed there.
        click 1920 512
        typing x
        await test -s "$work/witnessed" || fail "the witness saw nothing without a game"
    fi
    ok "the shortcuts work again after the game$([ "$outputs" = 2 ] && echo ', and the other program gets its keys and clicks')"

    [ "$outputs" = 1 ] || return 0
    # The user takes the hold back during a game: the game asks for it again.
    rm -f "$work"/escaped-*
    press_start
    await game || fail "no game after Start"
    sleep 1
    swaymsg 'seat - shortcuts_inhibitor deactivate' >/dev/null
    sleep 2
    typing -M logo -k d -m logo -M alt -k Tab -m alt
    sleep 0.5
    [ -z "$(escaped)" ] || fail "shortcuts fired after sway let go of the hold: $(escaped)"
    game || fail "the game was left"
    ok "a hold taken back during a game is had again"

    # A desktop that will not hold the shortcuts any more: the game ends with the lock-lost
    # message rather than go on unlocked.
    swaymsg 'seat * shortcuts_inhibitor disable' >/dev/null
    await shown 'Error' || fail "no message when the hold was lost for good"
    ! game || fail "the game went on without the hold"
    typing -k Return
    await eval '! shown Error' || fail "the message did not close"
    ok "a hold lost for good ends the game with a message"

    # A desktop that refuses to hold its shortcuts (as a GNOME user may): the game does not
    # go on as if locked; the parent chooses.
    press_start
    await game || fail "no game after Start"
    await shown 'Warning' || fail "no message when sway refused to hold its shortcuts"
    ! game || fail "the game went on without the shortcuts held"
    typing -k Return  # No, the default: go back
    sleep 1
    ! game || fail "going back started a game"
    shown 'Welcome to Plinkapad' || fail "the welcome dialog is not back"
    press_start
    await shown 'Warning' || fail "no message at the second Start"
    typing -M alt -k y -m alt  # Yes: play anyway
    await game || fail "playing anyway started no game"
    sleep 6
    game && ! shown 'Warning' || fail "the game played anyway did not go on"
    typing kolo479
    await eval '! game' || fail "the quit code did not end the game played anyway"
    ok "when sway refuses to hold its shortcuts the parent is told, and going back or playing anyway works"
}

# sway nested in sway: its two outputs are windows of the outer one, and closing one removes
# that output for real, as a laptop's lid or a projector's cable does.
sway_unplug_suite() {
    start_sway 1
    local outer=$WAYLAND_DISPLAY outer_ipc=$SWAYSOCK
    WLR_BACKENDS=wayland WLR_WL_OUTPUTS=2 WLR_RENDERER=pixman sway -d -c "$work/sway.config" \
        >"$work/inner.log" 2>&1 &
    local inner_pid=$!
    pids+=("$inner_pid")
    await eval 'socket=$(ls "$work/run" | grep -E "^wayland-[0-9]+\$" | grep -vx "$outer" | head -n 1) && [ -n "$socket" ] && [ -S "$work/run/sway-ipc.$(id -u).$inner_pid.sock" ]' ||
        fail "the nested sway did not start"
    export WAYLAND_DISPLAY=$socket SWAYSOCK=$work/run/sway-ipc.$(id -u).$inner_pid.sock
    await eval '[ "$(swaymsg -t get_outputs | grep -c "\"name\": \"WL-")" = 2 ]' ||
        fail "the nested sway has not two outputs"
    # The middle of an output, in the layout's coordinates.
    middle() {
        swaymsg -t get_outputs | /usr/bin/python3 -c '
import json, sys
for o in json.load(sys.stdin):
    if o["name"] == sys.argv[1]:
        r = o["rect"]; print(r["x"] + r["width"] // 2, r["y"] + r["height"] // 2)' "$1"
    }
    swaymsg "focus output WL-2" >/dev/null
    $wlprobe witness "$work/witnessed" &
    pids+=($!)
    await shown 'WL-2|Witness' || fail "the witness window did not open"
    swaymsg "focus output WL-1" >/dev/null
    launch
    await shown 'Welcome to Plinkapad' || fail "the welcome dialog did not open"
    sleep 1
    press_start
    await shown 'WL-1|Plinkapad|1' || fail "no full-screen game on WL-1 after Start"
    await shown 'WL-2|Plinkapad cover|1' || fail "WL-2 is not covered"

    # The child clicks the cover; the play window's output goes.
    click $(middle WL-2)
    await eval '[ "$(focused)" = "Plinkapad cover" ]' || fail "the click did not give the cover the focus"
    swaymsg -s "$outer_ipc" '[title="wlroots - WL-1"] kill' >/dev/null
    await eval '[ "$(swaymsg -t get_outputs | grep -c "\"name\": \"WL-")" = 1 ]' ||
        fail "the output was not removed"
    await shown 'WL-2|Plinkapad|1' || fail "the game did not come to the remaining output: $(windows | tr '\n' ' ')"
    await eval '! shown "Plinkapad cover"' || fail "a cover stayed over the game"
    await eval '[ "$(focused)" = Plinkapad ]' || fail "the game does not have the focus: $(focused)"
    ok "the play window's output removed: the game is full screen on the other one, with the focus"

    for _ in 1 2 3; do
        click $(middle WL-2)
        typing -M logo -k d -m logo -M alt -k Tab -m alt -M ctrl -M alt -k t -m alt -m ctrl \
            -M logo -M shift -k e -m shift -m logo
    done
    sleep 0.5
    [ -z "$(escaped)" ] || fail "shortcuts fired after the output went: $(escaped)"
    [ ! -s "$work/witnessed" ] || fail "$(wc -l <"$work/witnessed") keys or clicks reached the other program"
    shown 'WL-2|Plinkapad|1' || fail "the game was left"
    typing kolo479
    await eval '! shown "Plinkapad|1"' || fail "the quit code did not end the game"
    await shown 'Welcome to Plinkapad' || fail "the welcome dialog is not back after the game"
    kill -0 "$app" || fail "the program ended"
    ok "Super+D, Alt+Tab, Ctrl+Alt+T and Super+Shift+E reach nothing after, and the quit code ends the game"

    # The compositor dies during a game: the program ends, without spinning on the lost
    # display.
    press_start
    await shown 'WL-2|Plinkapad|1' || fail "no game after Start"
    rm "$work/Plinkapad/Nuv.ini"
    kill "$inner_pid"
    await eval '! kill -0 "$app" 2>/dev/null' || fail "the program runs on without its compositor"
    [ "$(stat -c %s "$work/Plinkapad/Nuv.ini" 2>/dev/null)" = 36 ] ||
        fail "the settings were not saved when the compositor died: $(tail -n 3 "$work/app.log")"
    ok "the program ends when its compositor dies during a game, saving its settings"
}

weston_suite() {
    # weston offers no virtual keyboard: it runs in a window of sway's, which passes it the
    # keys that wtype types.
    start_sway 1
    # A keyboard from the start, so weston has one to give its first window's focus to.
    wtype -s 300000 -k Shift_L &
    pids+=($!)
    sleep 0.5
    WAYLAND_DISPLAY=$socket weston --backend=wayland-backend.so --use-pixman --socket=weston-1 \
        --width=1280 --height=1024 --shell=kiosk-shell.so >"$work/weston.log" 2>&1 &
    pids+=($!)
    await socket_there weston-1 || fail "weston did not start"
    WAYLAND_DISPLAY=weston-1 launch
    await titled_at_least 'Welcome to Plinkapad!' 1 || fail "the welcome dialog did not open"
    sleep 1
    press_start
    await titled_at_least Warning 1 || fail "no message at Start on a desktop that holds no shortcuts"
    [ "$(titled Plinkapad)" = 0 ] || fail "the game started before the parent chose"
    ok "Start on weston asks the parent first"

    typing -k Return  # No, the default: go back
    sleep 2
    [ "$(titled Plinkapad)" = 0 ] || fail "going back started a game"
    kill -0 "$app" || fail "the program ended"
    ok "going back starts no game"

    # weston's kiosk shell gives the focus back to no window: a new program is started.
    kill "$app"
    WAYLAND_DISPLAY=weston-1 launch
    await titled_at_least 'Welcome to Plinkapad!' 1 || fail "the welcome dialog did not open again"
    sleep 1
    press_start
    await titled_at_least Warning 1 || fail "no message at the second Start"
    local welcomes
    welcomes=$(titled 'Welcome to Plinkapad!')
    typing -M alt -k y -m alt  # Yes: play anyway
    await titled_at_least Plinkapad 1 || fail "playing anyway started no game"
    sleep 1
    typing kolo479
    await titled_at_least 'Welcome to Plinkapad!' $((welcomes + 1)) ||
        fail "the welcome dialog is not back after the quit code"
    ok "playing anyway starts the game, and the quit code ends it"
}

mutter_suite() {
    local compositor=${1:-mutter}
    desktop=GNOME
    if [ "$compositor" = gnome-shell ]; then
        # The shell finds the program's desktop entry, under which it keeps its user's answer
        # in the permission store (started by the bus, keeping its data under $HOME).
        # (An entry whose command is not found is no entry.)
        mkdir -p "$work/share/applications"
        sed "s|^Exec=.*|Exec=$work/Plinkapad/plinkapad|" "$work/$app_id.desktop" \
            >"$work/share/applications/$app_id.desktop"
        export XDG_DATA_DIRS=$work/share:/usr/local/share:/usr/share
        # The shell asks the system bus for the login manager; a bus of our own stands in.
        dbus-daemon --session --nofork --address="unix:path=$work/run/system_bus" &
        pids+=($!)
        export DBUS_SYSTEM_BUS_ADDRESS="unix:path=$work/run/system_bus"
        await test -S "$work/run/system_bus" || fail "no bus for the shell"
    fi
    export WAYLAND_DISPLAY=wayland-0
    # The compositor, and one typist for the whole test: its session ends when it does.
    # Status 1 when the typist has no session after 30 s.
    local shell typist
    start_typed() {
        "$compositor" --headless --wayland --no-x11 --virtual-monitor 1280x1024 \
            >"$work/mutter.log" 2>&1 &
        shell=$!
        pids+=("$shell")
        await socket_there wayland-0 || fail "mutter did not start"
        rm -f "$work/keys"
        mkfifo "$work/keys"
        $wlprobe mutter-keys <"$work/keys" >"$work/typist.log" 2>&1 &
        typist=$!
        pids+=("$typist")
        exec 3>"$work/keys"
        await grep -q ready "$work/typist.log" || await grep -q ready "$work/typist.log" ||
            await grep -q ready "$work/typist.log"
    }
    # Once in a while a loaded machine's shell offers nothing for good: it is started again.
    if ! start_typed; then
        echo "note: $compositor offered no RemoteDesktop session in 30 s ($(tail -n 1 "$work/typist.log")); starting it again" >&2
        exec 3>&-
        # A shell stuck this way may not heed a polite end; its socket must not outlive it.
        kill -KILL "$typist" "$shell" 2>/dev/null || true
        wait "$typist" "$shell" 2>/dev/null || true
        rm -f "$XDG_RUNTIME_DIR/wayland-0" "$XDG_RUNTIME_DIR/wayland-0.lock"
        start_typed || fail "no RemoteDesktop session: $(cat "$work/typist.log")"
    fi
    keys() {
        local before
        before=$(grep -c done "$work/typist.log" || true)
        echo "$*" >&3
        await eval '[ "$(grep -c done "$work/typist.log" || true)" -gt "$before" ]' ||
            fail "the typist is stuck"
    }
    launch
    await titled_at_least 'Welcome to Plinkapad!' 1 || fail "the welcome dialog did not open"
    sleep 1
    if [ "$compositor" = gnome-shell ]; then
        keys chord Escape  # the shell starts in its overview
        keys sleep 1
    fi
    keys chord Alt_L s
    await titled_at_least Plinkapad 1 || fail "no game after Start"
    # The game's toplevel, and the keys that reach the program from here on.
    play=$(grep -o 'xdg_toplevel@[0-9]*\.set_title("Plinkapad")' "$work/app.log" | tail -n 1 | cut -d. -f1)
    if [ "$compositor" = gnome-shell ]; then
        keys sleep 1
        keys chord Return  # the shell asks whether to let the game hold its shortcuts: Allow
    fi
    await grep -q 'zwp_keyboard_shortcuts_inhibitor_v1@[0-9]*\.active()' "$work/app.log" ||
        fail "$compositor did not hold its shortcuts for the game"
    ok "Start shows the game, and $compositor holds its shortcuts for it"

    local mark
    mark=$(wc -l <"$work/app.log")
    for chord in "Alt_L F4" "Super_L h" "Super_L Page_Down" "Alt_L Tab" "Super_L"; do
        keys chord $chord
    done
    sleep 1
    local delivered
    delivered=$(tail -n +"$mark" "$work/app.log" | grep -c 'wl_keyboard@[0-9]*\.key(.*, 1)' || true)
    [ "$delivered" -ge 9 ] || fail "only $delivered of 9 key presses reached the game"
    ! tail -n +"$mark" "$work/app.log" | grep -q "$play\.close()" || fail "mutter asked the game to close"
    ! grep -q -- "-> $play\.destroy()" "$work/app.log" || fail "the game was left"
    kill -0 "$app" || fail "the program ended"
    ok "Alt+F4, Super+H, Super+Page_Down, Alt+Tab and Super reach the game and nothing else"

    keys type kolo479
    await grep -q -- "-> $play\.destroy()" "$work/app.log" || fail "the quit code did not end the game"
    await titled_at_least 'Welcome to Plinkapad!' 2 || fail "the welcome dialog is not back"
    sleep 1
    kill -0 "$app" || fail "the program ended"
    ok "the quit code ends the game, the welcome dialog is back and the program runs on"
    [ "$compositor" = gnome-shell ] || return 0

    # What the shell keeps for the program, and answers the shell would give for it.
    store() {
        gdbus call --session --dest org.freedesktop.impl.portal.PermissionStore \
            --object-path /org/freedesktop/impl/portal/PermissionStore \
            --method "org.freedesktop.impl.portal.PermissionStore.$@" 2>&1
    }
    kept() { store Lookup gnome shortcuts-inhibitor | grep -o "'$app_id.desktop': \[[^]]*\]"; }
    # The shell knows the windows by their application id: the desktop entry's name.
    ! grep -o 'set_app_id("[^"]*")' "$work/app.log" | grep -v "set_app_id(\"$app_id\")" ||
        fail "a window's application id is not the desktop entry's"
    allowed() { [ "$(kept)" = "'$app_id.desktop': ['GRANTED']" ]; }
    allowed || fail "the shell did not keep Allow: $(kept)"
    # A game started from here holds the shortcuts without a question to answer.
    game_without_question() {
        local mark
        mark=$(wc -l <"$work/app.log")
        keys chord Alt_L s
        await eval 'tail -n +"$mark" "$work/app.log" | grep -q "zwp_keyboard_shortcuts_inhibitor_v1@[0-9]*\.active()"' ||
            fail "the shell did not hold its shortcuts without asking $1"
        keys type kolo479
        await eval '[ "$(tail -n +"$mark" "$work/app.log" | grep -c -- "-> xdg_toplevel@[0-9]*\.destroy()")" -ge 1 ]' ||
            fail "the quit code did not end the game $1"
        keys sleep 1
    }
    game_without_question "at the second Start"
    ok "the shell asked at the first Start, kept Allow, and the second Start goes through without asking"

    # A Deny kept (a child pressed Escape at the question): Start says so and how to undo it.
    store SetPermission gnome true shortcuts-inhibitor "$app_id.desktop" "['DENIED']" >/dev/null
    local warnings games
    warnings=$(titled Warning)
    games=$(titled Plinkapad)
    keys chord Alt_L s
    await titled_at_least Warning $((warnings + 1)) || fail "no message at Start with Deny kept"
    [ "$(titled Plinkapad)" = "$games" ] || fail "a game started before the parent chose"
    keys chord Return  # No, the default: go back
    ok "with Deny kept, Start tells the parent at once, before any game"

    # Setup's action gives the answer back.
    local setups
    setups=$(titled Setup)
    keys sleep 1
    keys chord Alt_L t
    await titled_at_least Setup $((setups + 1)) || fail "Setup did not open"
    keys sleep 1
    keys chord Alt_L k
    await allowed || fail "Allow the Keyboard Lock kept no Allow: $(kept)"
    keys sleep 1
    keys chord Return  # the message
    keys sleep 1
    keys chord Escape  # Setup
    keys sleep 1
    game_without_question "after Setup's Allow the Keyboard Lock"
    ok "Setup's Allow the Keyboard Lock gives the shell Allow, and the next Start does not ask"
}

case $mode in
sway-one) sway_suite 1 ;;
sway-two) sway_suite 2 ;;
sway-unplug) sway_unplug_suite ;;
weston) weston_suite ;;
mutter) mutter_suite ;;
gnome-shell) mutter_suite gnome-shell ;;
*) fail "no such mode" ;;
esac
echo "$passed passed, 0 failed"
