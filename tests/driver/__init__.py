# SPDX-FileCopyrightText: 2026 The Kazoumi developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""What the script checks share: waiting, the tools they need, the servers they start (an X
server, weston, a D-Bus session with the AT-SPI bus and Orca) and where the board's widgets are."""
