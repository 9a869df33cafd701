// SPDX-FileCopyrightText: 2026 The Kazoumi developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The about window: the photo built into the program, the two pictures that swap on a click,
// the note nobody can edit, and the window's life as a single modeless window.

#include "pictures/authorphoto.h"
#include "support/boarddriver.h"
#include "widgets/imagebox.h"

#include <QApplication>
#include <QFile>
#include <QImageReader>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTest>

namespace {

ImageBox* picture(Form3* window, const char* name) {
    return window->findChild<ImageBox*>(QLatin1String(name));
}

bool photoShows(Form3* window) {
    const bool photo = picture(window, "Image2")->isVisible();
    // Exactly one of the two pictures shows at any time.
    if (photo == picture(window, "Image1")->isVisible())
        qWarning("both pictures or neither show");
    return photo && !picture(window, "Image1")->isVisible();
}

QPlainTextEdit* note(Form3* window) {
    return window->findChild<QPlainTextEdit*>(QStringLiteral("Text1"));
}

// The start-of-frame segment of a JPEG file: its marker, precision, size and component count.
struct FrameHeader {
    int marker = 0;
    int precision = 0;
    int height = 0;
    int width = 0;
    int components = 0;
};

FrameHeader readFrameHeader(const QByteArray& jpeg) {
    auto byte = [&jpeg](qsizetype at) { return at < jpeg.size() ? quint8(jpeg[at]) : 0; };
    auto word = [&byte](qsizetype at) { return byte(at) << 8 | byte(at + 1); };
    if (word(0) != 0xFFD8)
        return {};
    qsizetype at = 2;
    while (at + 4 <= jpeg.size() && byte(at) == 0xFF) {
        const int marker = byte(at + 1);
        // SOF0 to SOF15, leaving out DHT (C4), JPG (C8) and DAC (CC).
        if (marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC)
            return {marker, byte(at + 4), word(at + 5), word(at + 7), byte(at + 9)};
        at += 2 + word(at + 2);
    }
    return {};
}

} // namespace

class AboutWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void photoIsABaselineColourJpeg();
    void photoDecodesInColour();

    void startsWithTheDiePicture();
    void clicksSwapThePictures();
    void okKeepsThePhotoShowing();
    void closeBoxBringsBackTheDie();
    void oneWindowAfterTwoOpenings();
    void windowGoesWithTheGame();

    void noteShape();
    void noteCannotBeEdited();
    void captionsFitTheirLabels();

private:
    std::unique_ptr<BoardDriver> board;
    QPointer<Form3> about;
};

void AboutWindowTest::init() {
    board = std::make_unique<BoardDriver>();
    about = board->openAbout();
    QVERIFY(about);
    QVERIFY(QTest::qWaitForWindowExposed(about));
}

void AboutWindowTest::cleanup() {
    board.reset();
    QVERIFY(aboutWindows().isEmpty());
}

void AboutWindowTest::photoIsABaselineColourJpeg() {
#ifdef Q_OS_WIN
    QSKIP("the Windows build carries the photo as a PNG: its Qt has no JPEG reader");
#endif
    QFile file(QString::fromLatin1(pictures::photoResource));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const FrameHeader frame = readFrameHeader(file.readAll());
    QCOMPARE(frame.marker, 0xC0);
    QCOMPARE(frame.precision, 8);
    QCOMPARE(frame.width, 350);
    QCOMPARE(frame.height, 485);
    QCOMPARE(frame.components, 3);
}

void AboutWindowTest::photoDecodesInColour() {
#ifdef Q_OS_WIN
    QSKIP("the Windows build carries the photo as a PNG: its Qt has no JPEG reader");
#endif
    QImageReader reader(QString::fromLatin1(pictures::photoResource));
    QCOMPARE(reader.format(), QByteArray("jpeg"));
    const QImage photo = reader.read();
    QVERIFY2(!photo.isNull(), qPrintable(reader.errorString()));
    QCOMPARE(photo.size(), pictures::photoSize);
    QCOMPARE(photo.format(), QImage::Format_RGB32);
    QVERIFY(!photo.allGray());

    // Shown, it is scaled to its box, in colour.
    const QImage shown = pictures::authorPhoto()->pixmap(QSize(70, 77), 1).toImage();
    QCOMPARE(shown.size(), QSize(70, 77));
    QVERIFY(!shown.allGray());
}

void AboutWindowTest::startsWithTheDiePicture() {
    QVERIFY(!photoShows(about));
    ImageBox* die = picture(about, "Image1");
    QCOMPARE(die->size(), QSize(72, 72));
    QVERIFY(die->stretches());
    QCOMPARE(die->picture()->naturalSize(), QSize(32, 32));
    // The photo lies at the same corner as the die picture.
    ImageBox* photo = picture(about, "Image2");
    QCOMPARE(photo->pos(), die->pos());
    QCOMPARE(photo->size(), QSize(70, 77));
    QVERIFY(photo->stretches());
}

// Each click on the picture that shows swaps the two: the photo after one click, the die after two.
void AboutWindowTest::clicksSwapThePictures() {
    QStringList showing;
    for (int click = 0; click < 4; ++click) {
        board->click(picture(about, photoShows(about) ? "Image2" : "Image1"));
        showing << QString(picture(about, "Image1")->isVisible() ? "die " : "") +
                       (picture(about, "Image2")->isVisible() ? "photo" : "");
    }
    QCOMPARE(showing, QStringList({"photo", "die ", "photo", "die "}));
}

void AboutWindowTest::okKeepsThePhotoShowing() {
    board->click(picture(about, "Image1"));
    board->click(about->findChild<QPushButton*>(QStringLiteral("Command1")));
    QVERIFY(about->isHidden());
    runDeferredDeletes();
    QVERIFY2(about, "ok must hide the window, not destroy it");

    QCOMPARE(board->openAbout(), about.data());
    QVERIFY(about->isVisible());
    QVERIFY(photoShows(about));
}

void AboutWindowTest::closeBoxBringsBackTheDie() {
    board->click(picture(about, "Image1"));
    QVERIFY(photoShows(about));
    QVERIFY(about->close());
    runDeferredDeletes();
    QVERIFY(!about);

    Form3* fresh = board->openAbout();
    QVERIFY(fresh);
    QVERIFY(QTest::qWaitForWindowExposed(fresh));
    QVERIFY(!photoShows(fresh));
}

void AboutWindowTest::oneWindowAfterTwoOpenings() {
    QCOMPARE(board->openAbout(), about.data());
    QCOMPARE(aboutWindows().size(), 1);
    QVERIFY(about->isVisible());
    QCOMPARE(about->parentWidget(), nullptr);
    QCOMPARE(about->windowModality(), Qt::NonModal);
    QCOMPARE(about->size(), QSize(348, 277));
}

void AboutWindowTest::windowGoesWithTheGame() {
    board->click(about->findChild<QPushButton*>(QStringLiteral("Command1")));
    board.reset();
    QVERIFY(!about);
}

void AboutWindowTest::noteShape() {
    const QString text = note(about)->toPlainText();
    QCOMPARE(text.count(u'\n'), 35);
    QVERIFY(text.startsWith(u'\n'));
    QVERIFY(text.endsWith(u'\n'));
    QVERIFY(!text.endsWith(u"\n\n"));
    QVERIFY(text.contains(u"2000"));
}

void AboutWindowTest::noteCannotBeEdited() {
    QPlainTextEdit* text = note(about);
    QVERIFY(text->isReadOnly());
    QVERIFY(!text->acceptDrops());
    const QString before = text->toPlainText();
    QTest::keyClick(text, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(text, QStringLiteral("Quib"));
    QTest::keyClick(text, Qt::Key_Return);
    QTest::keyClick(text, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(text, Qt::Key_Backspace);
    QCOMPARE(text->toPlainText(), before);
}

// Every caption wraps inside its label's box and none runs past the bottom.
void AboutWindowTest::captionsFitTheirLabels() {
    for (const char* name : {"Label1", "Label2", "Label3", "Label4", "Label5"}) {
        auto* label = about->findChild<QLabel*>(QLatin1String(name));
        QVERIFY2(label, name);
        QVERIFY2(!label->text().isEmpty(), name);
        QVERIFY2(label->wordWrap(), name);
        QVERIFY2(label->heightForWidth(label->width()) <= label->height(),
                 qPrintable(QStringLiteral("%1 needs %2 pixels, has %3")
                                .arg(label->text())
                                .arg(label->heightForWidth(label->width()))
                                .arg(label->height())));
    }
}

QTEST_MAIN(AboutWindowTest)
#include "test_aboutwindow.moc"
