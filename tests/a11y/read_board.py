#!/usr/bin/python3
"""Plays the board with real key presses under Xvfb and reads it back over
the desktop accessibility bus, as a screen reader does.
Usage (inside dbus-run-session): read_board.py SORVAT_PROGRAM PUZZLE_FILE
Fails when a needed program or module is missing (the setup installs them)."""
import os, shutil, signal, subprocess, sys, tempfile, time

try:
    import gi
    gi.require_version("Atspi", "2.0")
    from gi.repository import Atspi, GLib
except (ImportError, ValueError) as error:
    sys.exit("FAILED: no AT-SPI bindings (apt-get install python3-pyatspi gir1.2-atspi-2.0): %s" % error)
if not shutil.which("Xvfb") or not shutil.which("xdotool") or not os.environ.get("DBUS_SESSION_BUS_ADDRESS"):
    sys.exit("FAILED: needs Xvfb, xdotool and a session bus (apt-get install xvfb xdotool dbus-x11 at-spi2-core)")

heard = []  # (event type, name of its source), as a reader hears them
failures = []


def hear(event):
    heard.append((event.type, event.source.get_name()))


def wait_for(probe, seconds=10.0):
    end = time.time() + seconds
    while time.time() < end:
        while GLib.MainContext.default().iteration(False):
            pass
        value = probe()
        if value:
            return value
        time.sleep(0.05)
    return None


def check(value, message):
    if not value:
        failures.append(message)
        print("FAILED: " + message)


def find(node, name, depth=0):
    if node is None or depth > 12 or node.get_name() == name:
        return node
    for i in range(node.get_child_count()):
        found = find(node.get_child_at_index(i), name, depth + 1)
        if found is not None:
            return found
    return None


def application():
    desktop = Atspi.get_desktop(0)
    apps = [desktop.get_child_at_index(i) for i in range(desktop.get_child_count())]
    return next((a for a in apps if a is not None and a.get_name().lower() == "sorvat"), None)


def main():
    program, puzzle = sys.argv[1:3]
    work = tempfile.mkdtemp(prefix="sorvat-a11y-")
    read_end, write_end = os.pipe()
    server = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-nolisten", "tcp"], pass_fds=(write_end,),
                              stderr=subprocess.DEVNULL)
    os.close(write_end)
    env = dict(os.environ, DISPLAY=":" + os.fdopen(read_end).readline().strip(), QT_QPA_PLATFORM="xcb",
               QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", XDG_CONFIG_HOME=work)
    shutil.copy(program, work)  # the program keeps its settings beside itself
    shutil.copy(puzzle, os.path.join(work, "puzzle.md2"))
    sorvat = subprocess.Popen([os.path.join(work, "sorvat"), "--lang", "ja", "puzzle.md2"], cwd=work, env=env,
                              stdout=subprocess.DEVNULL)
    try:
        Atspi.init()
        listener = Atspi.EventListener.new(hear)
        for kind in ("object:property-change:accessible-name", "object:state-changed:focused",
                     "object:state-changed:showing"):
            listener.register(kind)
        # A loaded machine (the suite runs in parallel) can take long to start the program.
        table = wait_for(lambda: find(application(), "盤面"), 90)
        if table is None:
            sys.exit("FAILED: no board on the accessibility bus (the program %s)"
                     % ("ended with %d" % sorvat.poll() if sorvat.poll() is not None else "runs"))
        if "Table" not in table.get_interfaces():
            sys.exit("FAILED: the board has no table interface: %r" % table.get_interfaces())
        # A cell changed under the cursor is a new object: ask the table each time.
        cell = lambda row, column: Atspi.Table.get_accessible_at(table, row, column)
        cells = [table.get_child_at_index(i) for i in range(table.get_child_count())]
        names = [c.get_name() for c in cells]
        check(len(names) == 81 and len(set(names)) == 81, "81 distinct cells: %d, %d" % (len(names), len(set(names))))
        check({c.get_role() for c in cells} == {Atspi.Role.TABLE_CELL}, "every child is a table cell")
        check(names[:3] == ["X1 Y1 固定 5", "X2 Y1 固定 3", "X3 Y1 空き"], "the first row reads %r" % names[:3])
        check(cell(4, 2).get_name() == "X3 Y5 空き", "the table's cell at row 5, column 3: %r" % cell(4, 2).get_name())

        subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--pid", str(sorvat.pid), "--name", "Sorvat",
                        "windowfocus", "--sync"], env=env, check=True, stdout=subprocess.DEVNULL)

        def focused():
            cells = [table.get_child_at_index(i) for i in range(table.get_child_count())]
            return [c.get_name() for c in cells if c.get_state_set().contains(Atspi.StateType.FOCUSED)]

        check(wait_for(lambda: focused() == ["X1 Y1 固定 5"]), "the cursor cell X1 Y1 is focused: %r" % focused())
        # The cursor cell's change comes as a new focused cell, which a reader reads.
        for keys, row, column, expected in [(["Right", "Right", "4"], 0, 2, "X3 Y1 確定 4"),
                                            (["space"], 0, 2, "X3 Y1 固定 4"),
                                            (["Down", "ctrl+2", "ctrl+7"], 1, 2, "X3 Y2 空き 候補 2 7")]:
            subprocess.run(["xdotool", "key", "--delay", "60"] + keys, env=env, check=True)
            check(wait_for(lambda: cell(row, column).get_name() == expected),
                  "%s: %r" % (" ".join(keys), cell(row, column).get_name()))
            check(wait_for(lambda: ("object:state-changed:focused", expected) in heard), "%r heard" % expected)
        check(focused() == ["X3 Y2 空き 候補 2 7"], "the cursor cell X3 Y2 is focused: %r" % focused())
        subprocess.run(["xdotool", "key", "a"], env=env, check=True)  # the next move, announced by the status bar
        check(wait_for(lambda: any(kind == "object:state-changed:showing" and name.startswith("レベル 1 までの解析で")
                                   and " は " in name for kind, name in heard)),
              "the next-move explanation is heard: %r" % heard[-3:])
    finally:
        sorvat.send_signal(signal.SIGTERM)  # closes the window like its close box
        try:
            sorvat.wait(20)
        except subprocess.TimeoutExpired:  # never leave it behind
            sorvat.kill()
            sorvat.wait()
        check(sorvat.returncode == 0, "the program ends cleanly: %s" % sorvat.returncode)
        server.terminate()
        server.wait()
        shutil.rmtree(work, ignore_errors=True)
    if failures:
        sys.exit(1)
    print("The board reads correctly over the accessibility bus.")


main()
