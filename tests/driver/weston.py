# SPDX-FileCopyrightText: 2026 The Kazoumi developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""A headless weston on a bare black desktop, whose output the checks take pictures of."""

import os
import subprocess
import tempfile
from pathlib import Path

from .core import poll, run


class Weston:
    """Weston's headless back end at a scale, on a socket in `runtime`, ended on leaving."""

    def __init__(self, runtime, scale=1, width=800, height=600):
        self.runtime = Path(runtime)
        self.scale, self.width, self.height = scale, width, height
        self.socket = f"kazoumi-test-{os.getpid()}-{scale}"

    def __enter__(self):
        # Weston 12 and later name the renderer with --renderer.
        renderer = "--use-pixman"
        if "--renderer" in run(["weston", "--help"], check=False, stderr=subprocess.STDOUT):
            renderer = "--renderer=pixman"
        # A bare black desktop, so that a window is the only thing on the screenshot.
        config = self.runtime / f"weston-{self.scale}.ini"
        config.write_text("[shell]\npanel-position=none\nbackground-color=0xff000000\n")
        self.log = tempfile.TemporaryFile()
        self.process = subprocess.Popen(
            ["weston", "--backend=headless-backend.so", renderer, "--debug", "--idle-time=0",
             f"--socket={self.socket}", f"--width={self.width}", f"--height={self.height}",
             f"--scale={self.scale}", f"--config={config}"],
            env=self.env(), stdout=self.log, stderr=subprocess.STDOUT)
        path = self.runtime / self.socket
        poll(lambda: path.is_socket() or self.process.poll() is not None, 30, what="weston")
        if not path.is_socket():
            self.log.seek(0)
            raise RuntimeError(f"weston did not start: {self.log.read()[-2000:].decode()}")
        return self

    def __exit__(self, *_):
        self.process.terminate()
        self.process.wait()

    def env(self, base=None, **variables):
        """An environment for the clients of this compositor."""
        return dict(os.environ if base is None else base, WAYLAND_DISPLAY=self.socket,
                    XDG_RUNTIME_DIR=str(self.runtime), **variables)

    def screenshot(self, png):
        """Writes weston's whole output to `png`; False when weston-screenshooter made none."""
        with tempfile.TemporaryDirectory() as shots:
            if subprocess.run(["weston-screenshooter"], cwd=shots, env=self.env(),
                              capture_output=True).returncode != 0:
                return False
            made = sorted(Path(shots).glob("*.png"))
            if made:
                made[0].replace(png)
            return bool(made)
