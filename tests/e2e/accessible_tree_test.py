#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""What a screen reader is told about lotcraft's windows, read over the accessibility bus.

  accessible_tree_test.py LOTCRAFT SAMPLE_CATALOGUE   the checks; exit status 1 on a failure
  accessible_tree_test.py --dump LOTCRAFT [CATALOGUE] the main window's tree, "role<TAB>name"

Under a display (xvfb-run), with Debian's python3 and pyatspi; with buses of its own."""

import contextlib
import os
import select
import shutil
import signal
import subprocess
import sys
import tempfile
import time

# Names a person hears for the main window's buttons; the picture buttons say the word on
# their face. The window has this many buttons of its own.
MAIN_BUTTONS = ["INSERT NEW RECORD", "?", "Update", "Cancel", "Delete", "View Html Code",
                "View Page", "Close"]
MAIN_BUTTON_COUNT = 13
MAIN = "main window"
# Through the dialogs a catalogue opens: the window to press in; the button, by its name or
# else its description (the tool tip); the keys xdotool sends where no button has that name;
# the dialog that must then show, with its buttons (None: the window pressed in must close).
# "Lotcraft" is the catalogue check's dialog.
STEPS = [
    (MAIN, "HTMLS", None, "Lotcraft",
     ["Check again", "Write pages", "Cancel"]),
    ("Lotcraft", "Write pages", "Tab Tab Return", "Htmls",
     ["Layout", "New Folder", "Ok", "Cancel"]),
    ("Htmls", "Layout", None, "Auction Layout", ["Ok"]),
    ("Auction Layout", "Ok", "Return", None, []),
    ("Htmls", "Cancel", "Escape", None, []),
    (MAIN, "EXPORT", "ctrl+e",
     "Export for eBay", ["Export...", "Cancel"]),
    ("Export for eBay", "Cancel", "Escape", None, []),
]
# Names the main window shows in German (LANGUAGE=de); the English run must not show them.
GERMAN_NAMES = ["CSV LADEN", "Löschen", "Schließen"]

BUTTON, PRESS = "push button", "Press"
TEXT_ROLES = {"text", "entry", "paragraph", "password text", "editbar"}
TABLE_ROLES = {"table", "tree table"}  # their cells are the data, not controls: not walked
RUN_SECONDS = 150
STARTED = []  # what this test started, ended however the test ends


def wait_for(what, seconds, step=0.2):
    """What what() returns first that is not empty, or that empty once the seconds are past."""
    end = time.monotonic() + seconds
    while True:
        found = None
        with contextlib.suppress(Exception):  # gone, or not on the bus yet: look again
            found = what()
        if found or time.monotonic() > end:
            return found
        time.sleep(step)


def start(argv, env, **options):
    STARTED.append(subprocess.Popen(argv, env=env, stdin=subprocess.DEVNULL,
                                    start_new_session=True, **options))
    return STARTED[-1]


def end(process):
    """Stops the program and all it started, which stays in its process group: a bus's
    services too, though they leave it as children."""
    for sig in (signal.SIGTERM, signal.SIGKILL):
        with contextlib.suppress(ProcessLookupError, subprocess.TimeoutExpired):
            os.killpg(process.pid, sig)
            process.wait(timeout=3)
    STARTED.remove(process)


def start_buses(env):
    """A session bus, its address put into env, and the accessibility bus on it: at-spi2-core's
    bus launcher and registry, which the session bus starts for the first to ask for them
    (one of each: two askers at once would start two launchers), in its process group."""
    bus = start(["dbus-daemon", "--session", "--nofork", "--print-address=1"], env,
                stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
    if not select.select([bus.stdout], [], [], 10)[0]:
        raise RuntimeError("the session bus did not start within 10 s")
    env["DBUS_SESSION_BUS_ADDRESS"] = bus.stdout.readline().strip()
    ask = ["dbus-send", "--session", "--print-reply", "--reply-timeout=10000",
           "--dest=org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus.GetAddress"]
    if "unix:" not in subprocess.run(ask, env=env, capture_output=True, timeout=15,
                                     text=True).stdout:
        raise RuntimeError("the accessibility bus did not start within 10 s")
    os.environ.update(env)


def role(acc):
    return acc.getRoleName()


def children(acc):
    return [acc.getChildAtIndex(i) for i in range(acc.childCount)]


def walk(acc, depth=0):
    """(depth, accessible) for the window and everything in it."""
    yield depth, acc
    if role(acc) not in TABLE_ROLES:
        for child in children(acc):
            yield from walk(child, depth + 1)


def actions(acc):
    with contextlib.suppress(NotImplementedError):
        action = acc.queryAction()
        return [action.getName(i) for i in range(action.nActions)]
    return []


def showing(acc):
    acc.clear_cache()
    return acc.getState().contains(pyatspi.STATE_SHOWING)


def window(app, title):
    """The showing window of that title; the main window's ends in the program's name, and
    every other one is a dialog."""
    app.clear_cache()
    return next((top for top in children(app) if showing(top) and (
        role(top) != "dialog" and (top.name or "").endswith("Lotcraft") if title == MAIN
        else role(top) == "dialog" and top.name == title)), None)


def close_dialogs(app):
    """Escape for what a broken step left open; the titles of what stays."""
    for _ in range(3):
        app.clear_cache()
        shown = [top.name for top in children(app) if role(top) == "dialog" and showing(top)]
        if not shown:
            break
        xdotool("key", "Escape")
        time.sleep(0.5)
    return shown


def named(win, text):
    """The control whose name, or else whose description, is text."""
    rows = [acc for _, acc in walk(win)]
    return next((a for a in rows if a.name == text), None) or next(
        (a for a in rows if a.description == text), None)


def control(acc):
    """The control as a failure speaks of it: by its name, else by where it is."""
    box = acc.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return repr(acc.name) if acc.name else (
        f"(no name; in {acc.parent.name or role(acc.parent)!r}, at {box.x},{box.y})")


def check_window(win, where, expected, count=None):
    """What is wrong with the window's buttons and text boxes, one line a control."""
    rows = [acc for _, acc in walk(win)][1:]
    # The program's own buttons, while they say nothing of themselves, show as fillers: named
    # ones, or empty ones outside a text box (whose viewport is an empty one too).
    buttons = [a for a in rows if role(a) == BUTTON or role(a) == "filler" and (
        a.name or not a.childCount and role(a.parent) not in TEXT_ROLES)]
    wrongs = [(acc, [text for bad, text in [
        (role(acc) != BUTTON, f"role is {role(acc)!r}, not {BUTTON}"),
        (not acc.name, "it has no name"),
        (PRESS not in actions(acc), f"no {PRESS!r} action (has {actions(acc) or 'none'})")]
        if bad]) for acc in buttons]
    failures = [f"{where}: button {control(acc)}: " + "; ".join(wrong)
                for acc, wrong in wrongs if wrong]
    names = {acc.name for acc in rows}
    failures += [f"{where}: nothing is named {name!r}" for name in expected if name not in names]
    own = len([a for a in children(win) if role(a) == BUTTON])
    failures += [f"{where}: {own} push buttons of its own, not {count}"] if count not in (
        None, own) else []
    return failures + [f"{where}: text box {control(acc)} has no name" for acc in rows
                       if role(acc) in TEXT_ROLES and not acc.name]


def xdotool(*args):
    subprocess.run(["xdotool", *args], timeout=10, check=True)


def press(acc):
    """Presses through the action interface where there is one, else clicks with xdotool."""
    if PRESS in actions(acc):
        try:
            acc.queryAction().doAction(actions(acc).index(PRESS))
        except Exception:  # a modal dialog holds the answer back; the press went through
            pass
        return
    box = acc.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    xdotool("mousemove", str(box.x + box.width // 2), str(box.y + box.height // 2),
            "click", "1")


def start_lotcraft(args, env, language):
    # A home of its own each time, so that no settings come in or stay behind.
    home = tempfile.mkdtemp(prefix="home-", dir=env["XDG_RUNTIME_DIR"])
    env = {name: value for name, value in env.items()
           if name not in ("LC_ALL", "LC_MESSAGES", "LANGUAGE")}
    env.update(HOME=home, XDG_CONFIG_HOME=f"{home}/.config", XDG_DATA_HOME=f"{home}/.local",
               XDG_CACHE_HOME=f"{home}/.cache", XDG_RUNTIME_DIR=home, QT_QPA_PLATFORM="xcb",
               QT_ACCESSIBILITY="1", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", **language)
    lotcraft = start(args, env, stdout=subprocess.DEVNULL)

    def shown():  # raises while lotcraft is not on the bus yet
        app = next(a for a in children(pyatspi.Registry.getDesktop(0))
                   if a.get_process_id() == lotcraft.pid)
        return window(app, MAIN) and (lotcraft, app, window(app, MAIN))
    found = wait_for(lambda: lotcraft.poll() is not None or shown(), 30)
    if not found or found is True:
        end(lotcraft)
        raise RuntimeError(f"{args[0]} did not show its window on the accessibility bus "
                           f"within 30 s (it ended with status {lotcraft.returncode})")
    return found


def take_step(app, source, button, key, dialog, buttons):
    """The step's failures, and whether the steps after it can go on."""
    where = window(app, source)
    acc = where and named(where, button)
    if acc:
        press(acc)
    elif where and key:
        xdotool("key", *key.split())
    else:
        return [f"no {button!r} in {source!r} to press, nor a key"], False
    shown = wait_for(lambda: window(app, dialog) if dialog else not window(app, source), 10)
    if not shown:
        what = f"dialog {dialog!r} did not show" if dialog else f"{source!r} did not close"
        return [f"{what} on {button!r}; showing: {close_dialogs(app) or 'no dialog'}"], False
    return (check_window(shown, f"dialog {dialog!r}", buttons) if dialog else []), True


def walk_steps(app):
    """Each step's failures; after one, the steps up to the next from the main window wait."""
    failures, going = [], True
    for step in STEPS:
        if step[0] == MAIN:
            left = close_dialogs(app)
            failures += [f"{left} stayed open: {step[1]!r} was not pressed"] if left else []
            going = not left
        if going:
            found, going = take_step(app, *step)
            failures += found
    return failures


def check_english(env, program, catalogue):
    lotcraft, app, main = start_lotcraft([program, catalogue], env, {"LANG": "C.UTF-8"})
    failures = check_window(main, "main window", MAIN_BUTTONS, MAIN_BUTTON_COUNT)
    failures += [f"main window in English shows the German {n!r}" for n in GERMAN_NAMES
                 if n in {acc.name for _, acc in walk(main)}] + walk_steps(app)
    close_dialogs(app)
    # The form opens for a new record: its Cancel button comes into view.
    insert, cancel = named(main, "INSERT NEW RECORD"), named(main, "Cancel")
    pressable = insert and PRESS in actions(insert) and cancel
    if pressable:
        press(insert)
    if not (pressable and wait_for(lambda: showing(cancel), 5)):
        failures.append("main window: 'Cancel' did not come into view on a press of 'INSERT "
                        "NEW RECORD' through its action (or either is missing)")
    end(lotcraft)
    return failures


def check_german(env, program):
    lotcraft, _, main = start_lotcraft([program], env,
                                       {"LANG": "de_DE.UTF-8", "LANGUAGE": "de"})
    names = {acc.name for _, acc in walk(main)}
    end(lotcraft)
    missing = [name for name in GERMAN_NAMES if name not in names]
    return [f"main window in German: nothing is named {', '.join(map(repr, missing))}; its "
            f"names are {sorted(names)}"] if missing else []


def stopped(sig, _):
    raise TimeoutError(f"the test ran longer than {RUN_SECONDS} s" if sig == signal.SIGALRM
                       else "the test was stopped")


def main(argv):
    dumping = argv[1:2] == ["--dump"]
    args = argv[2:] if dumping else argv[1:]
    if len(args) not in ((1, 2) if dumping else (2,)) or not os.environ.get("DISPLAY"):
        print(__doc__.strip(), file=sys.stderr)
        return 2
    args[0] = os.path.abspath(args[0])
    for sig in (signal.SIGALRM, signal.SIGTERM):
        signal.signal(sig, stopped)
    signal.alarm(RUN_SECONDS)
    root = tempfile.mkdtemp(prefix="lotcraft-atspi-")
    env = dict(os.environ, XDG_RUNTIME_DIR=root)
    try:
        start_buses(env)
        global pyatspi
        import pyatspi  # only now: it finds the accessibility bus through env's session bus
        if dumping:
            main_window = start_lotcraft(args, env, {"LANG": "C.UTF-8"})[2]
            print("\n".join("  " * depth + f"{role(acc)}\t{acc.name}"
                            for depth, acc in walk(main_window)))
            return 0
        failures = check_english(env, *args) + check_german(env, args[0])
    except (RuntimeError, TimeoutError) as error:
        print(f"accessible tree: {error}", file=sys.stderr)
        return 1
    finally:
        signal.alarm(0)
        while STARTED:
            end(STARTED[-1])
        shutil.rmtree(root, ignore_errors=True)
    for failure in failures:
        print(f"FAIL {failure}")
    print(f"accessible tree: {len(failures)} failures" if failures else "accessible tree: ok")
    return 1 if failures else 0


if __name__ == "__main__":
    status = main(sys.argv)
    sys.stdout.flush()
    # Not through the accessibility library's own ending, which asks the buses gone by now.
    os._exit(status)
