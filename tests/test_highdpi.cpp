// SPDX-FileCopyrightText: 2026 The Kazoumi developers
// SPDX-License-Identifier: GPL-3.0-or-later

// On a screen at twice the density, the dice and their frames are drawn at that resolution, not
// blown up from their 1x pictures.

#include "pictures/diepictures.h"
#include "support/boarddriver.h"
#include "widgets/appearance.h"
#include "widgets/imagebox.h"

#include <QApplication>
#include <QPainter>
#include <QTest>

namespace {

// The picture as the widget should show it: drawn directly at the grabbed size over the grey
// that lies behind it.
QImage expectedOnGrey(const QImage& picture) {
    QImage expected(picture.size(), QImage::Format_ARGB32_Premultiplied);
    expected.fill(appearance::lightGrey);
    QPainter painter(&expected);
    painter.drawImage(0, 0, picture);
    return expected;
}

// The largest difference of any colour channel between two images of the same size.
int largestDifference(const QImage& a, const QImage& b) {
    const QImage first = a.convertToFormat(QImage::Format_RGB32);
    const QImage second = b.convertToFormat(QImage::Format_RGB32);
    int largest = 0;
    for (int y = 0; y < first.height(); ++y) {
        for (int x = 0; x < first.width(); ++x) {
            const QRgb p = first.pixel(x, y);
            const QRgb q = second.pixel(x, y);
            largest = std::max({largest, std::abs(qRed(p) - qRed(q)),
                                std::abs(qGreen(p) - qGreen(q)), std::abs(qBlue(p) - qBlue(q))});
        }
    }
    return largest;
}

QImage grabbed(QWidget* widget) {
    const QPixmap pixmap = widget->grab();
    return pixmap.toImage();
}

} // namespace

class HighDpiTest : public QObject {
    Q_OBJECT

private slots:
    void diceAreDrawnAtDoubleResolution();
    void framesAreDrawnAtDoubleResolution();
};

// Every face in turn, on all five dice and scored between turns, is drawn sharp on the middle die.
void HighDpiTest::diceAreDrawnAtDoubleResolution() {
    BoardDriver board;
    QCOMPARE(board.form().devicePixelRatioF(), 2.0);
    for (int face = 1; face <= gamenumbers::faceCount; ++face) {
        board.roll({face, face, face, face, face});
        const QImage shown = grabbed(board.die(2));
        QCOMPARE(shown.size(), QSize(98, 98));

        const QImage sharp = expectedOnGrey(pictures::drawDieFace(face, QSize(98, 98)));
        QVERIFY2(largestDifference(shown, sharp) <= 2,
                 qPrintable(
                     QStringLiteral("face %1: %2").arg(face).arg(largestDifference(shown, sharp))));

        // A 1x picture blown up differs plainly from it: the comparison above can tell them apart.
        const QImage blownUp =
            expectedOnGrey(pictures::drawDieFace(face, QSize(49, 49))
                               .scaled(98, 98, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        QVERIFY2(largestDifference(blownUp, sharp) > 40, qPrintable(QString::number(face)));
        board.clickBox(BoardDriver::sheetBoxes()[face - 1].button);
    }
}

void HighDpiTest::framesAreDrawnAtDoubleResolution() {
    BoardDriver board;
    auto* frame = board.form().findChild<ImageBox*>(QStringLiteral("Image1(0)"));
    QVERIFY(frame);
    // The frame is shown at its natural size; a die sits over its middle, so compare its band.
    const QImage shown = grabbed(frame).copy(0, 0, 136, 16);
    const QImage sharp =
        expectedOnGrey(pictures::drawDieFrame(QSize(136, 136))).copy(0, 0, 136, 16);
    QCOMPARE(grabbed(frame).size(), QSize(136, 136));
    QVERIFY(largestDifference(shown, sharp) <= 2);
}

int main(int argc, char* argv[]) {
    qputenv("QT_SCALE_FACTOR", "2");
    // The static Qt for Windows has its own platform only, which scales the same way.
#ifndef Q_OS_WIN
    qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
    QApplication app(argc, argv);
    HighDpiTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_highdpi.moc"
