# SPDX-FileCopyrightText: 2026 The Kazoumi developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""A headless weston at a scale, on a bare black desktop that leaves a window the only thing on
its screenshots."""

import os
import subprocess
import tempfile
from pathlib import Path

from .core import poll, run


class Weston:
    """The compositor, started on entering and ended on leaving, its socket in `runtime`."""

    def __init__(self, runtime, scale=1, width=800, height=600):
        self.runtime, self.scale, self.size = Path(runtime), scale, (width, height)
        self.socket = f"kazoumi-test-{os.getpid()}-{scale}"

    def __enter__(self):
        # Weston 12 and later name the renderer with --renderer.
        help_text = run(["weston", "--help"], check=False, stderr=subprocess.STDOUT)
        renderer = "--renderer=pixman" if "--renderer" in help_text else "--use-pixman"
        config = self.runtime / f"weston-{self.scale}.ini"
        config.write_text("[shell]\npanel-position=none\nbackground-color=0xff000000\n")
        self.log = tempfile.TemporaryFile()
        self.process = subprocess.Popen(
            ["weston", "--backend=headless-backend.so", renderer, "--debug", "--idle-time=0",
             f"--socket={self.socket}", "--width=%d" % self.size[0], "--height=%d" % self.size[1],
             f"--scale={self.scale}", f"--config={config}"],
            env=self.env(), stdout=self.log, stderr=subprocess.STDOUT)
        socket = self.runtime / self.socket
        poll(lambda: socket.is_socket() or self.process.poll() is not None, 30, what="weston")
        if not socket.is_socket():
            self.log.seek(0)
            raise RuntimeError(f"weston did not start: {self.log.read()[-2000:].decode()}")
        return self

    def __exit__(self, *_):
        self.process.terminate()
        self.process.wait()

    def env(self, base=None, **variables):
        """An environment (this process's, or `base`) for a client of this compositor."""
        return dict(os.environ if base is None else base, WAYLAND_DISPLAY=self.socket,
                    XDG_RUNTIME_DIR=str(self.runtime), **variables)

    def screenshot(self, png):
        """Writes weston's whole output to `png`; False when weston-screenshooter made none."""
        with tempfile.TemporaryDirectory() as shots:
            subprocess.run(["weston-screenshooter"], cwd=shots, env=self.env(),
                           capture_output=True)
            made = sorted(Path(shots).glob("*.png"))
            return bool(made) and bool(made[0].replace(png))
