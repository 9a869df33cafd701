# SPDX-FileCopyrightText: 2026 The Kazoumi developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Where the game's widgets are, for the checks that click them. In board.json, in pixels at
96 dpi: "board" holds points (x, y) and areas (x, y, width, height) of the main window's client
area, the "client_height" rows below the menu bar (whose height varies with the platform); "help"
and "about" hold those of the other two windows. The menu opens with a click on "menu_title" and
its items are chosen with the keys in "menu_items". test_startup checks every one of them against
the real windows."""

import json
import time
from pathlib import Path

from . import x11

POSITIONS = json.loads((Path(__file__).parent / "board.json").read_text(encoding="utf-8"))
TITLES = POSITIONS["titles"]


class Board:
    """The game's main window on an X display."""
    def __init__(self, display, window):
        self.display, self.window = display, window

    def place(self, name):
        """A point or an area of the client area, in the window's pixels."""
        x, y, *size = POSITIONS["board"][name]
        menu = x11.height(self.display, self.window) - POSITIONS["client_height"]
        return (x, y + menu, *size)

    def click(self, name):
        """A click on a point of the client area."""
        x11.click(self.display, *self.place(name)[:2], window=self.window)

    def choose(self, item, pause=0.5):
        """Chooses an item of the menu, `pause` seconds after opening it."""
        x11.click(self.display, *POSITIONS["menu_title"], window=self.window)
        time.sleep(pause)
        x11.key(self.display, *POSITIONS["menu_items"][item], "Return", delay=100)


def click(display, window, where, name):
    """A click on a widget of the help or about window."""
    x11.click(display, *POSITIONS[where][name], window=window)
