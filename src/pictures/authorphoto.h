// SPDX-FileCopyrightText: 2026 The Kazoumi developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "picture.h"

// The author's photo on the about window: a JPEG built into the program, decoded when the
// window is made and scaled smoothly to whatever size it is shown at.
namespace pictures {

// Its size in pixels: photo/makephoto.cpp paints it at this size.
inline constexpr QSize photoSize{350, 485};
inline constexpr char photoResource[] = ":/pictures/authorphoto.jpg";

PicturePtr authorPhoto();

} // namespace pictures
