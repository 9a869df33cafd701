// SPDX-FileCopyrightText: 2026 The Kazoumi developers
// SPDX-License-Identifier: GPL-3.0-or-later

// An image box leaves out of a repaint only what would not have shown: the parts of its picture
// that are fully transparent. What a spinning die leaves on screen is what a full repaint draws.

#include "pictures/picture.h"
#include "widgets/imagebox.h"

#include <QPainter>
#include <QScreen>
#include <QTest>

#include <cmath>
#include <memory>

namespace {

// A 20 x 20 ring: an opaque 4-pixel band around a clear hole, in which one pixel shows faintly.
QImage ring(QSize pixels) {
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.scale(pixels.width() / 20.0, pixels.height() / 20.0);
    painter.fillRect(QRect(0, 0, 20, 20), Qt::darkYellow);
    painter.setCompositionMode(QPainter::CompositionMode_Clear);
    painter.fillRect(QRect(4, 4, 12, 12), Qt::transparent);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.fillRect(QRect(10, 7, 1, 1), QColor(0, 0, 255, 1));
    return image;
}

PicturePtr makePicture(QSize natural, Picture::Renderer renderer) {
    return std::make_shared<Picture>(natural, std::move(renderer));
}

// A soft disc: antialiased, so that its rim is partly transparent.
PicturePtr disc(const QColor& colour) {
    return makePicture(QSize(40, 40), [colour](QSize pixels) {
        QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour);
        painter.drawEllipse(QRectF(QPointF(0, 0), QSizeF(pixels)).adjusted(3, 3, -3, -3));
        return image;
    });
}

} // namespace

class ImageBoxTest : public QObject {
    Q_OBJECT

private slots:
    void visibleRegionHoldsEveryPixelThatShows_data();
    void visibleRegionHoldsEveryPixelThatShows();
    void opaqueAndEmptyPictures();
    void repaintsLeaveWhatAFullRepaintDraws();
};

void ImageBoxTest::visibleRegionHoldsEveryPixelThatShows_data() {
    QTest::addColumn<qreal>("ratio");
    QTest::newRow("1x") << 1.0;
    QTest::newRow("2x") << 2.0;
    QTest::newRow("1.5x") << 1.5;
    QTest::newRow("1.25x") << 1.25;
}

void ImageBoxTest::visibleRegionHoldsEveryPixelThatShows() {
    QFETCH(qreal, ratio);
    const PicturePtr picture = makePicture(QSize(20, 20), ring);
    const QRegion visible = picture->visibleRegion(QSize(20, 20), ratio);
    const QImage rendered = picture->pixmap(QSize(20, 20), ratio).toImage();
    // Every device pixel that shows anything lies in the region: all of the device-independent
    // pixels it covers, even in part.
    for (int y = 0; y < rendered.height(); ++y) {
        for (int x = 0; x < rendered.width(); ++x) {
            if (qAlpha(rendered.pixel(x, y)) == 0)
                continue;
            const QRect covered(
                QPoint(int(std::floor(x / ratio)), int(std::floor(y / ratio))),
                QPoint(int(std::ceil((x + 1) / ratio)) - 1, int(std::ceil((y + 1) / ratio)) - 1));
            QVERIFY2(QRegion(covered).subtracted(visible).isEmpty(),
                     qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
        }
    }
    // The hole is left out, except around its one faint pixel.
    QVERIFY(visible.contains(QPoint(10, 7)));
    QVERIFY(!visible.intersects(QRect(5, 9, 10, 6)));
    QVERIFY(!visible.contains(QPoint(6, 6)));
    QCOMPARE(visible.intersected(QRect(0, 0, 20, 4)), QRegion(0, 0, 20, 4));
}

void ImageBoxTest::opaqueAndEmptyPictures() {
    const PicturePtr opaque = makePicture(QSize(8, 6), [](QSize pixels) {
        QImage image(pixels, QImage::Format_RGB32);
        image.fill(Qt::red);
        return image;
    });
    // A rendering handed out stays where it is while renderings at other sizes are added.
    const Picture::Rendering& first = opaque->rendering(QSize(8, 6), 1);
    for (int width = 9; width < 40; ++width)
        opaque->rendering(QSize(width, 6), 1);
    QCOMPARE(first.pixmap.size(), QSize(8, 6));
    QCOMPARE(first.visible, QRegion(0, 0, 8, 6));
    QCOMPARE(opaque->visibleRegion(QSize(8, 6), 2), QRegion(0, 0, 8, 6));

    const PicturePtr clear = makePicture(QSize(8, 6), [](QSize pixels) {
        QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        return image;
    });
    QVERIFY(clear->visibleRegion(QSize(8, 6), 1).isEmpty());
}

void ImageBoxTest::repaintsLeaveWhatAFullRepaintDraws() {
    // A frame, and a die half over its band and half over its hole, like the board's dice but
    // closer to the edge: every repaint of the die crosses parts of the frame that show and parts
    // that do not.
    QWidget window;
    window.resize(100, 100);
    window.setAutoFillBackground(true);
    QPalette grey = window.palette();
    grey.setColor(QPalette::Window, QColor(192, 192, 192));
    window.setPalette(grey);
    auto* frame = new ImageBox(&window);
    frame->setGeometry(10, 10, 60, 60);
    frame->setStretch(true);
    frame->setPicture(makePicture(QSize(20, 20), ring));
    auto* die = new ImageBox(&window);
    die->setGeometry(40, 40, 40, 40);
    const PicturePtr faces[] = {disc(Qt::darkBlue), disc(QColor(255, 0, 0, 128)), nullptr};
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    for (int throwNumber = 0; throwNumber < 7; ++throwNumber) {
        die->setPicture(faces[throwNumber % 3]);
        QCoreApplication::processEvents();
        const QImage onScreen = window.screen()
                                    ->grabWindow(window.winId())
                                    .toImage()
                                    .convertToFormat(QImage::Format_RGB32);
        const QImage repainted = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(onScreen.size(), repainted.size());
        QVERIFY2(onScreen == repainted, qPrintable(QString::number(throwNumber)));
    }
    // And both show the pictures: the frame's band, and the last die's middle.
    const QImage shown = window.screen()->grabWindow(window.winId()).toImage();
    QCOMPARE(shown.pixelColor(12, 12), QColor(Qt::darkYellow));
    QCOMPARE(shown.pixelColor(60, 60), QColor(Qt::darkBlue));
}

QTEST_MAIN(ImageBoxTest)
#include "test_imagebox.moc"
