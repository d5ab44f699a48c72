#!/usr/bin/python3
"""The window as a screen reader sees it: the program runs on a virtual X server with the
accessibility bus, and this script reads it through AT-SPI (pyatspi), as Orca does. Every control
must have a role and a name, and the hot key it has; the character table must be a 16 x 16 table
with headers whose cells name their characters, the current cell selected and focused, focus
events following the arrow keys; the status panels must be readable.

usage: tests/a11y/check.py PATH/TO/glyphora      (exit 77: skipped, a package is missing)
"""
import importlib.util
import os
import shutil
import subprocess
import sys
import tempfile
import time

LAUNCHER = "/usr/libexec/at-spi-bus-launcher"


def skip(what):
    print(f"SKIPPED: {what} is missing (scripts/setup installs it)")
    sys.exit(77)


# A session bus of our own: the script runs again inside dbus-run-session.
if os.environ.get("GLYPHORA_A11Y_SESSION") != "1":
    for tool in ("Xvfb", "dbus-run-session", "xdotool"):
        if not shutil.which(tool):
            skip(tool)
    if not os.path.exists(LAUNCHER):
        skip("at-spi2-core")
    if importlib.util.find_spec("pyatspi") is None:
        skip("python3-pyatspi")
    os.environ["GLYPHORA_A11Y_SESSION"] = "1"
    os.execvp("dbus-run-session", ["dbus-run-session", "--", sys.executable, *sys.argv])

# The hot keys of the controls enabled at start (disabled ones offer no actions).
HOT_KEYS = {
    ("push button", "Properties"): "Alt+P",
    ("check box", "Show All"): "Alt+L",
    ("radio button", "Go to (Hex):"): "Alt+G",
    ("radio button", "For Symbol:"): "Alt+S",
    ("radio button", "Search by Name/Entity:"): "Alt+N",
    ("radio button", "Unicode"): "Alt+M",  # the format group's key
    ("text", "To copy:"): "Alt+Y",
    ("push button", "Reset"): "Alt+R",
    ("push button", "About..."): "Alt+A",
    ("push button", "Quit"): "Alt+Q",
    ("check box", "Expanded Mode"): "Alt+X",
    ("check box", "Always on Top"): "Alt+O",
}
CONTROL_ROLES = {"push button", "toggle button", "check box", "radio button", "combo box", "text",
                 "list", "table", "scroll bar", "spin button", "slider"}
failures = []


def check(condition, message):
    if not condition:
        failures.append(message)
    return condition


def start(dir, program):
    with open(f"{dir}/display", "w") as display:
        # -noreset: the server must not start afresh when its last client leaves (the bus
        # launcher does, early), which would refuse the program's connection and wipe the
        # accessibility bus's address from the root window.
        xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(display.fileno()), "-screen", "0",
                                 "1600x1200x24", "-nolisten", "tcp", "-noreset"],
                                pass_fds=[display.fileno()], stderr=subprocess.DEVNULL)
    # Xvfb writes its display number once it takes connections; on a busy machine that can take
    # a while, and a server that died leaves no number at all.
    number = ""
    for _ in range(600):
        number = open(f"{dir}/display").read().strip()
        if number and os.path.exists(f"/tmp/.X11-unix/X{number}"):
            break
        if xvfb.poll() is not None:
            sys.exit("FAIL: Xvfb ended before it took connections")
        time.sleep(0.05)
    if not number:
        sys.exit("FAIL: Xvfb gave no display within 30 s")
    os.environ["DISPLAY"] = ":" + number
    bus = subprocess.Popen([LAUNCHER, "--launch-immediately"], stderr=subprocess.DEVNULL)
    env = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
               HOME=f"{dir}/home", XDG_CONFIG_HOME=f"{dir}/config", XDG_DATA_HOME=f"{dir}/data",
               XDG_RUNTIME_DIR=dir)
    window = subprocess.Popen([program], env=env)
    return [window, bus, xvfb]


def find_application(pyatspi, window):
    for _ in range(300):
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == "Glyphora":
                table = pyatspi.findDescendant(app, lambda a: a.getRoleName() == "table")
                if table is not None:
                    return app, table
        if window.poll() is not None:
            return None  # it could not start (the display went away under it)
        time.sleep(0.05)
    sys.exit("FAIL: the program's window never showed on the accessibility bus")


def label_of(pyatspi, acc):
    """What a reader announces a control by: its label, else its own name."""
    for relation in acc.getRelationSet():
        if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
            return relation.getTarget(0).name.strip()
    return acc.name.strip()


def check_controls(pyatspi, acc, path=""):
    role = acc.getRoleName()
    where = f"{path}/{role} '{acc.name}'"
    if role in CONTROL_ROLES:
        check(label_of(pyatspi, acc), f"{where}: no name")
        key = HOT_KEYS.pop((role, acc.name.strip()), None)
        if key is not None:
            action = acc.queryAction()
            keys = {action.getKeyBinding(i).lower() for i in range(action.nActions)}
            check(key.lower() in keys, f"{where}: hot key {key} not among {keys}")
    if role in ("combo box", "list", "table"):
        return  # their parts are checked below or are items
    for i in range(acc.childCount):
        check_controls(pyatspi, acc.getChildAtIndex(i), where)


def check_table(pyatspi, table):
    grid = table.queryTable()
    check((grid.nRows, grid.nColumns) == (16, 16), f"table is {grid.nRows} x {grid.nColumns}")
    # The window opens on the first page: cell (r, c) holds U+00rc.
    for cell_index in range(256):
        cell = grid.getAccessibleAt(cell_index // 16, cell_index % 16)
        check(cell.getRoleName() == "table cell" and f"U+{cell_index:04X}" in cell.name,
              f"cell {cell_index}: {cell.getRoleName()} '{cell.name}'")
    check(grid.getAccessibleAt(4, 1).name == "A U+0041 Latin Capital Letter A", "cell of A")
    check(grid.getColumnHeader(1).name == "1", "column header 1")
    check(grid.getColumnHeader(1).getRoleName() == "table column header", "column header role")
    check(grid.getRowHeader(4).name == "004", f"row header 4: '{grid.getRowHeader(4).name}'")
    check(grid.getRowHeader(4).getRoleName() == "table row header", "row header role")


def check_focus(pyatspi, app, table):
    from gi.repository import GLib
    focused = []
    pyatspi.Registry.registerEventListener(
        lambda event: event.detail1 and focused.append(event.source.name),
        "object:state-changed:focused")

    def wait_for(text):
        end = time.monotonic() + 15
        while time.monotonic() < end and not any(name.startswith(text) for name in focused):
            GLib.MainContext.default().iteration(False)
            time.sleep(0.01)
        return check(any(name.startswith(text) for name in focused),
                     f"no focus event for '{text}', only {focused[-3:]}")

    grid = table.queryTable()
    cell = grid.getAccessibleAt(4, 1)
    x, y, w, h = cell.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    # No window manager hands out the keyboard here: the window takes it as if it had been clicked.
    window = subprocess.run(["xdotool", "search", "--name", "^Glyphora"], capture_output=True,
                            text=True, timeout=10).stdout.split()
    subprocess.run(["xdotool", "windowfocus", "--sync", *window[:1]], timeout=10)
    subprocess.run(["xdotool", "mousemove", str(x + w // 2), str(y + h // 2), "click", "1"],
                   timeout=10)
    wait_for("A U+0041")
    states = cell.getState()
    check(states.contains(pyatspi.STATE_SELECTED) and states.contains(pyatspi.STATE_FOCUSED),
          "the clicked cell is not selected and focused")
    for key, text, name in (("Right", "B U+0042", "Latin Capital Letter B"),
                            ("Down", "R U+0052", "Latin Capital Letter R")):
        subprocess.run(["xdotool", "key", key], timeout=10)
        if wait_for(text):
            # The status panels read what the table shows.
            labels = {acc.name for acc in pyatspi.findAllDescendants(
                app, lambda a: a.getRoleName() == "label")}
            check({text.split()[1], name} <= labels, f"status panels do not read {text}")


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    check(run(os.path.realpath(sys.argv[1])), "the program ended before its window showed")
    for failure in failures:
        print("FAIL:", failure)
    print(f"{'FAILED' if failures else 'PASSED'}: the window through AT-SPI")
    sys.exit(1 if failures else 0)


def run(program):
    """Checks the program's window; False when the program ended before it showed."""
    with tempfile.TemporaryDirectory() as dir:
        processes = start(dir, program)
        try:
            import pyatspi
            found = find_application(pyatspi, processes[0])
            if found is None:
                return False
            app, table = found
            frame = app.getChildAtIndex(0)
            check(frame.getRoleName() == "frame" and frame.name.startswith("Glyphora"),
                  f"the window reads as {frame.getRoleName()} '{frame.name}'")
            check_controls(pyatspi, app)
            check(not HOT_KEYS, f"controls not found: {sorted(HOT_KEYS)}")
            check_table(pyatspi, table)
            check_focus(pyatspi, app, table)
        finally:
            for process in processes:
                process.terminate()
                process.wait()
    return True


if __name__ == "__main__":
    main()
