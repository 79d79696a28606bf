#!/usr/bin/python3
"""Plays random moves through the real window under Xvfb (keys by xdotool),
ends the program at a random moment with SIGKILL or SIGTERM, starts it again
without a file and checks that the game came back: every move older than the
continue file's coalescing window is on the board, no move is invented, the
continue file is whole, and no unfinished save is left beside it.

Usage: kill_and_resume.py SORVAT_PROGRAM PUZZLE_FILE [--rounds N] [--seed S] [--report FILE]
The board after a restart is read from the continue file the restarted
program writes when it is closed (SIGTERM, like its close box)."""
import argparse, os, random, re, shutil, signal, subprocess, sys, tempfile, time

CONTINUE = "_Sorvat.Continue.md1"
WINDOW = 1.0 + 0.5  # the coalescing window, and time for the keys to arrive
LINE = re.compile(rb"^(//.*|[LFS][1-9]{3})$")


class Failure(Exception):
    pass


def read_entries(path):
    """The Fix entries of a continue file as {(x, y): digit}, and its Locks."""
    data = open(path, "rb").read()
    if data and not data.endswith(b"\r\n"):
        raise Failure("the continue file is cut off: %r" % data[-20:])
    fixes, locks = {}, {}
    for line in data.split(b"\r\n")[:-1]:
        if not LINE.match(line):
            raise Failure("the continue file has a broken line: %r" % line)
        if line[:1] in (b"F", b"L"):
            x, y, d = (int(chr(c)) for c in line[1:4])
            (fixes if line[:1] == b"F" else locks)[(x, y)] = d
    return fixes, locks


class Player:
    def __init__(self, program, puzzle, rng):
        self.rng = rng
        self.work = tempfile.mkdtemp(prefix="sorvat-soak-")
        read_end, write_end = os.pipe()
        self.server = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-nolisten", "tcp"],
                                       pass_fds=(write_end,), stderr=subprocess.DEVNULL)
        os.close(write_end)
        self.env = dict(os.environ, DISPLAY=":" + os.fdopen(read_end).readline().strip(), QT_QPA_PLATFORM="xcb",
                        XDG_CONFIG_HOME=self.work)
        shutil.copy(program, self.work)  # the program keeps its settings beside itself
        shutil.copy(puzzle, os.path.join(self.work, "puzzle.md2"))
        self.process = None

    def start(self, *arguments):
        self.process = subprocess.Popen([os.path.join(self.work, "sorvat"), "--lang", "ja", *arguments],
                                        cwd=self.work, env=self.env, stdout=subprocess.DEVNULL,
                                        stderr=subprocess.DEVNULL)
        subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--pid", str(self.process.pid), "--name",
                        "Sorvat", "windowfocus", "--sync"], env=self.env, check=True, stdout=subprocess.DEVNULL,
                       timeout=60)

    def keys(self, *keys):
        subprocess.run(["xdotool", "key", "--delay", "15", *keys], env=self.env, check=True)

    def end(self, how):
        self.process.send_signal(how)
        code = self.process.wait(30)
        if how == signal.SIGTERM and code != 0:
            raise Failure("the program did not close cleanly on SIGTERM: %s" % code)

    def close(self):
        if self.process and self.process.poll() is None:
            self.process.kill()
            self.process.wait()
        self.server.terminate()
        self.server.wait()
        shutil.rmtree(self.work, ignore_errors=True)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("program")
    parser.add_argument("puzzle")
    parser.add_argument("--rounds", type=int, default=5)
    parser.add_argument("--seed", type=int, default=int(time.time()))
    parser.add_argument("--report")
    options = parser.parse_args()
    for tool in ("Xvfb", "xdotool"):
        if not shutil.which(tool):
            sys.exit("FAILED: %s is missing (the setup installs xvfb and xdotool)" % tool)
    rng = random.Random(options.seed)
    player = Player(options.program, options.puzzle, rng)
    continue_file = os.path.join(player.work, CONTINUE)
    kills = {signal.SIGKILL: 0, signal.SIGTERM: 0}
    moves = lost = late = 0
    try:
        player.start("puzzle.md2")
        player.end(signal.SIGTERM)
        board, givens = read_entries(continue_file)  # the player's Fix digits, as the program holds them
        player.start()
        for round_number in range(options.rounds):
            at_start = dict(board)
            history = {}  # (x, y) -> [(time, digit or None after the move)] of this round
            for _ in range(rng.randint(1, 12)):
                x, y = rng.choice([(x, y) for x in range(1, 10) for y in range(1, 10) if (x, y) not in givens])
                cursor = ["ctrl+Home"] + ["Right"] * (x - 1) + ["Down"] * (y - 1)
                if (x, y) in board:
                    player.keys(*cursor, "Delete")
                    del board[(x, y)]
                else:
                    board[(x, y)] = rng.randint(1, 9)
                    player.keys(*cursor, str(board[(x, y)]))
                history.setdefault((x, y), []).append((time.time(), board.get((x, y))))
                moves += 1
                time.sleep(rng.uniform(0, 0.4))
            time.sleep(rng.choice([0, rng.uniform(0, 2.5)]))
            how = signal.SIGKILL if rng.random() < 0.7 else signal.SIGTERM
            killed_at = time.time()
            player.end(how)
            kills[how] += 1

            player.start()  # without a file: the game in progress comes back
            player.end(signal.SIGTERM)  # its exit writes the board it holds
            leftovers = [name for name in os.listdir(player.work) if name.startswith(".sorvat-")]
            if leftovers:
                raise Failure("round %d: unfinished saves left: %s" % (round_number, leftovers))
            fixes, locks = read_entries(continue_file)
            if locks != givens:
                raise Failure("round %d: the givens changed: %r" % (round_number, locks))
            for cell in set(at_start) | set(fixes) | set(history):
                changes = history.get(cell, [])
                settled = [digit for moment, digit in changes if moment < killed_at - WINDOW]
                recent = [digit for moment, digit in changes if moment >= killed_at - WINDOW]
                # Any prefix of the recent changes may have reached the file.
                acceptable = {settled[-1] if settled else at_start.get(cell), *recent}
                if fixes.get(cell) not in acceptable:
                    lost += 1
                    raise Failure("round %d (%s): X%dY%d holds %r, expected one of %r" % (
                        round_number, signal.Signals(how).name, cell[0], cell[1], fixes.get(cell), acceptable))
                if changes and fixes.get(cell) != changes[-1][1]:
                    late += 1
            board = dict(fixes)
            player.start()  # the next round plays on the resumed game
        print("soak: seed %d, %d rounds, %d moves, SIGKILL %d, SIGTERM %d, moves lost beyond the window %d, "
              "moves within the window not yet saved %d" % (options.seed, options.rounds, moves,
                                                            kills[signal.SIGKILL], kills[signal.SIGTERM], lost, late))
        if options.report:
            with open(options.report, "a") as report:
                report.write("%d %d %d %d %d %d %d\n" % (options.seed, options.rounds, moves, kills[signal.SIGKILL],
                                                         kills[signal.SIGTERM], lost, late))
    except (Failure, subprocess.SubprocessError) as error:
        print("FAILED: %s (seed %d)" % (error, options.seed))
        sys.exit(1)
    finally:
        player.close()


main()
