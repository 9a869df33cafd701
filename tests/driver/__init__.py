# SPDX-FileCopyrightText: 2026 The Kazoumi developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""What the script checks share: waiting, the tools they need, the servers they start (an X
server, weston, a D-Bus session with the AT-SPI bus and Orca) and where the board's widgets are.

A script imports it as `driver` (`from driver import core`), which Python looks for first in the
script's own folder: each folder holding a script that uses it (scripts/, bench/, tests/wayland/,
tests/windows/, tests/screenreader/) has a link `driver` to this folder. So every script finds it
however it is started (by ctest, by hand, by another script, by CMake as the Windows build's
emulator), with no change to sys.path or PYTHONPATH. A script in another folder wants the same
link beside it: `ln -s ../tests/driver driver` in a top-level folder."""
