#!/usr/bin/python3
"""Measures the program's start: from the process's start to its welcome dialog mapped on
the X server, the memory it holds then, and whether any OpenGL library is mapped into it;
then Start (the Enter key) until the play window holds the keyboard. Ten runs on a copy of
the program's folder; prints each run and the medians. Run it on a
virtual display the way the README's other figures are:

  xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" bench/StartBench.py build/Plinkapad
"""
import os
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import time

from Xlib import X, XK, display
from Xlib.ext import xtest

DIALOG = "Welcome to Plinkapad!"
# The libraries of OpenGL and its software renderer, which the program has no use for.
GL_LIBRARIES = ("libGL.", "libGLX", "libEGL", "libGLESv2", "swrast_dri", "libLLVM", "libgallium")


def window_name(window):
    try:
        name = window.get_wm_name()
        return name.decode("utf-8", "replace") if isinstance(name, bytes) else name
    except Exception:  # the window went while we looked
        return None


def mapped_dialog(d, event):
    """Whether `event` maps the welcome dialog, or the frame a window manager put it in."""
    if event.type != X.MapNotify:
        return False
    pending = [event.window]
    while pending:
        window = pending.pop()
        if window_name(window) == DIALOG:
            return True
        try:
            pending.extend(window.query_tree().children)
        except Exception:
            pass
    return False


def resident_kb(pid):
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith("VmRSS:"):
                return int(line.split()[1])
    return -1


def gl_libraries(pid):
    with open(f"/proc/{pid}/maps") as maps:
        return sorted({line.split()[-1] for line in maps
                       if any(name in line for name in GL_LIBRARIES)})


def keyboard_held(d):
    """Whether another client holds the keyboard; a grab of ours that succeeds is let go at
    once (the game tries its own again until it has it)."""
    status = d.screen().root.grab_keyboard(False, X.GrabModeAsync, X.GrabModeAsync, X.CurrentTime)
    if status == X.GrabSuccess:
        d.ungrab_keyboard(X.CurrentTime)
        d.sync()
        return False
    return status == X.AlreadyGrabbed


def start_game(d):
    """Enter in the welcome dialog, then the time until the game holds the keyboard."""
    enter = d.keysym_to_keycode(XK.string_to_keysym("Return"))
    started = time.monotonic()
    xtest.fake_input(d, X.KeyPress, enter)
    xtest.fake_input(d, X.KeyRelease, enter)
    d.sync()
    while not keyboard_held(d):
        if time.monotonic() - started > 30:
            raise RuntimeError("the game did not hold the keyboard within 30 s")
        time.sleep(0.002)
    return (time.monotonic() - started) * 1000


def one_start(program, folder, d):
    root = d.screen().root
    root.change_attributes(event_mask=X.SubstructureNotifyMask)
    d.sync()
    started = time.monotonic()
    process = subprocess.Popen([program], cwd=folder, stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL)
    try:
        while True:
            if time.monotonic() - started > 30:
                raise RuntimeError("no welcome dialog within 30 s")
            if d.pending_events() == 0:
                time.sleep(0.0005)
                continue
            if mapped_dialog(d, d.next_event()):
                elapsed = (time.monotonic() - started) * 1000
                break
        # The dialog is drawn and the program idle before its memory is read.
        time.sleep(0.5)
        measured = elapsed, resident_kb(process.pid) / 1024, gl_libraries(process.pid)
        return measured + (start_game(d),)
    finally:
        root.change_attributes(event_mask=X.NoEventMask)
        process.send_signal(signal.SIGTERM)
        process.wait(timeout=30)


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    work = tempfile.mkdtemp()
    try:
        folder = os.path.join(work, "Plinkapad")
        shutil.copytree(sys.argv[1], folder, symlinks=True)
        program = os.path.join(folder, "plinkapad")
        d = display.Display()
        one_start(program, folder, d)  # the files read once into the page cache
        times, memory, games = [], [], []
        for run in range(10):
            elapsed, megabytes, gl, game = one_start(program, folder, d)
            times.append(elapsed)
            memory.append(megabytes)
            games.append(game)
            print(f"run {run + 1}: {elapsed:.0f} ms to the welcome dialog, {megabytes:.0f} MB"
                  f" resident, OpenGL libraries mapped: {', '.join(gl) or 'none'};"
                  f" Start to the keyboard held {game:.0f} ms")
        print(f"median of ten: {statistics.median(times):.0f} ms to the welcome dialog, "
              f"{statistics.median(memory):.0f} MB, Start to the keyboard held "
              f"{statistics.median(games):.0f} ms")
    finally:
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    main()
