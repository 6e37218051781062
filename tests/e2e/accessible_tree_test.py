#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""What a screen reader is told about lotcraft's windows, read over the accessibility bus.

  accessible_tree_test.py LOTCRAFT SAMPLE_CATALOGUE   the checks; exit status 1 on a failure
  accessible_tree_test.py --dump LOTCRAFT [CATALOGUE] the main window's tree, "role<TAB>name"

Needs a display (run it under xvfb-run); it starts a session bus and an accessibility bus of
its own and ends them, and every program it started, however it ends.
"""

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
# The dialogs a catalogue opens, in order: title, the window it opens from, the button that
# opens it (by its name or its description, the tool tip), its buttons, and the one that
# closes it again.
MAIN = "main window"
DIALOGS = [
    ("Htmls", MAIN, "Write the pages of all items", ["Layout", "New Folder", "Ok", "Cancel"],
     "Cancel"),
    ("Auction Layout", "Htmls", "Layout", ["Ok"], "Ok"),
    ("Export for eBay", MAIN, "Export the catalogue as eBay's bulk listing file (Ctrl+E)",
     ["Export...", "Cancel"], "Cancel"),
]
# Names the main window shows in German (LANGUAGE=de); the English run must not show them.
GERMAN_NAMES = ["Abbrechen", "Löschen", "Schließen"]

BUTTON_ROLES = {"push button"}
TEXT_ROLES = {"text", "entry", "paragraph", "password text", "editbar"}
# A table's cells are the grid's data, not controls: the walk lists the table, not them.
TABLE_ROLES = {"table", "tree table"}
PRESS = "Press"
RUN_SECONDS = 150


def wait_for(what, seconds, step=0.2):
    """What what() returns first that is not empty, or None once the seconds are past."""
    end = time.monotonic() + seconds
    while True:
        try:
            found = what()
        except Exception:  # the object went away or the bus is not there yet: look again
            found = None
        if found or time.monotonic() > end:
            return found
        time.sleep(step)


def descendants(pid):
    parents = {}
    for entry in os.listdir("/proc"):
        try:
            with open(f"/proc/{entry}/stat") as stat:
                parents[int(entry)] = int(stat.read().rsplit(")", 1)[1].split()[1])
        except (ValueError, OSError, IndexError):
            continue
    found, todo = [], [pid]
    while todo:
        pid = todo.pop()
        children = [child for child, parent in parents.items() if parent == pid]
        found += children
        todo += children
    return found


class Programs:
    """The programs this test started; end() stops each, with what it started in turn."""

    def __init__(self):
        self.started = []

    def start(self, argv, env, **options):
        process = subprocess.Popen(argv, env=env, stdin=subprocess.DEVNULL,
                                   start_new_session=True, **options)
        self.started.append(process)
        return process

    def end(self, process):
        pids = [process.pid] + descendants(process.pid)
        for sig in (signal.SIGTERM, signal.SIGKILL):
            for pid in pids:
                try:
                    os.kill(pid, sig)
                except ProcessLookupError:
                    pass
            try:
                process.wait(timeout=3)
                if not any(os.path.exists(f"/proc/{pid}") for pid in pids[1:]):
                    break
            except subprocess.TimeoutExpired:
                pass
        if process in self.started:
            self.started.remove(process)

    def end_all(self):
        for process in reversed(list(self.started)):
            self.end(process)


def start_buses(programs, env):
    """A session bus and the accessibility bus on it; their addresses go into env."""
    bus = programs.start(["dbus-daemon", "--session", "--nofork", "--print-address=1"], env,
                         stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
    if not select.select([bus.stdout], [], [], 10)[0]:
        raise RuntimeError("the session bus did not start within 10 s")
    env["DBUS_SESSION_BUS_ADDRESS"] = bus.stdout.readline().strip()
    programs.start(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"], env,
                   stderr=subprocess.DEVNULL)
    ask = ["dbus-send", "--session", "--print-reply", "--reply-timeout=2000",
           "--dest=org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus.GetAddress"]
    if not wait_for(lambda: subprocess.run(ask, env=env, capture_output=True, timeout=5,
                                           text=True).stdout, 15):
        raise RuntimeError("the accessibility bus did not answer within 15 s")
    os.environ.update(env)


def role(acc):
    return acc.getRoleName()


def children(acc):
    return [acc.getChildAtIndex(i) for i in range(acc.childCount)]


def walk(acc, depth=0):
    """(depth, accessible) for the window and everything in it, tables' cells left out."""
    yield depth, acc
    if role(acc) not in TABLE_ROLES:
        for child in children(acc):
            yield from walk(child, depth + 1)


def actions(acc):
    try:
        action = acc.queryAction()
    except NotImplementedError:
        return []
    return [action.getName(i) for i in range(action.nActions)]


def showing(acc):
    acc.clear_cache()
    return acc.getState().contains(pyatspi.STATE_SHOWING)


def find_app(pid):
    desktop = pyatspi.Registry.getDesktop(0)
    for app in children(desktop):
        if app and (app.get_process_id() == pid or (app.name or "").lower() == "lotcraft"):
            return app
    return None


def window(app, title):
    """The showing top-level window whose title is title (the main window's: a frame)."""
    app.clear_cache()
    for top in children(app):
        if title == MAIN and role(top) == "frame" or top.name == title:
            if showing(top):
                return top
    return None


def named(win, text):
    """The control whose name, or else description, is text."""
    rows = [acc for _, acc in walk(win)]
    return next((a for a in rows if a.name == text), None) or next(
        (a for a in rows if a.description == text), None)


def check_window(win, where, expected, count=None):
    """What is wrong with the window's buttons and text boxes, one line each."""
    failures = []
    rows = [acc for _, acc in walk(win)]
    # Buttons drawn by the program that say nothing of themselves show as named fillers.
    buttons = [a for a in rows if role(a) in BUTTON_ROLES or role(a) == "filler" and a.name]
    for acc in buttons:
        said = f"{where}: control {acc.name or '(no name)'!r}"
        for wrong, text in [(role(acc) not in BUTTON_ROLES, f"role is {role(acc)!r}, "
                             "not push button"),
                            (not acc.name, "has no name"),
                            (PRESS not in actions(acc), f"no {PRESS!r} action (it has "
                             f"{actions(acc) or 'none'})")]:
            if wrong:
                failures.append(f"{said}: {text}")
    for name in expected:
        if not any(a.name == name and role(a) in BUTTON_ROLES for a in rows):
            failures.append(f"{where}: no push button named {name!r}")
    own = [a for a in children(win) if role(a) in BUTTON_ROLES]
    if count is not None and len(own) != count:
        failures.append(f"{where}: {len(own)} push buttons of its own, not {count}")
    for acc in rows:
        if (role(acc) in TEXT_ROLES) and not acc.name:
            failures.append(f"{where}: a text box ({role(acc)}, described as "
                            f"{acc.description!r}) has no name")
    return failures


def press(acc, programs):
    """Presses through the action interface where there is one, else clicks with xdotool."""
    if PRESS in actions(acc):
        try:
            acc.queryAction().doAction(actions(acc).index(PRESS))
        except Exception:  # a modal dialog holds the answer back; the press went through
            pass
        return
    box = acc.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    subprocess.run(["xdotool", "mousemove", str(box.x + box.width // 2),
                    str(box.y + box.height // 2), "click", "1"], timeout=10, check=True)


def start_lotcraft(programs, args, env, language):
    # A home of its own each time, so that no settings come in or stay behind.
    home = tempfile.mkdtemp(prefix="home-", dir=env["XDG_RUNTIME_DIR"])
    env = dict(env, HOME=home, XDG_CONFIG_HOME=f"{home}/.config",
               XDG_DATA_HOME=f"{home}/.local/share", XDG_CACHE_HOME=f"{home}/.cache",
               XDG_RUNTIME_DIR=home, QT_QPA_PLATFORM="xcb", QT_ACCESSIBILITY="1",
               QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", **language)
    for name in ("LC_ALL", "LC_MESSAGES", "LANGUAGE"):
        if name not in language:
            env.pop(name, None)
    lotcraft = programs.start(args, env, stdout=subprocess.DEVNULL)
    app = wait_for(lambda: find_app(lotcraft.pid), 20)
    main = app and wait_for(lambda: window(app, MAIN), 20)
    if not main:
        programs.end(lotcraft)
        raise RuntimeError(f"{args[0]} did not show its window on the accessibility bus "
                           "within 20 s")
    return lotcraft, app, main


def check_english(programs, env, program, catalogue):
    lotcraft, app, main = start_lotcraft(programs, [program, catalogue], env,
                                         {"LANG": "C.UTF-8"})
    failures = check_window(main, "main window", MAIN_BUTTONS, MAIN_BUTTON_COUNT)
    names = {acc.name for _, acc in walk(main)}
    failures += [f"main window in English shows the German {n!r}" for n in GERMAN_NAMES
                 if n in names]
    opened = [(MAIN, main, None)]
    for title, source, opener, buttons, closer in DIALOGS:
        while opened[-1][0] != source and len(opened) > 1:
            done = opened.pop()
            press(named(done[1], done[2]), programs)
        button = named(opened[-1][1], opener)
        if not button:
            failures.append(f"{title}: no button {opener!r} in {source} to open it")
            continue
        press(button, programs)
        dialog = wait_for(lambda: window(app, title), 10)
        if not dialog:
            failures.append(f"{title}: did not open when {opener!r} was pressed")
            continue
        failures += check_window(dialog, f"dialog {title!r}", buttons)
        opened.append((title, dialog, closer))
    for title, dialog, closer in reversed(opened[1:]):
        press(named(dialog, closer), programs)
        if wait_for(lambda: window(app, title), 3, step=0.5):
            failures.append(f"{title}: still open after {closer!r} was pressed")
    # The form opens for a new record: its Cancel button comes into view.
    insert, cancel = named(main, "INSERT NEW RECORD"), named(main, "Cancel")
    if not insert or PRESS not in actions(insert):
        failures.append("main window: 'INSERT NEW RECORD' cannot be pressed through its "
                        "action, so Cancel's coming into view was not checked")
    elif not cancel:
        failures.append("main window: no control named 'Cancel'")
    else:
        press(insert, programs)
        if not wait_for(lambda: showing(cancel), 5):
            failures.append("main window: 'Cancel' is not showing after "
                            "'INSERT NEW RECORD' was pressed")
    programs.end(lotcraft)
    return failures


def check_german(programs, env, program):
    lotcraft, _, main = start_lotcraft(
        programs, [program], env, {"LANG": "de_DE.UTF-8", "LANGUAGE": "de"})
    names = {acc.name for _, acc in walk(main)}
    programs.end(lotcraft)
    return [f"main window in German: nothing is named {n!r} (names: {sorted(names)})"
            for n in GERMAN_NAMES if n not in names]


def dump(programs, env, args):
    lotcraft, _, main = start_lotcraft(programs, args, env, {"LANG": "C.UTF-8"})
    for depth, acc in walk(main):
        print("  " * depth + f"{role(acc)}\t{acc.name}")
    programs.end(lotcraft)


def timed_out(*_):
    raise TimeoutError(f"the test ran longer than {RUN_SECONDS} s")


def main(argv):
    dumping = argv[1:2] == ["--dump"]
    args = argv[2:] if dumping else argv[1:]
    if len(args) not in ((1, 2) if dumping else (2,)) or not os.environ.get("DISPLAY"):
        print(__doc__.strip(), file=sys.stderr)
        return 2
    signal.signal(signal.SIGALRM, timed_out)
    signal.signal(signal.SIGTERM, timed_out)
    signal.alarm(RUN_SECONDS)
    programs = Programs()
    root = tempfile.mkdtemp(prefix="lotcraft-atspi-")
    env = dict(os.environ, XDG_RUNTIME_DIR=root)
    try:
        start_buses(programs, env)
        global pyatspi
        import pyatspi  # only now: it reaches the accessibility bus through env's session bus
        if dumping:
            dump(programs, env, [os.path.abspath(args[0])] + args[1:])
            return 0
        failures = check_english(programs, env, os.path.abspath(args[0]), args[1])
        failures += check_german(programs, env, os.path.abspath(args[0]))
    except (RuntimeError, TimeoutError) as error:
        print(f"accessible tree: {error}", file=sys.stderr)
        return 1
    finally:
        signal.alarm(0)
        programs.end_all()
        shutil.rmtree(root, ignore_errors=True)
    for failure in failures:
        print(f"FAIL {failure}")
    print(f"accessible tree: {len(failures)} failures" if failures else "accessible tree: ok")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
