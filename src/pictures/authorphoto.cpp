// SPDX-FileCopyrightText: 2026 The Kazoumi developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "authorphoto.h"

namespace pictures {

PicturePtr authorPhoto() {
    const QImage photo(QString::fromLatin1(photoResource));
    return std::make_shared<Picture>(photo.size(), [photo](QSize pixels) {
        return photo.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    });
}

} // namespace pictures
