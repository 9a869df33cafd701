// SPDX-FileCopyrightText: 2026 The Kazoumi developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QPixmap>
#include <QRegion>
#include <QSize>

#include <functional>
#include <list>
#include <memory>

// One of the program's pictures. It is drawn by code rather than loaded, so it can be rendered
// crisply at whatever size and device-pixel ratio it is shown at; each rendering is made once and
// kept. Pictures are shared, never copied: a die showing a face holds the face's very Picture, so
// "which face is this die" is a pointer comparison.
class Picture {
public:
    // Draws the picture into an image of exactly the given size in device pixels.
    using Renderer = std::function<QImage(QSize pixels)>;

    Picture(QSize naturalSize, Renderer renderer);

    // The picture drawn at a size in device-independent pixels for a screen of the given pixel
    // ratio, and where that drawing is not fully transparent (in the same device-independent
    // pixels, rounded outwards): a repaint outside it has nothing of the picture to show.
    struct Rendering {
        QSize size;
        qreal devicePixelRatio;
        QPixmap pixmap;
        QRegion visible;
    };

    QSize naturalSize() const { return m_naturalSize; }

    // Made on first request and kept for the picture's lifetime: the reference stays good
    // when later calls add renderings at other sizes.
    const Rendering& rendering(QSize size, qreal devicePixelRatio) const;
    const QPixmap& pixmap(QSize size, qreal devicePixelRatio) const {
        return rendering(size, devicePixelRatio).pixmap;
    }
    const QRegion& visibleRegion(QSize size, qreal devicePixelRatio) const {
        return rendering(size, devicePixelRatio).visible;
    }
    // The picture at its natural size in device pixels.
    QImage image() const { return m_renderer(m_naturalSize); }

private:
    QSize m_naturalSize;
    Renderer m_renderer;
    // A list, because adding to it never moves the renderings already handed out.
    mutable std::list<Rendering> m_renderings;
};

using PicturePtr = std::shared_ptr<const Picture>;
