# SPDX-FileCopyrightText: 2026 The Kazoumi developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""A private Wine for the checks of the Windows build: a prefix of its own (Wine's C: drive and
registry), its programs shown on a given X display, its registry read back.

Making a prefix takes Wine a while (wineboot, 20 s to a minute and a half); a prefix made once can
serve as the template of the fresh ones copied from it for each run."""

import fcntl
import os
import re
import shutil
import subprocess
from pathlib import Path

from .core import WAIT, folder, missing, run

# Debian's wine64 package installs Wine's loader and server in /usr/lib/wine, without the wrappers
# that the wine package adds to the path.
LOADERS = ("/usr/lib/wine/wine64", "/usr/lib/wine/wine", "wine64", "wine")
SERVERS = ("/usr/lib/wine/wineserver64", "/usr/lib/wine/wineserver", "wineserver")


def _first(candidates):
    found = [shutil.which(path) for path in candidates]
    found = [path for path in found if path]
    if not found:
        missing(f"{candidates[-1]} is not installed (Debian package: wine64)")
    return found[0]


def _make(prefix, env):
    """Wine's folders and registry, as the checks want them."""
    run([_first(LOADERS), "wineboot", "--init"], env=env, timeout=600, stderr=subprocess.DEVNULL)
    # Wine registers its own fonts (MS Sans Serif, Small Fonts, Tahoma) as files of
    # C:\windows\Fonts, but Debian's 64-bit Wine alone, without wine32, leaves that folder empty:
    # they are linked in from fonts-wine, or the game would be drawn in whatever fontconfig offers.
    fonts = prefix / "drive_c/windows/Fonts"
    for font in Path("/usr/share/wine/fonts").glob("*"):
        if not (fonts / font.name).exists():
            (fonts / font.name).symlink_to(font)
    # Nor has Wine the Microsoft Sans Serif that the game asks for first on Windows, and its own
    # bitmap MS Sans Serif is wider than Windows' and clips captions: Liberation Sans stands in
    # for it, as for MS Sans Serif on Linux.
    run([_first(LOADERS), "reg", "add", r"HKCU\Software\Wine\Fonts\Replacements", "/v",
         "Microsoft Sans Serif", "/d", "Liberation Sans", "/f"], env=env, stderr=subprocess.DEVNULL)
    run([_first(SERVERS), "-w"], env=env)


class WinePrefix:
    """A fresh Wine prefix, with its own server, ended with every Windows program it runs.

    With `template`, the prefix is a copy of that one, made there first if missing (once, whatever
    runs at the same time)."""

    def __init__(self, display, template=None):
        self.display, self.template = display, Path(template) if template else None

    def __enter__(self):
        self._folder = folder("kazoumi-wine-")
        work = self._folder.__enter__()
        self.path = work / "prefix"
        (work / "home").mkdir()
        self.env = dict(os.environ, HOME=str(work / "home"), WINEPREFIX=str(self.path),
                        DISPLAY=self.display, WINEDEBUG="-all",
                        # No .NET or Gecko installers, no menu entries on the Linux desktop.
                        WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d")
        self.loader, self.server = _first(LOADERS), _first(SERVERS)
        if self.template:
            self._from_template()
        else:
            _make(self.path, self.env)
        return self

    def _from_template(self):
        self.template.parent.mkdir(parents=True, exist_ok=True)
        with open(f"{self.template}.lock", "w") as lock:
            fcntl.flock(lock, fcntl.LOCK_EX)
            if not (self.template / "system.reg").exists():
                shutil.rmtree(self.template, ignore_errors=True)
                made = self.template.with_name(self.template.name + ".new")
                shutil.rmtree(made, ignore_errors=True)
                _make(made, dict(self.env, WINEPREFIX=str(made)))
                made.rename(self.template)
        # Wine's own files (some 700 MB) are linked rather than copied: the programs run leave
        # them alone. The registry, which they change, is copied.
        run(["cp", "-al", self.template, self.path])
        for registry in self.path.glob("*.reg"):
            registry.unlink()
            shutil.copy2(self.template / registry.name, registry)

    def __exit__(self, *_):
        # Ends every Windows program of this prefix, and its server.
        subprocess.run([self.server, "-k"], env=self.env, check=False)
        self._folder.__exit__(None, None, None)

    @property
    def drive_c(self):
        """The prefix's C: drive, as a folder."""
        return self.path / "drive_c"

    def command(self, exe, *args):
        """The command line that runs a Windows program in this prefix."""
        return [self.loader, str(exe), *map(str, args)]

    def run(self, exe, *args, timeout=WAIT, **kwargs):
        """Runs a Windows program to its end: the CompletedProcess, whatever its status."""
        return subprocess.run(self.command(exe, *args), env=self.env, timeout=timeout,
                              check=False, **kwargs)

    def start(self, exe, *args, debug="-all", **kwargs):
        """Starts a Windows program; `debug` is what Wine logs on its standard error
        (WINEDEBUG)."""
        return subprocess.Popen(self.command(exe, *args), env=dict(self.env, WINEDEBUG=debug),
                                **kwargs)

    def wait(self, timeout=WAIT):
        """Waits for every Windows program of the prefix to end (an uninstaller goes on in a copy
        of itself after the program started has ended)."""
        run([self.server, "-w"], env=self.env, timeout=timeout)

    def registry(self, key, value):
        """A value of Wine's registry as reg.exe shows it, or None without that key or value."""
        shown = self.run("reg", "query", key, "/v", value, capture_output=True, text=True)
        found = re.search(rf"^\s+{re.escape(value)}\s+REG_\w+\s+(.*?)\s*$", shown.stdout, re.M)
        return found[1] if shown.returncode == 0 and found else None

    def key_exists(self, key):
        """Whether Wine's registry has that key."""
        return self.run("reg", "query", key, capture_output=True).returncode == 0

