// SPDX-FileCopyrightText: 2026 The Kazoumi developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRect>

// The window layout is designed in twips: 1/1440 inch, 15 to a pixel at 96 dpi. Qt works in
// device-independent pixels and scales those itself on high-density screens, so one conversion
// is all the layout needs.
constexpr int twipsPerPixel = 15;

constexpr int twips(int value) { return value / twipsPerPixel; }

constexpr QRect twips(int left, int top, int width, int height) {
    return QRect(twips(left), twips(top), twips(width), twips(height));
}
