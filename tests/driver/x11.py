# SPDX-FileCopyrightText: 2026 The Kazoumi developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""A private X server, the one place that starts one, and what the checks do there: find a
window, click, type, take pictures. There is no window manager: windows are found by their titles,
and every window opens at the top left corner of the bare screen."""

import os
import re
import shutil
import socket
import struct
import subprocess

from .core import WAIT, poll, run


class Xvfb:
    """A virtual X server on a display number it picks itself, ended on leaving. It never resets:
    by default an X server resets each time its last client leaves, and refuses the clients that
    come meanwhile (seen: 7 of 200 connections in a row), which a check's polls (xdotool, a
    screenshot) would make happen just as the game connects."""
    def __init__(self, size="1024x768x24"):
        self.size = size

    def __enter__(self):
        read_end, write_end = os.pipe()
        self.process = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", self.size, "-nolisten", "tcp",
             "-noreset"],
            pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
            start_new_session=True)
        os.close(write_end)
        # Xvfb writes the display's number once it takes clients.
        with os.fdopen(read_end) as number:
            self.display = f":{number.readline().strip()}"
        if self.display == ":":
            raise RuntimeError("Xvfb did not start")
        # Handed out only once it answers an X client on both of the display's sockets.
        poll(lambda: answers(self.display) or self.process.poll() is not None,
             what=f"Xvfb on {self.display} does not answer")
        if self.process.poll() is not None:
            raise RuntimeError(f"Xvfb on {self.display} ended as it started")
        return self

    def __exit__(self, *_):
        self.process.terminate()
        self.process.wait()

    def env(self, base=None, **variables):
        """An environment (this process's, or `base`) with this display and `variables`."""
        return dict(os.environ if base is None else base, DISPLAY=self.display, **variables)


def answers(display):
    """Whether an X server greets a client on the display's socket in the abstract namespace
    (which libxcb tries first) and on the one in /tmp/.X11-unix."""
    path = f"/tmp/.X11-unix/X{display.lstrip(':')}"
    for address in ("\0" + path, path):
        with socket.socket(socket.AF_UNIX) as client:
            client.settimeout(5)
            try:
                client.connect(address)
                # Little-endian, protocol 11.0, no authorisation.
                client.sendall(struct.pack("<cxHHHHxx", b"l", 11, 0, 0, 0))
                if client.recv(1) != b"\1":  # 1 is Success
                    return False
            except OSError:
                return False
    return True


def magick(tool):
    """The command of an ImageMagick tool: ImageMagick 7 names its tools as commands of
    "magick", and warns about the old names."""
    if shutil.which("magick"):
        return ["magick"] if tool == "convert" else ["magick", tool]
    return [tool]


def on(display, *args, **kwargs):
    """Runs a command on the display: its standard output."""
    return run(args, env=dict(os.environ, DISPLAY=display), **kwargs)


def screenshot(display, png, window=None, crop=None):
    """Writes what a window (or the screen) shows to `png`; crop is (x, y, width, height)."""
    area = ["-crop", "{2}x{3}+{0}+{1}".format(*crop), "+repage"] if crop else []
    on(display, *magick("import"), "-window", window or "root", *area, png)
    return png


def windows(display, title, visible=True):
    """The ids of the windows whose title contains `title`."""
    pattern = re.sub(r"([][.^$*+?(){}|\\])", r"\\\1", title)
    visible = ["--onlyvisible"] if visible else []
    return on(display, "xdotool", "search", *visible, "--name", pattern, check=False).split()


def find_window(display, title, visible=True, timeout=WAIT):
    """The id of the first window whose title contains `title`, once there is one."""
    return poll(lambda: (windows(display, title, visible) or [None])[0], timeout,
                what=f'no window "{title}"')


def height(display, window):
    """A window's height in pixels, with its menu bar."""
    return int(re.search(r"Height: *(\d+)", on(display, "xwininfo", "-id", window)).group(1))


def click(display, x, y, window=None):
    """A click of the left button at a point of a window, or of the screen."""
    on(display, "xdotool", "mousemove", *(["--window", window] if window else []), x, y,
       "click", "1")


def key(display, *keys, delay=None):
    """Types keys (xdotool's names) into the window that has the focus, `delay` ms apart."""
    on(display, "xdotool", "key", *(["--delay", delay] if delay else []), *keys)
