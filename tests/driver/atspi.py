# SPDX-FileCopyrightText: 2026 The Kazoumi developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""A private desktop for the screen reader: an X server, a D-Bus session, the AT-SPI bus beside
it and Orca, which writes what it would speak to a file rather than to a speech synthesiser."""

import contextlib
import os
import pty
import subprocess
import threading
import tty

from . import x11
from .core import WAIT, Processes, run


class Session:
    """The desktop, started on entering and ended on leaving. Everything runs with `folder` as its
    home and runtime folder; whatever the buses start on their own carries it in its environment
    and is ended too."""
    def __init__(self, folder):
        self.folder = str(folder)

    def __enter__(self):
        with contextlib.ExitStack() as stack:
            self.xvfb = stack.enter_context(x11.Xvfb())
            self.processes = stack.enter_context(Processes(marker=self.folder))
            self._start_buses()
            self.stack = stack.pop_all()
        return self

    def _start_buses(self):
        env = dict(os.environ)
        for variable in ("DBUS_SESSION_BUS_ADDRESS", "AT_SPI_BUS_ADDRESS", "WAYLAND_DISPLAY",
                         "QT_QPA_PLATFORM", "QT_ACCESSIBILITY"):
            env.pop(variable, None)
        # No speech synthesiser: Orca must not start the speech daemon, and logs what it would
        # say.
        env.update(DISPLAY=self.xvfb.display, HOME=self.folder, XDG_RUNTIME_DIR=self.folder,
                   LC_ALL="C.UTF-8", SPEECHD_CMD="/bin/false",
                   **{f"XDG_{name.upper()}_HOME": os.path.join(self.folder, name)
                      for name in ("config", "cache", "data")})
        # The D-Bus session, then the accessibility bus beside it.
        launched = run(["dbus-launch"], env=env)
        variables = dict(line.split("=", 1) for line in launched.splitlines() if "=" in line)
        self.processes.pids.append(int(variables["DBUS_SESSION_BUS_PID"]))
        env["DBUS_SESSION_BUS_ADDRESS"] = variables["DBUS_SESSION_BUS_ADDRESS"]
        self.start(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"], env,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.env = env

    def __exit__(self, *exception):
        return self.stack.__exit__(*exception)

    def start(self, args, env=None, **kwargs):
        """Starts a process in the session (its environment unless `env`), ended on leaving."""
        return self.processes.start(args, self.env if env is None else env, **kwargs)

    def orca(self, debug_log, output):
        """Starts Orca, its debug text (what it speaks among it) going to `debug_log` and the
        rest of its output to `output`."""
        with open(output, "wb") as out:
            self.start(alone(self.env) + ["orca", f"--debug-file={relay_to_file(debug_log)}",
                                          "-u", os.path.join(self.folder, "orca-prefs")],
                       stdout=out, stderr=subprocess.STDOUT)

    def export(self):
        """Puts this session in the check's own environment, for the AT-SPI bindings."""
        for variable in ("DISPLAY", "DBUS_SESSION_BUS_ADDRESS", "XDG_RUNTIME_DIR", "HOME"):
            os.environ[variable] = self.env[variable]


def relay_to_file(path):
    """A terminal for Orca to write its debug text to, copied line by line into `path`. Orca
    writes its debug file through a buffer that it flushes only when full, so a file would hold
    back the last things said. Written to a terminal, each line goes out as it ends."""
    master, slave = pty.openpty()
    tty.setraw(slave)

    def copy():
        with open(path, "ab", buffering=0) as log, contextlib.suppress(OSError):  # at the end
            while data := os.read(master, 65536):
                log.write(data)

    threading.Thread(target=copy, daemon=True).start()
    # The check keeps its own end of the terminal open: reading never sees it closed.
    return os.ttyname(slave)


def alone(env):
    """The command that runs Orca in a process namespace of its own. Orca refuses to start beside
    another Orca of the same user, and its --replace option kills every other one: there it sees
    none, so the check neither waits for nor ends the screen reader of anyone else on the machine
    (a user's own, another run of the tests)."""
    command = ["unshare", "--pid", "--fork", "--kill-child", "--mount-proc"]
    if os.getuid() != 0:
        command.insert(1, "--map-current-user")
    if subprocess.run(command + ["true"], env=env, capture_output=True,
                      timeout=WAIT).returncode != 0:
        return []  # no namespaces here: Orca then starts only if no other one runs
    return command
