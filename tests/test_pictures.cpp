// SPDX-FileCopyrightText: 2026 The Kazoumi developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The die pictures: pips where the board expects them, drawn as shaded blue balls with their
// shadows, sharp at every size; the gold frame; and the window icon in the sixteen colours.

#include "pictures/diepictures.h"
#include "rules/gamenumbers.h"

#include <QIcon>
#include <QImage>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <functional>
#include <set>

using Pixels = std::function<bool(QRgb)>;

namespace {

QImage straight(const QImage& image) { return image.convertToFormat(QImage::Format_ARGB32); }

bool isBlue(QRgb c) {
    return qAlpha(c) == 255 && qBlue(c) > qRed(c) + 40 && qBlue(c) > qGreen(c) + 40;
}

// The grey of a pip's shadow: opaque, colourless and a little darker than the die.
bool isShadowGrey(QRgb c) {
    const int spread =
        std::max({qRed(c), qGreen(c), qBlue(c)}) - std::min({qRed(c), qGreen(c), qBlue(c)});
    return qAlpha(c) == 255 && spread <= 3 && qRed(c) >= 160 && qRed(c) <= 190;
}

int brightness(QRgb c) { return qRed(c) + qGreen(c) + qBlue(c); }

// Counts the groups of touching pixels (sideways or diagonally) that match.
int countBlobs(const QImage& image, const Pixels& matches) {
    QList<bool> seen(image.width() * image.height(), false);
    int blobs = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (seen[y * image.width() + x] || !matches(image.pixel(x, y)))
                continue;
            ++blobs;
            QList<QPoint> pending{{x, y}};
            seen[y * image.width() + x] = true;
            while (!pending.isEmpty()) {
                const QPoint p = pending.takeLast();
                for (int dy = -1; dy <= 1; ++dy) {
                    for (int dx = -1; dx <= 1; ++dx) {
                        const QPoint q = p + QPoint(dx, dy);
                        if (!image.rect().contains(q) || seen[q.y() * image.width() + q.x()] ||
                            !matches(image.pixel(q)))
                            continue;
                        seen[q.y() * image.width() + q.x()] = true;
                        pending.append(q);
                    }
                }
            }
        }
    }
    return blobs;
}

int countPixels(const QImage& image, const Pixels& matches) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += matches(image.pixel(x, y)) ? 1 : 0;
    return count;
}

// The middle of the pixel a pip is centred on, in a picture drawn at `scale` times its size.
QPointF pipMiddle(QPoint centre, int scale) {
    return (QPointF(centre) + QPointF(0.5, 0.5)) * scale;
}

qreal distanceToNearest(QPointF p, const QList<QPoint>& centres, int scale, QPointF* nearest) {
    qreal best = 1e9;
    for (const QPoint& c : centres) {
        const QPointF m = pipMiddle(c, scale);
        const qreal d = std::hypot(p.x() - m.x(), p.y() - m.y());
        if (d < best) {
            best = d;
            *nearest = m;
        }
    }
    return best;
}

const QList<QPoint> faceCentres[gamenumbers::faceCount] = {
    {{29, 28}},
    {{15, 13}, {40, 44}},
    {{45, 8}, {29, 26}, {12, 45}},
    {{12, 12}, {43, 12}, {14, 43}, {40, 44}},
    {{10, 10}, {45, 9}, {27, 29}, {11, 46}, {44, 45}},
    {{14, 8}, {13, 28}, {14, 47}, {39, 10}, {38, 28}, {38, 48}},
};

const std::set<QRgb> sixteenColours = {
    qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
    qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
    qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
    qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};

} // namespace

class TestPictures : public QObject {
    Q_OBJECT

private slots:
    void facesShowTheirPipsInPlace_data();
    void facesShowTheirPipsInPlace();
    void pipsAreLitBallsWithShadowsBelowRight_data();
    void pipsAreLitBallsWithShadowsBelowRight();
    void facesAreDrawnAtTheSizeAskedFor_data();
    void facesAreDrawnAtTheSizeAskedFor();
    void frameIsARaisedGoldBandAroundAHole_data();
    void frameIsARaisedGoldBandAroundAHole();
    void smallIconUsesOnlyTheSixteenColours();
    void largerIconsAreSmoothAndFullSize_data();
    void largerIconsAreSmoothAndFullSize();
    void windowIconOffersTheWindowSizes();
};

void TestPictures::facesShowTheirPipsInPlace_data() {
    QTest::addColumn<int>("face");
    QTest::addColumn<int>("scale");
    for (int scale : {1, 2})
        for (int face = 1; face <= gamenumbers::faceCount; ++face)
            QTest::addRow("face %d at %dx", face, scale) << face << scale;
}

// Each face shows exactly its pips, centred where the board's layout puts them, on a clear
// background; blown up twice, the pips sit at the doubled places.
void TestPictures::facesShowTheirPipsInPlace() {
    QFETCH(int, face);
    QFETCH(int, scale);
    const QList<QPoint>& centres = faceCentres[face - 1];
    const QSize size = pictures::faceSize * scale;
    const QImage image =
        straight(scale == 1 ? pictures::dieFace(face)->image() : pictures::drawDieFace(face, size));

    QCOMPARE(image.size(), size);
    for (QPoint corner : {QPoint(0, 0), QPoint(size.width() - 1, 0), QPoint(0, size.height() - 1),
                          QPoint(size.width() - 1, size.height() - 1)})
        QCOMPARE(qAlpha(image.pixel(corner)), 0);

    QCOMPARE(countBlobs(image, isBlue), face);
    for (const QPoint& centre : centres)
        QVERIFY2(isBlue(image.pixel(pipMiddle(centre, scale).toPoint())),
                 qPrintable(QStringLiteral("no blue at %1, %2").arg(centre.x()).arg(centre.y())));

    // Blue only on the balls, and nothing at all away from the balls and their shadows.
    const qreal ball = (face == 1 ? 12 : 7) * scale;
    const qreal reach = (face == 1 ? 13 : 12) * scale;
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            QPointF nearest;
            const qreal d = distanceToNearest(QPointF(x + 0.5, y + 0.5), centres, scale, &nearest);
            if (isBlue(image.pixel(x, y)))
                QVERIFY2(d <= ball + 1,
                         qPrintable(QStringLiteral("stray blue at %1, %2").arg(x).arg(y)));
            if (d > reach)
                QVERIFY2(qAlpha(image.pixel(x, y)) == 0,
                         qPrintable(QStringLiteral("background drawn at %1, %2").arg(x).arg(y)));
        }
    }
}

void TestPictures::pipsAreLitBallsWithShadowsBelowRight_data() {
    QTest::addColumn<int>("face");
    for (int face = 1; face <= gamenumbers::faceCount; ++face)
        QTest::addRow("face %d", face) << face;
}

// Every ball is brightest up and to the left and darkens towards its rim; its grey shadow lies
// only below and right of it. The lone large pip of face 1 casts none.
void TestPictures::pipsAreLitBallsWithShadowsBelowRight() {
    QFETCH(int, face);
    const QList<QPoint>& centres = faceCentres[face - 1];
    const QImage image = straight(pictures::drawDieFace(face, pictures::faceSize));
    const int offset = face == 1 ? 5 : 3;

    for (const QPoint& centre : centres) {
        const QRgb upperLeft = image.pixel(centre - QPoint(offset, offset));
        const QRgb lowerRight = image.pixel(centre + QPoint(offset, offset));
        QVERIFY(isBlue(upperLeft) && isBlue(lowerRight));
        QVERIFY(brightness(upperLeft) > brightness(image.pixel(centre)));
        QVERIFY(brightness(image.pixel(centre)) > brightness(lowerRight));
    }

    const int shadowPixels = countPixels(image, isShadowGrey);
    if (face == 1) {
        QCOMPARE(shadowPixels, 0);
        return;
    }
    QVERIFY(shadowPixels >= 10 * face);
    // Each shadow pixel lies below and right of a ball close enough to cast it.
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (!isShadowGrey(image.pixel(x, y)))
                continue;
            const QPointF p(x + 0.5, y + 0.5);
            const bool cast = std::any_of(centres.begin(), centres.end(), [p](QPoint centre) {
                const QPointF d = p - pipMiddle(centre, 1);
                return std::hypot(d.x(), d.y()) < 12 && d.x() + d.y() > 0;
            });
            QVERIFY2(cast, qPrintable(QStringLiteral("stray shadow at %1, %2").arg(x).arg(y)));
        }
    }
}

void TestPictures::facesAreDrawnAtTheSizeAskedFor_data() {
    QTest::addColumn<int>("face");
    QTest::addColumn<QSize>("size");
    QTest::newRow("five as shown on the board") << 5 << QSize(49, 49);
    QTest::newRow("five on a double-density screen") << 5 << QSize(98, 98);
    QTest::newRow("one at twice its size") << 1 << QSize(114, 114);
    QTest::newRow("six at twice its size") << 6 << QSize(114, 114);
    QTest::newRow("three at four times its size") << 3 << QSize(228, 228);
}

// A picture asked for at another size is drawn at that size: the balls' rims stay about a pixel
// soft, whereas a small rendering blown up would have rims two or more pixels wide.
void TestPictures::facesAreDrawnAtTheSizeAskedFor() {
    QFETCH(int, face);
    QFETCH(QSize, size);
    const auto partlyClear = [](QRgb c) { return qAlpha(c) > 0 && qAlpha(c) < 255; };
    const QImage natural = straight(pictures::drawDieFace(face, pictures::faceSize));
    const QImage image = straight(pictures::drawDieFace(face, size));
    QCOMPARE(image.size(), size);
    QCOMPARE(countBlobs(image, isBlue), face);

    const qreal scale = qreal(size.width()) / pictures::faceSize.width();
    const int rim = countPixels(image, partlyClear);
    QVERIFY2(rim < 1.5 * scale * countPixels(natural, partlyClear),
             qPrintable(QStringLiteral("rims of %1 pixels").arg(rim)));
}

void TestPictures::frameIsARaisedGoldBandAroundAHole_data() {
    QTest::addColumn<int>("side");
    QTest::newRow("natural size") << 68;
    QTest::newRow("double density") << 136;
    QTest::newRow("one and a half") << 102;
}

// The frame is an opaque gold band eight natural pixels wide around a clear hole; lit from the
// upper left it looks raised, with light and dark swapped on its inner rim.
void TestPictures::frameIsARaisedGoldBandAroundAHole() {
    QFETCH(int, side);
    const QImage image = straight(side == 68 ? pictures::dieFrame()->image()
                                             : pictures::drawDieFrame(QSize(side, side)));
    QCOMPARE(image.size(), QSize(side, side));
    const int band = side * 8 / 68;

    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            const int inset = std::min({x, y, side - 1 - x, side - 1 - y});
            const QRgb c = image.pixel(x, y);
            if (inset < band - 1) {
                QVERIFY2(qAlpha(c) == 255 && qRed(c) > qBlue(c) + 20 && qGreen(c) > qBlue(c),
                         qPrintable(QStringLiteral("not gold at %1, %2").arg(x).arg(y)));
            } else if (inset > band) {
                QVERIFY2(qAlpha(c) == 0,
                         qPrintable(QStringLiteral("hole filled at %1, %2").arg(x).arg(y)));
            }
        }
    }

    const int mid = side / 2;
    const int outer = 0, inner = band - 1;
    QVERIFY(brightness(image.pixel(mid, outer)) > brightness(image.pixel(mid, side - 1 - outer)));
    QVERIFY(brightness(image.pixel(outer, mid)) > brightness(image.pixel(side - 1 - outer, mid)));
    QVERIFY(brightness(image.pixel(mid, inner)) < brightness(image.pixel(mid, side - 1 - inner)));
    QVERIFY(brightness(image.pixel(inner, mid)) < brightness(image.pixel(side - 1 - inner, mid)));
    // The outer top edge is the light gold, the outer bottom edge the dark olive-brown.
    QVERIFY(qRed(image.pixel(mid, 1)) > 230);
    QVERIFY(qRed(image.pixel(mid, side - 1)) < 90);
}

// At 32 x 32 the icon is pixel art in the sixteen standard colours: no transparent pixel, a
// white die on a grey ground with a black outline, shaded side and separate black pips.
void TestPictures::smallIconUsesOnlyTheSixteenColours() {
    const QImage icon = pictures::dieIcon()->image();
    QCOMPARE(icon.size(), QSize(32, 32));
    QCOMPARE(icon.format(), QImage::Format_Indexed8);
    QVERIFY(icon.colorCount() <= 16);

    std::set<QRgb> used;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            used.insert(icon.pixel(x, y));
    for (QRgb c : used) {
        QCOMPARE(qAlpha(c), 255);
        QVERIFY2(sixteenColours.count(c),
                 qPrintable(QStringLiteral("colour %1 is not standard").arg(c, 8, 16)));
    }
    for (QRgb needed : {qRgb(255, 255, 255), qRgb(128, 128, 128), qRgb(0, 0, 0)})
        QVERIFY(used.count(needed));

    const auto isBlack = [](QRgb c) { return c == qRgb(0, 0, 0); };
    const auto isWhite = [](QRgb c) { return c == qRgb(255, 255, 255); };
    QVERIFY(countPixels(icon, isWhite) > 32 * 32 / 4);
    // The outline is one shape; every pip on the faces is another.
    QVERIFY(countBlobs(icon, isBlack) >= 1 + 5);
}

void TestPictures::largerIconsAreSmoothAndFullSize_data() {
    QTest::addColumn<int>("side");
    for (int side : {16, 48, 64, 128, 256})
        QTest::addRow("%d", side) << side;
}

// Other sizes are drawn for their size with soft edges and shading, not as the pixel art.
void TestPictures::largerIconsAreSmoothAndFullSize() {
    QFETCH(int, side);
    const QImage icon = straight(pictures::drawDieIcon(QSize(side, side)));
    QCOMPARE(icon.size(), QSize(side, side));

    std::set<QRgb> used;
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x)
            used.insert(icon.pixel(x, y));
    QVERIFY(used.size() > 16);
    // The die fills most of the picture and is opaque in its middle.
    QCOMPARE(qAlpha(icon.pixel(side / 2, side / 2)), 255);
    QVERIFY(countPixels(icon, [](QRgb c) { return qAlpha(c) == 255; }) > side * side / 2);
}

void TestPictures::windowIconOffersTheWindowSizes() {
    const QList<QSize> sizes = pictures::windowIcon().availableSizes();
    for (int side : {16, 32, 48})
        QVERIFY2(sizes.contains(QSize(side, side)), qPrintable(QString::number(side)));
}

QTEST_MAIN(TestPictures)
#include "test_pictures.moc"
