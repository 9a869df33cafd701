#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Kazoumi developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs orca_turn.py with Debian's own Python, which has the AT-SPI bindings. Without the tools it
# needs the test is skipped (77) on a developer's machine, but fails in CI, where scripts/test
# installs them.
missing=
for tool in /usr/bin/python3 /usr/bin/orca /usr/bin/Xvfb /usr/bin/xdotool /usr/bin/dbus-launch \
    /usr/libexec/at-spi-bus-launcher; do
    [ -x "$tool" ] || missing="$missing $tool"
done
if [ -z "$missing" ] && ! /usr/bin/python3 -c 'import pyatspi' 2>/dev/null; then
    missing=" python3-pyatspi"
fi
if [ -n "$missing" ]; then
    echo "Missing:$missing (scripts/test installs them)"
    [ -n "${CI:-}" ] && exit 1
    exit 77
fi
exec /usr/bin/python3 "$(dirname "$0")/orca_turn.py" "$@"
