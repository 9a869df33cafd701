#include "diepictures.h"

#include <QPainter>

namespace pictures {

QImage drawDieFace(int face, QSize pixels) {
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(pixels.width() / 57.0, pixels.height() / 57.0);
    painter.setBrush(QColor(33, 8, 181));
    for (int i = 0; i < face; ++i)
        painter.drawEllipse(QPointF(8 + i * 8, 28), 6, 6);
    return image;
}

QImage drawDieFrame(QSize pixels) {
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.scale(pixels.width() / 68.0, pixels.height() / 68.0);
    painter.setPen(QPen(QColor(247, 202, 84), 8));
    painter.drawRect(QRectF(4, 4, 60, 60));
    return image;
}

QImage drawDieIcon(QSize pixels) {
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    return image;
}

PicturePtr dieFace(int face) {
    return std::make_shared<Picture>(faceSize,
                                     [face](QSize pixels) { return drawDieFace(face, pixels); });
}

PicturePtr dieFrame() { return std::make_shared<Picture>(frameSize, drawDieFrame); }

PicturePtr dieIcon() { return std::make_shared<Picture>(iconSize, drawDieIcon); }

QIcon windowIcon() {
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256})
        icon.addPixmap(QPixmap::fromImage(drawDieIcon(QSize(size, size))));
    return icon;
}

} // namespace pictures
