# SPDX-FileCopyrightText: 2026 The Kazoumi developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Waiting, the tools a check needs, failing and skipping, and the processes a check starts.

A check missing a tool is skipped (exit 77, which ctest reports as skipped) on a developer's
machine, and fails under CI=true, where scripts/test has installed everything.
"""

import contextlib
import importlib.util
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time
from pathlib import Path

WAIT = 60  # seconds to wait for any one thing on a loaded machine

# The Debian package of each tool or Python module a check may need.
PACKAGES = {
    "Xvfb": "xvfb", "xdotool": "xdotool", "xwininfo": "x11-utils", "xprop": "x11-utils",
    "xwd": "x11-apps", "magick": "imagemagick", "convert": "imagemagick",
    "compare": "imagemagick", "import": "imagemagick", "identify": "imagemagick",
    "weston-screenshooter": "weston", "dbus-launch": "dbus-x11",
    "/usr/libexec/at-spi-bus-launcher": "at-spi2-core", "pyatspi": "python3-pyatspi",
    "pyflakes3": "pyflakes3", "unshare": "util-linux",
}


class Failure(Exception):
    """What a check found wrong."""


def fail(message):
    print(f"FAIL: {message}", flush=True)
    sys.exit(1)


def skip(message):
    print(f"skipped: {message}", flush=True)
    sys.exit(77)


def missing(message):
    """Something the check needs is not installed: a skip, but a failure under CI."""
    (fail if os.environ.get("CI", "") not in ("", "0", "false") else skip)(message)


def need(*tools, modules=()):
    """Ends the check through missing() unless every tool and Python module is installed."""
    absent = [tool for tool in tools if not shutil.which(tool)]
    absent += [module for module in modules if importlib.util.find_spec(module) is None]
    if absent:
        packages = " ".join(sorted({PACKAGES.get(name, name) for name in absent}))
        missing(f"{', '.join(absent)} not installed (Debian packages: {packages})")


def poll(predicate, timeout=WAIT, interval=0.05, what="the awaited state"):
    """The first truthy value of predicate(), called until `timeout` seconds have passed."""
    deadline = time.monotonic() + timeout
    while True:
        value = predicate()
        if value:
            return value
        if time.monotonic() > deadline:
            raise TimeoutError(what)
        time.sleep(interval)


def run(args, env=None, timeout=WAIT, check=True, text=True, **kwargs):
    """The standard output of a command; raises CalledProcessError when it fails and `check`."""
    return subprocess.run([str(arg) for arg in args], env=env, timeout=timeout, check=check,
                          text=text, stdout=subprocess.PIPE, **kwargs).stdout


@contextlib.contextmanager
def folder(prefix="kazoumi-"):
    """A private temporary folder, removed with what it holds."""
    with tempfile.TemporaryDirectory(prefix=prefix) as path:
        yield Path(path)


def check(function, *args):
    """Runs a check's body: a Failure, a timeout or a failed command ends it with FAIL."""
    try:
        function(*args)
    except (Failure, TimeoutError, subprocess.SubprocessError) as failure:
        fail(failure)


class Processes:
    """The processes a check starts, each in a session of its own, ended in reverse order.

    With a marker, whatever carries it in its environment (what a bus started on its own with the
    check's private folders) is ended too."""

    def __init__(self, marker=None):
        self.marker = marker.encode() if marker else None
        self.started = []
        self.pids = []

    def __enter__(self):
        return self

    def __exit__(self, *_):
        self.stop_all()

    def start(self, args, env=None, **kwargs):
        process = subprocess.Popen([str(arg) for arg in args], env=env, start_new_session=True,
                                   **kwargs)
        self.started.append(process)
        return process

    def adopt(self, pid):
        """A process started by another one that must end too."""
        self.pids.append(pid)

    def stop(self, process):
        _signal(process.pid, signal.SIGTERM, group=True)
        try:
            process.wait(timeout=5)
        except subprocess.TimeoutExpired:
            _signal(process.pid, signal.SIGKILL, group=True)
            process.wait()

    def stop_all(self):
        for process in reversed(self.started):
            self.stop(process)
        self.started = []
        for pid in self.pids + list(self._strays()):
            _signal(pid, signal.SIGKILL)
        self.pids = []

    def _strays(self):
        own = {os.getpid(), os.getppid()}
        for entry in os.listdir("/proc") if self.marker else ():
            if entry.isdigit() and int(entry) not in own:
                with contextlib.suppress(OSError), open(f"/proc/{entry}/environ", "rb") as env:
                    if self.marker in env.read():
                        yield int(entry)


def _signal(pid, sig, group=False):
    with contextlib.suppress(ProcessLookupError, PermissionError):
        (os.killpg if group else os.kill)(pid, sig)
