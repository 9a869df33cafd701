// SPDX-FileCopyrightText: 2026 The Kazoumi developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picture.h"

#include <cmath>

Picture::Picture(QSize naturalSize, Renderer renderer)
    : m_naturalSize(naturalSize), m_renderer(std::move(renderer)) {}

namespace {

// The pixels of an image that are not fully transparent, as a region in device-independent pixels
// rounded outwards, so that no pixel that shows anything falls outside it.
QRegion visiblePixels(const QImage& image, qreal devicePixelRatio) {
    const auto logical = [devicePixelRatio](int left, int top, int right, int bottom) {
        return QRect(QPoint(int(std::floor(left / devicePixelRatio)),
                            int(std::floor(top / devicePixelRatio))),
                     QPoint(int(std::ceil(right / devicePixelRatio)) - 1,
                            int(std::ceil(bottom / devicePixelRatio)) - 1));
    };
    if (!image.hasAlphaChannel())
        return logical(0, 0, image.width(), image.height());
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QRegion region;
    for (int y = 0; y < argb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        for (int x = 0; x < argb.width();) {
            if (qAlpha(line[x]) == 0) {
                ++x;
                continue;
            }
            const int start = x;
            while (x < argb.width() && qAlpha(line[x]) != 0)
                ++x;
            region += logical(start, y, x, y + 1);
        }
    }
    return region;
}

} // namespace

const Picture::Rendering& Picture::rendering(QSize size, qreal devicePixelRatio) const {
    for (const Rendering& rendering : m_renderings) {
        if (rendering.size == size && rendering.devicePixelRatio == devicePixelRatio)
            return rendering;
    }
    const QSize pixels(qRound(size.width() * devicePixelRatio),
                       qRound(size.height() * devicePixelRatio));
    const QImage image = m_renderer(pixels);
    QPixmap pixmap = QPixmap::fromImage(image);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    m_renderings.push_back(
        {size, devicePixelRatio, std::move(pixmap), visiblePixels(image, devicePixelRatio)});
    return m_renderings.back();
}
