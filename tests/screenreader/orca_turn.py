#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Kazoumi developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""A whole game played with the keyboard only, under the Orca screen reader.

Starts a private X server, a D-Bus session, the AT-SPI bus, Orca (writing what it speaks to its
debug file) and the game, then plays a turn with key presses alone: Space on "go!" and on "stop",
Tab to a hold box and Space, Shift+Tab back to the roll button, two more rolls, Shift+Tab to the
"Chance" box and Space. It checks what Orca said against what the game shows, read through AT-SPI:
the five faces once after each stop (and never while the dice spin), the held die, the score and
the total after the commit, in French ("0 point", "2 points"). Each commit gives the focus back
to "go!". The other twelve turns are one roll and Space on the next free box, until the end of the
game is said with the final total; then Alt, Down and Return choose "Reset" from the menu, spoken
as "Menu", and the new game is said with "go!" taking the focus. Every process it starts is
ended when it leaves, whatever happened.

Usage: orca_turn.py GAME_EXECUTABLE
"""

import os
import re
import subprocess
import sys

from driver import atspi, core, x11
from driver.core import WAIT, Failure

# "SPEECH OUTPUT: 'text'", then maybe " voice=name" and the voice's settings in braces.
UTTERANCE = re.compile(r"SPEECH OUTPUT: '(.*)'(?: voice=\w+)?(?: ?\{.*\})?\s*$")
SCORE = r"Case (.+?) : (\d+) points?\.(?: bonus 35 points\.)? Total : (\d+) points?\."
DICE = re.compile(r"Dés : (\d)( gardé)?, (\d)( gardé)?, (\d)( gardé)?, (\d)( gardé)?, (\d)( gardé)?\.")


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
        return [match.group(1) for line in lines if (match := UTTERANCE.search(line))]

    def wait_for(self, pattern, what):
        """The first utterance after the last one waited for that matches `pattern`."""
        def heard():
            said = self.utterances()
            for index in range(self.heard, len(said)):
                if match := re.search(pattern, said[index]):
                    self.heard = index + 1
                    return match
            return None

        return core.poll(heard, what=lambda: f"Orca did not say {what} (/{pattern}/); since "
                         f"then it said: {self.utterances()[self.heard:]}")


class Board:
    """The game as AT-SPI shows it to any assistive technology."""

    def __init__(self, pyatspi):
        self.pyatspi = pyatspi
        self.app = core.poll(lambda: next((app for app in pyatspi.Registry.getDesktop(0)
                                           if app is not None and app.name == "kazoumi"), None),
                             interval=0.1, what="the game did not show up on the AT-SPI bus")

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


def key(env, name):
    x11.key(env["DISPLAY"], name)


def spoken_dice(match):
    faces = [match.group(2 * i + 1) for i in range(5)]
    held = [bool(match.group(2 * i + 2)) for i in range(5)]
    return faces, held


def play(game, folder, session):
    env = session.env
    log = os.path.join(folder, "orca-debug.txt")
    speech = Speech(log)
    session.orca(log, os.path.join(folder, "orca-output.txt"))
    speech.wait_for(r".", "anything (it did not start)")

    game_env = dict(env, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb")
    session.start([game], game_env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    # No window manager gives the window the keyboard: xdotool does.
    window = x11.find_window(env["DISPLAY"], "kazoumi")
    subprocess.run(["xdotool", "windowfocus", "--sync", window], env=env, check=True,
                   timeout=WAIT)
    speech.wait_for(r"go!", "the roll button as the window opens")

    session.export()
    import pyatspi  # pylint: disable=import-outside-toplevel

    board = Board(pyatspi)
    stops = 0

    def roll(last):
        nonlocal stops
        key(env, "space")
        speech.wait_for(r"\bstop\b", 'the roll button now reading "stop"')
        # The dice spin: their names change under AT-SPI, and nothing is said of it.
        before = board.faces()
        core.poll(lambda: board.faces() != before, interval=0.02, what="the dice do not spin")
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

    def score_box():
        """Space on the box that has the focus: its score is said, "go!" takes the focus."""
        key(env, "space")
        speech.wait_for(r"^go! (push )?button", '"go!" taking the focus back after the commit')
        return speech.wait_for(SCORE, "the score and the total")

    # Shift+Tab back round to the "Chance" box, and score it.
    move_focus("shift+Tab", r"^Case Chance\b", 'the "Chance" box')
    match = score_box()
    match = re.search(r"Case Chance : (\d+) points\. Total : (\d+) points\.", match.string)
    score, total = int(match.group(1)), int(match.group(2))
    expected = sum(int(face) for face in third)
    if score != expected or total != expected:
        raise Failure(f"Orca said {score} and total {total}; the dice {third} make {expected}")
    shown = (board.field("Case Chance : "), board.field("Total : "))
    if shown != (f"Case Chance : {score} points", f"Total : {total} points"):
        raise Failure(f"the game shows {shown}")

    # The rest of the game: a roll and the next free box, Tab to the upper boxes first, then
    # Shift+Tab to the lower ones, until the end is told with the total.
    for turn in range(2, 14):
        roll(last=False)
        move_focus("Tab" if turn <= 7 else "shift+Tab", r"^Case ", "a free box")
        match = score_box()
        over = re.search(r"Partie terminée : (\d+) points?\.", match.string)
        if bool(over) != (turn == 13) or (over and over.group(1) != match.group(3)):
            raise Failure(f"turn {turn} said {match.string!r}")

    # "Reset" from the menu, by its spoken name: the new game is told and "go!" has the focus.
    # Alt pressed and released alone, as a hand does, puts the menu bar under the keyboard.
    subprocess.run(["xdotool", "keydown", "Alt_L", "sleep", "0.3", "keyup", "Alt_L"], env=env,
                   check=True, timeout=WAIT)
    speech.wait_for(r"^Menu\b", 'the menu by its name, "Menu"')
    key(env, "Down")
    speech.wait_for(r"^Reset\b", 'the "Reset" item')
    key(env, "Return")
    speech.wait_for(r"^go! (push )?button", '"go!" taking the focus for the new game')
    speech.wait_for(r"^Nouvelle partie\.$", "that a new game began")

    said = speech.utterances()
    wrong = [u for u in said if re.search(r"\b[01] points|\b(\d\d+|[2-9]) point\b", u)]
    if wrong or sum("Partie terminée" in u for u in said) != 1:
        raise Failure(f"French counts or the end said wrong: {wrong}")
    told = [utterance for utterance in said if DICE.search(utterance)]
    if len(told) != stops:
        raise Failure(f"{stops} stops, but the faces were said {len(told)} times: {told}")
    return said


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    core.need("orca", "Xvfb", "xdotool", "dbus-launch", "unshare",
              "/usr/libexec/at-spi-bus-launcher", modules=["pyatspi"])
    with core.folder("kazoumi-orca-") as folder, atspi.Session(folder) as session:
        try:
            said = play(sys.argv[1], folder, session)
        except (Failure, TimeoutError, subprocess.SubprocessError) as failure:
            print(f"FAIL: {failure}")
            with open(os.path.join(folder, "orca-output.txt"), errors="replace") as output:
                print("Orca's output:", output.read()[-3000:])
            print("What Orca said:")
            for utterance in Speech(os.path.join(folder, "orca-debug.txt")).utterances():
                print(f"  {utterance}")
            return 1
    print("What Orca said, one keyboard-only game and a new one:")
    for utterance in said:
        print(f"  SPEECH OUTPUT: '{utterance}'")
    return 0


if __name__ == "__main__":
    sys.exit(main())
