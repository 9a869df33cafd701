# SPDX-FileCopyrightText: 2026 The Kazoumi developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""One turn of the game played with the keyboard only, under the Orca screen reader.

Starts a private X server, a D-Bus session, the AT-SPI bus, Orca (writing what it speaks to its
debug file) and the game, then plays a turn with key presses alone: Space on "go!" and on "stop",
Tab to a hold box and Space, Shift+Tab back to the roll button, two more rolls, Shift+Tab to the
"Chance" box and Space. It checks what Orca said against what the game shows, read through AT-SPI:
the five faces once after each stop (and never while the dice spin), the held die, the score and
the total after the commit. Every process it starts is ended when it leaves, whatever happened.

Usage: orca_turn.py GAME_EXECUTABLE
"""

import os
import pty
import re
import signal
import subprocess
import sys
import tempfile
import threading
import time
import tty

# "SPEECH OUTPUT: 'text'", then maybe " voice=name" and the voice's settings in braces.
UTTERANCE = re.compile(r"SPEECH OUTPUT: '(.*)'(?: voice=\w+)?(?: ?\{.*\})?\s*$")
DICE = re.compile(r"Dés : (\d)( gardé)?, (\d)( gardé)?, (\d)( gardé)?, (\d)( gardé)?, (\d)( gardé)?\.")
WAIT = 60  # seconds to wait for any one thing on a loaded machine


class Failure(Exception):
    pass


class Processes:
    """The processes the test starts, each in a session of its own, ended in reverse order."""

    def __init__(self, marker):
        self.marker = marker.encode()
        self.groups = []
        self.pids = []

    def start(self, args, env, **kwargs):
        process = subprocess.Popen(args, env=env, start_new_session=True, **kwargs)
        self.groups.append(process)
        return process

    def adopt(self, pid):
        """A process started by another one (the session bus daemon) that must end too."""
        self.pids.append(pid)

    def stop_all(self):
        for process in reversed(self.groups):
            self._signal_group(process.pid, signal.SIGTERM)
            try:
                process.wait(timeout=5)
            except subprocess.TimeoutExpired:
                self._signal_group(process.pid, signal.SIGKILL)
                process.wait()
        for pid in self.pids:
            self._signal(pid, signal.SIGKILL)
        # What the buses started on their own (the AT-SPI registry, the settings service) carries
        # the test's private runtime folder in its environment: end those too, one by one.
        for pid in self._strays():
            self._signal(pid, signal.SIGKILL)

    def _strays(self):
        own = {os.getpid(), os.getppid()}
        for entry in os.listdir("/proc"):
            if not entry.isdigit() or int(entry) in own:
                continue
            try:
                with open(f"/proc/{entry}/environ", "rb") as environ:
                    if self.marker in environ.read():
                        yield int(entry)
            except OSError:
                pass

    @staticmethod
    def _signal_group(pid, sig):
        try:
            os.killpg(pid, sig)
        except ProcessLookupError:
            pass

    @staticmethod
    def _signal(pid, sig):
        try:
            os.kill(pid, sig)
        except ProcessLookupError:
            pass


class Speech:
    """What Orca said, read from its debug file as it grows."""

    def __init__(self, path):
        self.path = path
        self.heard = 0  # utterances already matched by a wait

    def utterances(self):
        try:
            with open(self.path, encoding="utf-8", errors="replace") as log:
                lines = log.read().splitlines()
        except FileNotFoundError:
            return []
        said = []
        for line in lines:
            match = UTTERANCE.search(line)
            if match:
                said.append(match.group(1))
        return said

    def wait_for(self, pattern, what):
        """The first utterance after the last one waited for that matches `pattern`."""
        deadline = time.monotonic() + WAIT
        while True:
            said = self.utterances()
            for index in range(self.heard, len(said)):
                match = re.search(pattern, said[index])
                if match:
                    self.heard = index + 1
                    return match
            if time.monotonic() > deadline:
                raise Failure(f"Orca did not say {what} (/{pattern}/); since then it said: "
                              f"{said[self.heard:]}")
            time.sleep(0.05)


class Board:
    """The game as AT-SPI shows it to any assistive technology."""

    def __init__(self, pyatspi):
        self.pyatspi = pyatspi
        deadline = time.monotonic() + WAIT
        while True:
            desktop = pyatspi.Registry.getDesktop(0)
            apps = [app for app in desktop if app is not None and app.name == "kazoumi"]
            if apps:
                self.app = apps[0]
                return
            if time.monotonic() > deadline:
                raise Failure("the game did not show up on the AT-SPI bus")
            time.sleep(0.1)

    def names(self):
        """Every accessible name in the game's window, read afresh."""
        self.app.clearCache()
        found = []

        def walk(node):
            for child in node:
                if child is None:
                    continue
                found.append((child.name, child))
                walk(child)

        walk(self.app)
        return found

    def faces(self):
        """The face each die shows, "Dé 1 : 4" giving "4"."""
        faces = {}
        for name, _ in self.names():
            match = re.fullmatch(r"Dé (\d) : (.*)", name)
            if match:
                faces[int(match.group(1))] = match.group(2)
        if sorted(faces) != [1, 2, 3, 4, 5]:
            raise Failure(f"AT-SPI shows dice {sorted(faces)}")
        return [faces[die] for die in range(1, 6)]

    def field(self, prefix):
        for name, node in self.names():
            if name.startswith(prefix) and node.getRole() == self.pyatspi.ROLE_LABEL:
                return name
        raise Failure(f"no field {prefix!r} on the AT-SPI bus")


def relay_to_file(path):
    """A terminal for Orca to write its debug text to, copied line by line into `path`.

    Orca writes its debug file through a buffer that it flushes only when full, so a file would
    hold back the last things said. Written to a terminal, each line goes out as it ends.
    """
    master, slave = pty.openpty()
    tty.setraw(slave)

    def copy():
        with open(path, "ab", buffering=0) as log:
            while True:
                try:
                    data = os.read(master, 65536)
                except OSError:  # the test is over
                    return
                if not data:
                    return
                log.write(data)

    threading.Thread(target=copy, daemon=True).start()
    # The test keeps its own end of the terminal open: reading never sees it closed.
    return os.ttyname(slave)


def alone(env):
    """The command that runs Orca in a process namespace of its own.

    Orca refuses to start beside another Orca of the same user, and its --replace option kills
    every other one: there it sees none, so the test neither waits for nor ends the screen reader
    of anyone else on the machine (a user's own, another run of the tests).
    """
    command = ["unshare", "--pid", "--fork", "--kill-child", "--mount-proc"]
    if os.getuid() != 0:
        command.insert(1, "--map-current-user")
    if subprocess.run(command + ["true"], env=env, capture_output=True,
                      timeout=WAIT).returncode != 0:
        return []  # no namespaces here: Orca then starts only if no other one runs
    return command


def key(env, name):
    subprocess.run(["xdotool", "key", name], env=env, check=True, timeout=WAIT)


def spoken_dice(match):
    faces = [match.group(2 * i + 1) for i in range(5)]
    held = [bool(match.group(2 * i + 2)) for i in range(5)]
    return faces, held


def play(game, folder, processes):
    env = dict(os.environ)
    for variable in ("DBUS_SESSION_BUS_ADDRESS", "AT_SPI_BUS_ADDRESS", "WAYLAND_DISPLAY",
                     "QT_QPA_PLATFORM", "QT_ACCESSIBILITY"):
        env.pop(variable, None)
    env.update({
        "HOME": folder,
        "XDG_RUNTIME_DIR": folder,
        "XDG_CONFIG_HOME": os.path.join(folder, "config"),
        "XDG_CACHE_HOME": os.path.join(folder, "cache"),
        "XDG_DATA_HOME": os.path.join(folder, "data"),
        "LC_ALL": "C.UTF-8",
        # No speech synthesiser: Orca must not start the speech daemon, and logs what it would say.
        "SPEECHD_CMD": "/bin/false",
    })

    # A private X server on the first free display.
    read_end, write_end = os.pipe()
    processes.start(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1024x768x24",
                     "-nolisten", "tcp"], env, pass_fds=(write_end,), stdout=subprocess.DEVNULL,
                    stderr=subprocess.DEVNULL)
    os.close(write_end)
    with os.fdopen(read_end) as display:
        number = display.readline().strip()
    if not number:
        raise Failure("Xvfb did not start")
    env["DISPLAY"] = f":{number}"

    # The D-Bus session, then the accessibility bus beside it.
    launched = subprocess.run(["dbus-launch"], env=env, capture_output=True, text=True,
                              check=True, timeout=WAIT).stdout
    variables = dict(line.split("=", 1) for line in launched.splitlines() if "=" in line)
    processes.adopt(int(variables["DBUS_SESSION_BUS_PID"]))
    env["DBUS_SESSION_BUS_ADDRESS"] = variables["DBUS_SESSION_BUS_ADDRESS"]
    processes.start(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"], env,
                    stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    log = os.path.join(folder, "orca-debug.txt")
    speech = Speech(log)
    debug_file = relay_to_file(log)
    with open(os.path.join(folder, "orca-output.txt"), "wb") as output:
        processes.start(alone(env) + ["orca", f"--debug-file={debug_file}", "-u",
                                      os.path.join(folder, "orca-prefs")],
                        env, stdout=output, stderr=subprocess.STDOUT)
    speech.wait_for(r".", "anything (it did not start)")

    game_env = dict(env, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb")
    processes.start([game], game_env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    # No window manager gives the window the keyboard: xdotool does.
    window = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name", "kazoumi"],
                            env=env, capture_output=True, text=True, check=True,
                            timeout=WAIT).stdout.split()[0]
    subprocess.run(["xdotool", "windowfocus", "--sync", window], env=env, check=True,
                   timeout=WAIT)
    speech.wait_for(r"go!", "the roll button as the window opens")

    for variable in ("DISPLAY", "DBUS_SESSION_BUS_ADDRESS", "XDG_RUNTIME_DIR", "HOME"):
        os.environ[variable] = env[variable]
    import pyatspi  # pylint: disable=import-outside-toplevel

    board = Board(pyatspi)
    stops = 0

    def roll(last):
        nonlocal stops
        key(env, "space")
        speech.wait_for(r"\bstop\b", 'the roll button now reading "stop"')
        # The dice spin: their names change under AT-SPI, and nothing is said of it.
        before = board.faces()
        deadline = time.monotonic() + WAIT
        while board.faces() == before:
            if time.monotonic() > deadline:
                raise Failure("the dice do not spin")
            time.sleep(0.02)
        key(env, "space")
        stops += 1
        match = speech.wait_for(DICE.pattern, "the five faces after the stop")
        faces, held = spoken_dice(match)
        shown = board.faces()
        if faces != shown:
            raise Failure(f"Orca said the dice are {faces}, the game shows {shown}")
        if last and "Les trois lancers sont joués" not in match.string:
            raise Failure(f"the third roll did not say that the rolls are used up: "
                          f"{match.string!r}")
        return faces, held

    def move_focus(step, pattern, what):
        for _ in range(16):
            key(env, step)
            match = speech.wait_for(r"^(Case .*|Garder le dé .*|go!.*)$", "the next control")
            if re.search(pattern, match.group(1)):
                return match
        raise Failure(f"{step} never reached {what}")

    # First roll.
    faces, held = roll(last=False)
    if any(held):
        raise Failure("a die is said to be held before any hold box was used")

    # Tab to a hold box: it names its die and that die's face; Space holds the die.
    match = move_focus("Tab", r"^Garder le dé (\d) : (\d)", "a hold box")
    die = int(re.search(r"Garder le dé (\d) : (\d)", match.group(1)).group(1))
    if not re.search(rf"Garder le dé {die} : {faces[die - 1]}\b", match.group(1)):
        raise Failure(f"the hold box said {match.group(1)!r}, its die shows {faces[die - 1]}")
    key(env, "space")
    speech.wait_for(r"\bchecked\b", "that the hold box is checked")
    move_focus("shift+Tab", r"^go!", "the roll button")

    # Second roll: the held die keeps its face and is said to be held.
    second, held = roll(last=False)
    if held != [index == die - 1 for index in range(5)] or second[die - 1] != faces[die - 1]:
        raise Failure(f"after holding die {die} showing {faces[die - 1]}, Orca said {second} "
                      f"held {held}")

    # Third roll: the button is spent, the focus moves on to the score sheet.
    third, _ = roll(last=True)

    # Shift+Tab back round to the "Chance" box, and score it.
    move_focus("shift+Tab", r"^Case Chance\b", 'the "Chance" box')
    key(env, "space")
    match = speech.wait_for(r"Case Chance : (\d+) points\. Total : (\d+) points\.",
                            "the score and the total")
    score, total = int(match.group(1)), int(match.group(2))
    expected = sum(int(face) for face in third)
    if score != expected or total != expected:
        raise Failure(f"Orca said {score} and total {total}; the dice {third} make {expected}")
    shown = (board.field("Case Chance : "), board.field("Total : "))
    if shown != (f"Case Chance : {score} points", f"Total : {total} points"):
        raise Failure(f"the game shows {shown}")

    said = speech.utterances()
    told = [utterance for utterance in said if DICE.search(utterance)]
    if len(told) != stops:
        raise Failure(f"{stops} stops, but the faces were said {len(told)} times: {told}")
    return said


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    with tempfile.TemporaryDirectory(prefix="kazoumi-orca-") as folder:
        processes = Processes(folder)
        try:
            said = play(sys.argv[1], folder, processes)
        except (Failure, subprocess.SubprocessError) as failure:
            print(f"FAIL: {failure}")
            with open(os.path.join(folder, "orca-output.txt"), errors="replace") as output:
                print("Orca's output:", output.read()[-3000:])
            print("What Orca said:")
            for utterance in Speech(os.path.join(folder, "orca-debug.txt")).utterances():
                print(f"  {utterance}")
            return 1
        finally:
            processes.stop_all()
    print("What Orca said, one keyboard-only turn:")
    for utterance in said:
        print(f"  SPEECH OUTPUT: '{utterance}'")
    return 0


if __name__ == "__main__":
    sys.exit(main())
