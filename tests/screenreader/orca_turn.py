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
DICE = re.compile("Dés : " + ", ".join([r"(\d)( gardé)?"] * 5) + r"\.")


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


def spoken_dice(match):
    faces = [match.group(2 * i + 1) for i in range(5)]
    held = [bool(match.group(2 * i + 2)) for i in range(5)]
    return faces, held


class Player:
    """The keyboard in the game's window, and what Orca says of each key checked against what the
    game shows through AT-SPI."""

    def __init__(self, env, speech, board):
        self.env, self.speech, self.board = env, speech, board
        self.stops = 0  # the faces are said once after each

    def key(self, name):
        x11.key(self.env["DISPLAY"], name)

    def roll(self, last):
        """Space on "go!", then on "stop": the faces Orca said, and whether it said each held."""
        self.key("space")
        self.speech.wait_for(r"\bstop\b", 'the roll button now reading "stop"')
        # The dice spin: their names change under AT-SPI, and nothing is said of it.
        before = self.board.faces()
        core.poll(lambda: self.board.faces() != before, interval=0.02,
                  what="the dice do not spin")
        self.key("space")
        self.stops += 1
        match = self.speech.wait_for(DICE.pattern, "the five faces after the stop")
        faces, held = spoken_dice(match)
        shown = self.board.faces()
        if faces != shown:
            raise Failure(f"Orca said the dice are {faces}, the game shows {shown}")
        if last and "Les trois lancers sont joués" not in match.string:
            raise Failure(f"the third roll did not say that the rolls are used up: "
                          f"{match.string!r}")
        return faces, held

    def move_focus(self, step, pattern, what):
        """Presses `step` until Orca names a control that matches `pattern`."""
        for _ in range(16):
            self.key(step)
            match = self.speech.wait_for(r"^(Case .*|Garder le dé .*|go!.*)$", "the next control")
            if re.search(pattern, match.group(1)):
                return match
        raise Failure(f"{step} never reached {what}")

    def score_box(self):
        """Space on the box that has the focus: its score is said, "go!" takes the focus."""
        self.key("space")
        self.speech.wait_for(r"^go! (push )?button",
                             '"go!" taking the focus back after the commit')
        return self.speech.wait_for(SCORE, "the score and the total")


def start(game, folder, session):
    """Orca, then the game with the keyboard's focus: its player, once Orca has said "go!"."""
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

    return Player(env, speech, Board(pyatspi))


def first_turn(player):
    """Three rolls, a die held from the first on, then the "Chance" box."""
    # First roll.
    faces, held = player.roll(last=False)
    if any(held):
        raise Failure("a die is said to be held before any hold box was used")

    # Tab to a hold box: it names its die and that die's face; Space holds the die.
    match = player.move_focus("Tab", r"^Garder le dé (\d) : (\d)", "a hold box")
    die = int(re.search(r"Garder le dé (\d) : (\d)", match.group(1)).group(1))
    if not re.search(rf"Garder le dé {die} : {faces[die - 1]}\b", match.group(1)):
        raise Failure(f"the hold box said {match.group(1)!r}, its die shows {faces[die - 1]}")
    player.key("space")
    player.speech.wait_for(r"\bchecked\b", "that the hold box is checked")
    player.move_focus("shift+Tab", r"^go!", "the roll button")

    # Second roll: the held die keeps its face and is said to be held.
    second, held = player.roll(last=False)
    if held != [index == die - 1 for index in range(5)] or second[die - 1] != faces[die - 1]:
        raise Failure(f"after holding die {die} showing {faces[die - 1]}, Orca said {second} "
                      f"held {held}")

    # Third roll: the button is spent, the focus moves on to the score sheet.
    third, _ = player.roll(last=True)

    # Shift+Tab back round to the "Chance" box, and score it.
    player.move_focus("shift+Tab", r"^Case Chance\b", 'the "Chance" box')
    match = player.score_box()
    match = re.search(r"Case Chance : (\d+) points\. Total : (\d+) points\.", match.string)
    score, total = int(match.group(1)), int(match.group(2))
    expected = sum(int(face) for face in third)
    if score != expected or total != expected:
        raise Failure(f"Orca said {score} and total {total}; the dice {third} make {expected}")
    shown = (player.board.field("Case Chance : "), player.board.field("Total : "))
    if shown != (f"Case Chance : {score} points", f"Total : {total} points"):
        raise Failure(f"the game shows {shown}")


def rest_of_game(player):
    """A roll and the next free box, Tab to the upper boxes first, then Shift+Tab to the lower
    ones, until the end is told with the total."""
    for turn in range(2, 14):
        player.roll(last=False)
        player.move_focus("Tab" if turn <= 7 else "shift+Tab", r"^Case ", "a free box")
        match = player.score_box()
        over = re.search(r"Partie terminée : (\d+) points?\.", match.string)
        if bool(over) != (turn == 13) or (over and over.group(1) != match.group(3)):
            raise Failure(f"turn {turn} said {match.string!r}")


def new_game(player):
    """Chooses "Reset" from the menu by its spoken name: the new game is told, "go!" has the
    focus."""
    # Alt pressed and released alone, as a hand does, puts the menu bar under the keyboard.
    subprocess.run(["xdotool", "keydown", "Alt_L", "sleep", "0.3", "keyup", "Alt_L"],
                   env=player.env, check=True, timeout=WAIT)
    player.speech.wait_for(r"^Menu\b", 'the menu by its name, "Menu"')
    player.key("Down")
    player.speech.wait_for(r"^Reset\b", 'the "Reset" item')
    player.key("Return")
    player.speech.wait_for(r"^go! (push )?button", '"go!" taking the focus for the new game')
    player.speech.wait_for(r"^Nouvelle partie\.$", "that a new game began")


def check_words(said, stops):
    """French counts ("0 point", "2 points"), the end said once, the faces once a stop."""
    wrong = [u for u in said if re.search(r"\b[01] points|\b(\d\d+|[2-9]) point\b", u)]
    if wrong or sum("Partie terminée" in u for u in said) != 1:
        raise Failure(f"French counts or the end said wrong: {wrong}")
    told = [utterance for utterance in said if DICE.search(utterance)]
    if len(told) != stops:
        raise Failure(f"{stops} stops, but the faces were said {len(told)} times: {told}")


def play(game, folder, session):
    """The whole game and the new one; what Orca said."""
    player = start(game, folder, session)
    first_turn(player)
    rest_of_game(player)
    new_game(player)
    said = player.speech.utterances()
    check_words(said, player.stops)
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
