# SPDX-FileCopyrightText: 2026 The Kazoumi developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Waiting, the tools a check needs, failing and skipping, and the processes a check starts.

A check missing a tool is skipped (exit 77, which ctest reports as skipped) on a developer's
machine, and fails under CI=true, where scripts/test has installed everything. Shell checks ask
the same from the command line: tests/driver/core.py TOOL... exits 0, 77 or 1."""

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

# The Debian package of each tool or Python module that is not named after it.
PACKAGES = {"Xvfb": "xvfb", "xwininfo": "x11-utils", "xprop": "x11-utils", "xwd": "x11-apps",
            "magick": "imagemagick", "convert": "imagemagick", "compare": "imagemagick",
            "import": "imagemagick", "identify": "imagemagick", "dbus-launch": "dbus-x11",
            "weston-screenshooter": "weston", "/usr/libexec/at-spi-bus-launcher": "at-spi2-core",
            "pyatspi": "python3-pyatspi", "unshare": "util-linux"}


class Failure(Exception):
    """What a check found wrong."""


def fail(message):
    """Ends the check as failed, saying why."""
    print(f"FAIL: {message}", flush=True)
    sys.exit(1)


def missing(message):
    """Something the check needs is not installed: skipped, or failed under CI=true."""
    if os.environ.get("CI", "") in ("", "0", "false"):
        print(f"skipped: {message}", flush=True)
        sys.exit(77)
    fail(message)


def need(*tools, modules=()):
    """The check needs these programs and Python modules; missing() names the Debian packages of
    those absent."""
    absent = [tool for tool in tools if not shutil.which(tool)]
    absent += [module for module in modules if importlib.util.find_spec(module) is None]
    if absent:
        packages = " ".join(sorted({PACKAGES.get(name, name) for name in absent}))
        missing(f"{', '.join(absent)} not installed (Debian packages: {packages})")


def poll(predicate, timeout=WAIT, interval=0.05, what="the awaited state"):
    """The first truthy value of predicate(), called until `timeout` seconds have passed; `what`
    (or what it returns, when a function) then says in the TimeoutError what never came."""
    deadline = time.monotonic() + timeout
    while not (value := predicate()):
        if time.monotonic() > deadline:
            raise TimeoutError(what() if callable(what) else what)
        time.sleep(interval)
    return value


def run(args, env=None, timeout=WAIT, check=True, text=True, **kwargs):
    """A command's standard output; a failure raises CalledProcessError when `check`."""
    return subprocess.run([str(arg) for arg in args], env=env, timeout=timeout, check=check,
                          text=text, stdout=subprocess.PIPE, **kwargs).stdout


def deps(shell, **kwargs):
    """Runs a line of shell after sourcing scripts/deps.sh, which installs packages and builds
    presets (`ensure_packages "${KAZOUMI_BENCH_PACKAGES[@]}"`, `build_preset bench`), from the
    top of the source; returns its exit status."""
    source = Path(__file__).resolve().parents[2]
    return subprocess.run(["bash", "-c", f". scripts/deps.sh && {shell}"], cwd=source,
                          **kwargs).returncode


@contextlib.contextmanager
def folder(prefix="kazoumi-"):
    """A private temporary folder, as a Path, removed with all it holds on leaving."""
    with tempfile.TemporaryDirectory(prefix=prefix) as path:
        yield Path(path)


def check(function, *args):
    """Runs a check's body: a Failure, a timeout or a failed command ends it with FAIL."""
    try:
        function(*args)
    except (Failure, TimeoutError, subprocess.SubprocessError) as failure:
        fail(failure)


class Processes:
    """The processes a check starts, each in a session of its own, ended in reverse order on
    leaving; with a marker, so is every process that carries the marker in its environment (what
    a bus started on its own in the check's private folders)."""
    def __init__(self, marker=None):
        self.marker, self.started, self.pids = marker and marker.encode(), [], []

    def __enter__(self):
        return self

    def __exit__(self, *_):
        for process in reversed(self.started):
            _signal(process.pid, signal.SIGTERM, os.killpg)
            try:
                process.wait(timeout=5)
            except subprocess.TimeoutExpired:
                _signal(process.pid, signal.SIGKILL, os.killpg)
                process.wait()
        own = {os.getpid(), os.getppid()}
        for entry in os.listdir("/proc") if self.marker else ():
            with contextlib.suppress(OSError), open(f"/proc/{entry}/environ", "rb") as env:
                if entry.isdigit() and int(entry) not in own and self.marker in env.read():
                    self.pids.append(int(entry))
        for pid in self.pids:
            _signal(pid, signal.SIGKILL)

    def start(self, args, env=None, **kwargs):
        """Starts a process (Popen's arguments), to be ended on leaving."""
        self.started.append(subprocess.Popen([str(arg) for arg in args], env=env,
                                             start_new_session=True, **kwargs))
        return self.started[-1]


def _signal(pid, sig, send=os.kill):
    with contextlib.suppress(ProcessLookupError, PermissionError):
        send(pid, sig)


if __name__ == "__main__":
    need(*sys.argv[1:])
