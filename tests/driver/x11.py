# SPDX-FileCopyrightText: 2026 The Kazoumi developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""A private X server and what the checks do on it: find a window, click, type, take pictures.

There is no window manager: windows are found by their titles, and a window opens at the top
left corner of the bare screen."""

import os
import re
import shutil
import subprocess
import tempfile

from .core import WAIT, poll, run


class Xvfb:
    """A virtual X server on a display number it picks free itself, ended on leaving."""

    def __init__(self, size="1024x768x24"):
        self.size = size

    def __enter__(self):
        read_end, write_end = os.pipe()
        self.log = tempfile.TemporaryFile()
        self.process = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", self.size, "-nolisten", "tcp"],
            pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=self.log,
            start_new_session=True)
        os.close(write_end)
        # Xvfb writes the display's number once it takes clients.
        with os.fdopen(read_end) as number:
            self.display = f":{number.readline().strip()}"
        if self.display == ":":
            self.log.seek(0)
            self.__exit__()
            raise RuntimeError(f"Xvfb did not start: {self.log.read().decode(errors='replace')}")
        return self

    def __exit__(self, *_):
        self.process.terminate()
        try:
            self.process.wait(timeout=10)
        except subprocess.TimeoutExpired:
            self.process.kill()
            self.process.wait()

    def env(self, base=None, **variables):
        """An environment for the programs on this display."""
        return dict(os.environ if base is None else base, DISPLAY=self.display, **variables)


def magick(tool):
    """ImageMagick's command: version 7 names its tools as commands of "magick"."""
    if shutil.which("magick"):
        return ["magick"] if tool == "convert" else ["magick", tool]
    return [tool]


def _on(display):
    return dict(os.environ, DISPLAY=display)


def screenshot(display, png, window=None, crop=None):
    """Writes what a window (or the whole screen) shows to `png`; crop is (x, y, width, height)."""
    args = magick("import") + ["-window", window or "root"]
    if crop:
        x, y, width, height = crop
        args += ["-crop", f"{width}x{height}+{x}+{y}", "+repage"]
    run(args + [png], env=_on(display))
    return png


def windows(display, title, visible=True):
    """The windows whose title contains `title`."""
    pattern = re.sub(r"([][.^$*+?(){}|\\])", r"\\\1", title)
    found = run(["xdotool", "search"] + (["--onlyvisible"] if visible else []) +
                ["--name", pattern], env=_on(display), check=False)
    return found.split()


def find_window(display, title, visible=True, timeout=WAIT):
    """The first window whose title contains `title`, once there is one."""
    return poll(lambda: (windows(display, title, visible) or [None])[0], timeout,
                what=f'no window "{title}"')


def height(display, window):
    info = run(["xwininfo", "-id", window], env=_on(display))
    return int(re.search(r"Height: *(\d+)", info).group(1))


def click(display, x, y, window=None):
    """A click of the left button, at a point of a window or of the screen."""
    run(["xdotool", "mousemove"] + (["--window", window] if window else []) +
        [x, y, "click", "1"], env=_on(display))


def key(display, *keys, delay=None):
    run(["xdotool", "key"] + (["--delay", delay] if delay else []) + list(keys),
        env=_on(display))
