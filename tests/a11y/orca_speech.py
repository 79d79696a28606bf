#!/usr/bin/python3
"""Plays the board with real key presses while the Orca screen reader runs and
checks what Orca says: its debug log has every utterance as a line
"SPEECH OUTPUT: '...'", the audio goes to a null ALSA device.
Usage (inside dbus-run-session): orca_speech.py SORVAT_PROGRAM PUZZLE_FILE
Fails when a program the setup installs is missing."""
import os, re, shutil, signal, subprocess, sys, tempfile, time

NEEDED = {"Xvfb": "xvfb", "xdotool": "xdotool", "orca": "orca", "speech-dispatcher": "speech-dispatcher",
          "espeak-ng": "espeak-ng", "xprop": "x11-utils"}
missing = [package for program, package in NEEDED.items() if not shutil.which(program)]
if not os.path.exists("/usr/lib/speech-dispatcher-modules/sd_espeak-ng"):
    missing.append("speech-dispatcher-espeak-ng")
if missing or not os.environ.get("DBUS_SESSION_BUS_ADDRESS"):
    sys.exit("FAILED: needs a session bus and apt-get install %s" % " ".join(missing or ["dbus-x11"]))
# Orca starts once for a user: another one running (a desktop's, a manual run's) stops it.
if subprocess.run(["pgrep", "-u", str(os.getuid()), "-x", "orca"], stdout=subprocess.DEVNULL).returncode == 0:
    sys.exit("FAILED: another Orca of this user runs; Orca would not start")

# Signs a voice reads out, half-width kana and English words a Japanese voice spells.
SIGNS = re.compile(r"[:()<>=\u3001\u3002\uff61-\uff9f]|\.\.\.|\b(Lock|Fix|Undo|Redo|QSave|QLoad|Reset|Info|Level)\b")
# Orca's own lines: the start, the window title (a file name) and the echo of keys.
ORCA_OWN = re.compile(r"^(Screen reader (on|off)\.|.* - Sorvat frame\.|.* )$")
SPOKEN = re.compile(r"SPEECH OUTPUT: '(.*)' ?\{")
failures = []


def wait_for(probe, seconds):
    end = time.time() + seconds
    while time.time() < end:
        value = probe()
        if value:
            return value
        time.sleep(0.1)
    return None


def main():
    program, puzzle = sys.argv[1:3]
    work = tempfile.mkdtemp(prefix="sorvat-orca-")
    home, log = os.path.join(work, "home"), os.path.join(work, "orca.log")
    config, runtime = os.path.join(home, ".config"), os.path.join(work, "runtime")
    for folder in (os.path.join(config, "speech-dispatcher"), runtime):
        os.makedirs(folder, mode=0o700)
    # speech-dispatcher without a sound card: ALSA into a file device over null.
    with open("/etc/speech-dispatcher/speechd.conf") as system, \
            open(os.path.join(config, "speech-dispatcher", "speechd.conf"), "w") as own:
        own.write(system.read() + '\nAudioOutputMethod "alsa"\n')
    with open(os.path.join(home, ".asoundrc"), "w") as alsa:
        alsa.write('pcm.!default { type file; slave.pcm "null"; file "/dev/null"; format "raw" }\n')
    env = dict(os.environ, HOME=home, XDG_CONFIG_HOME=config, XDG_DATA_HOME=os.path.join(home, "data"),
               XDG_RUNTIME_DIR=runtime, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    env.pop("LANGUAGE", None)
    read_end, write_end = os.pipe()
    started = [subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-nolisten", "tcp", "-screen", "0",
                                 "1280x1024x24"], pass_fds=(write_end,), stderr=subprocess.DEVNULL)]
    os.close(write_end)
    with os.fdopen(read_end) as display:
        env["DISPLAY"] = ":" + display.readline().strip()
    quiet = dict(stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, env=env)
    started.append(subprocess.Popen(["speech-dispatcher", "--run-single", "--timeout", "0"], **quiet))
    # Orca with its debug log written line by line, so it can be read while Orca runs.
    line_buffered = ("import builtins, runpy, sys\n"
                     "plain = builtins.open\n"
                     "builtins.open = lambda f, m='r', *a, **k: plain(f, m, 1) if f == sys.argv[-1] else plain(f, m, *a, **k)\n"
                     "sys.argv[0] = '/usr/bin/orca'\n"
                     "runpy.run_path('/usr/bin/orca', run_name='__main__')\n")
    started.append(subprocess.Popen(["/usr/bin/python3", "-c", line_buffered, "--user-prefs", os.path.join(config, "orca"),
                                     "--debug-file", log], **quiet))

    def said():
        try:
            with open(log, errors="replace") as text:
                return SPOKEN.findall(text.read())
        except FileNotFoundError:
            return []

    def hear(after, expected, seconds=60):
        """Waits until a line after the first `after` lines matches `expected`; the lines up to it."""
        lines = wait_for(lambda: next((said()[:after + i + 1] for i, line in enumerate(said()[after:])
                                       if re.fullmatch(expected, line)), None), seconds)
        if lines is None:
            failures.append("%r not heard; Orca said %r" % (expected, said()[after:]))
        return lines or []

    sorvat = None
    try:
        if not hear(0, r"Screen reader on\.", 60):
            return
        shutil.copy(program, work)  # the program keeps its settings beside itself
        shutil.copy(puzzle, os.path.join(work, "puzzle.md2"))
        sorvat = subprocess.Popen([os.path.join(work, "sorvat"), "--lang", "ja", "puzzle.md2"], cwd=work, **quiet)
        window = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--pid", str(sorvat.pid), "--name",
                                 "Sorvat"], env=env, check=True, capture_output=True, text=True, timeout=120).stdout.split()[0]
        subprocess.run(["xdotool", "windowfocus", "--sync", window], env=env, check=True, timeout=60)
        if not hear(0, r"X1 Y1 固定 5\."):
            return
        # Each key and what Orca says after it, up to the line that must come.
        steps = [("Right Right", r"X3 Y1 空き\."),
                 ("9", r"X3 Y1 確定 9\."),  # the changed cursor cell, said again
                 ("KP_Enter", r"X3 Y1 確定 9\."),  # Where Am I ("table cell" first): the cell as it is now
                 ("Down", r"X3 Y2 空き\."),  # the cell, not the row
                 ("ctrl+2", r"X3 Y2 空き 候補 2\."),
                 ("Up", r"X3 Y1 確定 9\."),
                 ("Delete", r"X3 Y1 空き\."),
                 ("a", r"レベル 1 までの解析で X\d Y\d は \d に確定します .*しかありません\."),
                 ("Tab", r"元に戻す push button\."),  # the bar with its counters, then its first button
                 ("shift+Tab", r"X3 Y1 空き\."),
                 ("shift+Tab", r"解析レベル 0 spin button\."),
                 ("Up", r"1")]
        for keys, expected in steps:
            mark = len(said())
            subprocess.run(["xdotool", "key", "--clearmodifiers", "--delay", "100"] + keys.split(), env=env, check=True)
            lines = hear(mark, expected)
            if keys == "KP_Enter" and "table cell." not in lines[mark:]:
                failures.append("no Where Am I: %r" % lines[mark:])
            if keys == "Down" and any(line.startswith(("X1 Y2", "X2 Y2")) for line in lines[mark:]):
                failures.append("Down reads the row: %r" % lines[mark:])
            if keys == "Tab" and not any(line.startswith("入力済み 31 マス 数字 1 は 3 個") for line in lines[mark:]):
                failures.append("the counters are not read with the bar: %r" % lines[mark:])
        for line in said():
            if not ORCA_OWN.match(line) and SIGNS.search(line):
                failures.append("a sign or a spelled word is read out: %r" % line)
    finally:
        if sorvat is not None:
            sorvat.send_signal(signal.SIGTERM)  # closes the window like its close box
            try:
                sorvat.wait(30)
            except subprocess.TimeoutExpired:  # never leave it behind
                sorvat.kill()
        for process in reversed(started):  # Orca, speech-dispatcher (and its voice), Xvfb
            process.terminate()
            try:
                process.wait(30)
            except subprocess.TimeoutExpired:
                process.kill()
        if failures and os.environ.get("SORVAT_ORCA_LOG"):
            shutil.copy(log, os.environ["SORVAT_ORCA_LOG"])
        shutil.rmtree(work, ignore_errors=True)


main()
if failures:
    sys.exit("FAILED: " + "\nFAILED: ".join(failures))
print("Orca says every move.")
