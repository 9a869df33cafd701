// SPDX-FileCopyrightText: 2026 The Kazoumi developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "picture.h"

#include <QIcon>

// The pictures of the dice: six faces, the gold frame around a die, and the die icon that marks
// every window. Each is drawn in code for the size it is shown at.
namespace pictures {

inline constexpr QSize faceSize{57, 57};
inline constexpr QSize frameSize{68, 68};
inline constexpr QSize iconSize{32, 32};

// The sixteen colours every display can show, in the order of the standard 16-colour palette:
// black, maroon, green, olive, navy, purple, teal, silver, grey, red, lime, yellow, blue, fuchsia,
// aqua, white. The 32 x 32 icon uses only these.
const QList<QRgb>& sixteenColours();

// Face 1 to 6 on a transparent background, drawn to fill an image of the given size.
QImage drawDieFace(int face, QSize pixels);
// The bevelled gold frame with a transparent interior.
QImage drawDieFrame(QSize pixels);
// A white die in perspective. At 32 x 32 it uses only the sixteen standard colours.
QImage drawDieIcon(QSize pixels);

PicturePtr dieFace(int face);
PicturePtr dieFrame();
PicturePtr dieIcon();
// The die icon at the sizes a window's frame and the task bar ask for.
QIcon windowIcon();

} // namespace pictures
