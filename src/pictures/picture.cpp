#include "picture.h"

#include <cmath>

Picture::Picture(QSize naturalSize, Renderer renderer)
    : m_naturalSize(naturalSize), m_renderer(std::move(renderer)) {}

const QPixmap& Picture::pixmap(QSize size, qreal devicePixelRatio) const {
    for (const Rendering& rendering : m_renderings) {
        if (rendering.size == size && rendering.devicePixelRatio == devicePixelRatio)
            return rendering.pixmap;
    }
    const QSize pixels(qRound(size.width() * devicePixelRatio),
                       qRound(size.height() * devicePixelRatio));
    QPixmap pixmap = QPixmap::fromImage(m_renderer(pixels));
    pixmap.setDevicePixelRatio(devicePixelRatio);
    m_renderings.push_back({size, devicePixelRatio, std::move(pixmap)});
    return m_renderings.back().pixmap;
}
