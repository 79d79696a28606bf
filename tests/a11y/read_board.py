#!/usr/bin/python3
"""Plays the board by keyboard under a real X server and reads it back over
the desktop accessibility bus, as a screen reader does.

Usage: read_board.py SORVAT_PROGRAM PUZZLE_FILE
Run it inside a private session bus (dbus-run-session); it starts its own
Xvfb. Exits 77 (skipped) when a needed program or module is missing.
"""
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time

SKIP = 77


def skip(reason):
    print("SKIPPED: " + reason)
    sys.exit(SKIP)


try:
    import gi
    gi.require_version("Atspi", "2.0")
    from gi.repository import Atspi, GLib
except (ImportError, ValueError) as error:
    skip("the AT-SPI bindings are missing (apt-get install python3-pyatspi gir1.2-atspi-2.0): %s" % error)
for tool in ("Xvfb", "xdotool"):
    if shutil.which(tool) is None:
        skip("%s is missing (apt-get install xvfb xdotool)" % tool)
if not os.environ.get("DBUS_SESSION_BUS_ADDRESS"):
    skip("no session bus: run under dbus-run-session (apt-get install dbus-x11 at-spi2-core)")


# The events a reader hears: (kind, name of the source) as they arrive.
heard = []


def hear(event):
    try:
        heard.append((event.type, event.source.get_name()))
    except GLib.Error:
        pass


def wait_for(what, probe, seconds=20.0):
    end = time.time() + seconds
    context = GLib.MainContext.default()
    while time.time() < end:
        while context.iteration(False):
            pass
        value = probe()
        if value:
            return value
        time.sleep(0.05)
    raise SystemExit("FAILED: timed out waiting for " + what)


def start_x_server():
    read_end, write_end = os.pipe()
    server = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "800x800x24", "-nolisten", "tcp"],
                              pass_fds=(write_end,), stderr=subprocess.DEVNULL)
    os.close(write_end)
    with os.fdopen(read_end) as pipe:
        display = ":" + pipe.readline().strip()
    return server, display


def find(node, role, depth=0):
    if node is None or depth > 12:
        return None
    if node.get_role() == role:
        return node
    for i in range(node.get_child_count()):
        found = find(node.get_child_at_index(i), role, depth + 1)
        if found is not None:
            return found
    return None


def sorvat_application():
    desktop = Atspi.get_desktop(0)
    for i in range(desktop.get_child_count()):
        app = desktop.get_child_at_index(i)
        if app is not None and app.get_name().lower() == "sorvat":
            return app
    return None


def cell_names(table):
    return [table.get_child_at_index(i).get_name() for i in range(table.get_child_count())]


def focused_cells(table):
    return [table.get_child_at_index(i).get_name() for i in range(table.get_child_count())
            if table.get_child_at_index(i).get_state_set().contains(Atspi.StateType.FOCUSED)]


def main():
    program, puzzle = sys.argv[1], sys.argv[2]
    failures = []

    def check(condition, message):
        if not condition:
            failures.append(message)
            print("FAILED: " + message)

    work = tempfile.mkdtemp(prefix="sorvat-a11y-")
    server, display = start_x_server()
    app_process = None
    try:
        # The program keeps its settings beside itself: run a copy.
        shutil.copy(program, os.path.join(work, "sorvat"))
        shutil.copy(puzzle, os.path.join(work, "puzzle.md2"))
        env = dict(os.environ, DISPLAY=display, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                   LANG="ja_JP.UTF-8", LC_ALL="", XDG_CONFIG_HOME=work)
        env.pop("QT_ACCESSIBILITY", None)
        app_process = subprocess.Popen([os.path.join(work, "sorvat"), "--lang", "ja", "puzzle.md2"], cwd=work,
                                       env=env, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
        Atspi.init()
        listener = Atspi.EventListener.new(hear)
        for kind in ("object:property-change:accessible-name", "object:state-changed:focused"):
            listener.register(kind)
        app = wait_for("the program on the accessibility bus", sorvat_application)
        table = wait_for("the board's table", lambda: find(app, Atspi.Role.TABLE))
        check(table.get_name() == "盤面", "the table is named 盤面, not %r" % table.get_name())

        names = cell_names(table)
        check(len(names) == 81, "the table holds 81 cells, not %d" % len(names))
        check(len(set(names)) == len(names), "the cell names are distinct")
        check(names[0] == "X1 Y1: Lock 5", "X1 Y1 reads %r" % names[0])
        check(names[2] == "X3 Y1: 空き", "X3 Y1 reads %r" % names[2])
        roles = {table.get_child_at_index(i).get_role() for i in range(table.get_child_count())}
        check(roles == {Atspi.Role.TABLE_CELL}, "every child is a table cell: %r" % roles)

        subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--pid", str(app_process.pid), "--name", "Sorvat",
                        "windowfocus", "--sync"], env=env, check=True, stdout=subprocess.DEVNULL)
        check(wait_for("the focused cell", lambda: focused_cells(table) or None, 5) == ["X1 Y1: Lock 5"],
              "the cursor cell X1 Y1 has the focus")

        def keys(*names_of_keys):
            subprocess.run(["xdotool", "key", "--delay", "60"] + list(names_of_keys), env=env, check=True)

        def reads(index, expected):
            try:
                return wait_for("%r" % expected, lambda: table.get_child_at_index(index).get_name() == expected, 5)
            except SystemExit:
                return False

        def was_heard(kind, test):
            try:
                return wait_for(kind, lambda: any(k.startswith(kind) and test(name) for k, name in heard), 5)
            except SystemExit:
                return False

        keys("Right", "Right", "4")  # a Fix on X3 Y1
        check(reads(2, "X3 Y1: 4、Fix"), "arrows and 4 enter a Fix: %r" % table.get_child_at_index(2).get_name())
        check(focused_cells(table) == ["X3 Y1: 4、Fix"], "the cursor cell X3 Y1 has the focus")
        check(was_heard("object:state-changed:focused", lambda name: name.startswith("X3 Y1")),
              "moving the cursor announces the focused cell")
        check(was_heard("object:property-change:accessible-name", lambda name: name == "X3 Y1: 4、Fix"),
              "the entry announces the cell's new name")
        keys("space")  # Fix to Lock
        check(reads(2, "X3 Y1: Lock 4"), "Space makes a Lock: %r" % table.get_child_at_index(2).get_name())
        keys("Down", "ctrl+2", "ctrl+7")  # Possible marks on X3 Y2
        check(reads(11, "X3 Y2: 空き、候補 2 7"), "Ctrl+digit marks candidates: %r" % table.get_child_at_index(11).get_name())
        keys("a")  # the next move, explained in the status bar
        check(was_heard("object:property-change:accessible-name", lambda name: "X" in name and "Y" in name and
                        ":" not in name), "the next-move explanation is announced")
    finally:
        if app_process is not None:
            app_process.send_signal(signal.SIGTERM)
            try:
                app_process.wait(10)
            except subprocess.TimeoutExpired:
                app_process.kill()
        server.terminate()
        server.wait()
        shutil.rmtree(work, ignore_errors=True)
    if failures:
        sys.exit(1)
    print("The board reads correctly over the accessibility bus.")


if __name__ == "__main__":
    main()
