#!/usr/bin/python3
"""Reads the running game from outside, as a screen reader does, through AT-SPI: in English,
and started in German.

Usage: atspi_check.py PATH_TO_PIPWELL
Needs DISPLAY and a session bus (DBUS_SESSION_BUS_ADDRESS). Exit 0: all seen; 77: skipped.
"""
import os
import subprocess
import sys
import time

try:
    import pyatspi
except ImportError:
    print("SKIP: pyatspi is not installed")
    sys.exit(77)

if not os.environ.get("DISPLAY") or not os.environ.get("DBUS_SESSION_BUS_ADDRESS"):
    print("SKIP: needs an X server and a session bus")
    sys.exit(77)


def walk(node, depth=0):
    yield node
    if depth > 30:
        return
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from walk(child, depth + 1)


def find_app(pid, seconds):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and app.get_process_id() == pid:
                return app
        time.sleep(0.2)
    return None


def find_soon(app, name, role):
    deadline = time.monotonic() + 10
    while time.monotonic() < deadline:
        found = by_name(app, name, role)
        if found is not None:
            return found
        time.sleep(0.2)
    return None


def by_name(app, name, role=None):
    for node in walk(app):
        try:
            if node.name == name and (role is None or node.getRole() == role):
                return node
        except Exception:  # a node that went away while we looked
            continue
    return None


failures = []


def check(what, ok):
    print(("PASS: " if ok else "FAIL: ") + what)
    if not ok:
        failures.append(what)


def run_game(checks, **env):
    """Runs the game in English, or as env says, hands its accessible application to checks,
    and ends it."""
    inherited = {k: v for k, v in os.environ.items()
                 if k not in ("LANGUAGE", "LC_ALL", "LC_MESSAGES")}
    env = dict(inherited, LANG="C.UTF-8", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
               QT_QPA_PLATFORM="xcb", **env)
    game = subprocess.Popen([sys.argv[1]], env=env)
    try:
        app = find_app(game.pid, 20)
        check("the game appears in the accessibility registry", app is not None)
        if app is not None:
            checks(app)
    finally:
        game.terminate()
        try:
            game.wait(10)
        except subprocess.TimeoutExpired:
            game.kill()


def in_english(app):
    roll = find_soon(app, "Roll", pyatspi.ROLE_PUSH_BUTTON)
    check("Roll is a push button", roll is not None)
    for n in range(1, 10):
        tile = by_name(app, "Tile %d" % n, pyatspi.ROLE_PUSH_BUTTON)
        check("Tile %d is a push button, open" % n,
              tile is not None and tile.getState().contains(pyatspi.STATE_ENABLED))
    new_game = by_name(app, "New Game", pyatspi.ROLE_PUSH_BUTTON)
    check("New Game starts unavailable",
          new_game is not None and not new_game.getState().contains(pyatspi.STATE_ENABLED))
    check("Exit is a push button", by_name(app, "Exit", pyatspi.ROLE_PUSH_BUTTON) is not None)
    # read whole, as a label: Qt's line-edit text loses its last character to a reader
    die1 = by_name(app, "Die 1", pyatspi.ROLE_LABEL)
    check("Die 1 is named and empty", die1 is not None)

    if roll is not None:
        roll.queryAction().doAction(0)  # press
        value = ""
        deadline = time.monotonic() + 10
        while time.monotonic() < deadline and value == "":
            value = die1.name.removeprefix("Die 1: ") if die1 and die1.name != "Die 1" else ""
            time.sleep(0.2)
        check("Die 1 reads 'Die 1: <1 to 6>' after Roll", value in {"1", "2", "3", "4", "5", "6"})
        face = by_name(app, "Die 1 shows %s" % value) if value else None
        check("the face picture says what it shows",
              face is not None and face.getState().contains(pyatspi.STATE_SHOWING))
        check("New Game is available after the roll",
              new_game is not None and new_game.getState().contains(pyatspi.STATE_ENABLED))


# The window is built after the player's language is in place.
def in_german(app):
    check("in German, Roll reads Würfeln",
          find_soon(app, "Würfeln", pyatspi.ROLE_PUSH_BUTTON) is not None)


run_game(in_english)
run_game(in_german, LANGUAGE="de")
sys.exit(1 if failures else 0)
