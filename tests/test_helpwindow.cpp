// SPDX-FileCopyrightText: 2026 The Kazoumi developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The help window: its text, which nobody can edit, and its life as a single modeless window.

#include "forms/form2.h"
#include "support/boarddriver.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPointer>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>

namespace {

// Every help window that exists, shown or not.
QList<Form2*> helpWindows() {
    QList<Form2*> windows;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* window = qobject_cast<Form2*>(widget))
            windows.append(window);
    }
    return windows;
}

// Opens the help window through the game window's menu and returns it.
Form2* openHelp(BoardDriver& board) {
    board.triggerMenu("aide");
    const QList<Form2*> windows = helpWindows();
    return windows.size() == 1 ? windows.first() : nullptr;
}

QPlainTextEdit* textBox(Form2* window) {
    return window->findChild<QPlainTextEdit*>(QStringLiteral("Text1"));
}

// Lets windows closed through their close box go away.
void runDeferredDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

// Scrolls the text box some way down and returns where it stands.
int scrollDown(QPlainTextEdit* text) {
    QScrollBar* bar = text->verticalScrollBar();
    bar->setValue(bar->maximum() / 2);
    return bar->value();
}

} // namespace

class HelpWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void textMatchesTheRules();
    void textShape();
    void blanksEndingLines();
    void hyphenRules_data();
    void hyphenRules();
    void everyLineFitsTheBox();
    void windowFrame();
    void focusOrder();

    void textCannotBeEdited_data();
    void textCannotBeEdited();
    void dropChangesNothing();

    void oneWindowAfterTwoOpenings();
    void okHidesAndKeepsScrollPosition();
    void closeBoxDestroysAndReopensAtTop();
    void reopenedBeforeTheClosedWindowIsGone();
    void gameGoesOnWhileHelpIsOpen();
    void windowGoesWithTheGame();

private:
    std::unique_ptr<BoardDriver> board;
    QPointer<Form2> help;
};

void HelpWindowTest::init() {
    board = std::make_unique<BoardDriver>();
    help = openHelp(*board);
    QVERIFY(help);
    QVERIFY(QTest::qWaitForWindowExposed(help));
}

void HelpWindowTest::cleanup() {
    board.reset();
    QVERIFY(helpWindows().isEmpty());
}

// Line by line: a difference names the first line that differs.
void HelpWindowTest::textMatchesTheRules() {
    QFile fixture(QFINDTESTDATA("fixtures/helptext.txt"));
    QVERIFY(fixture.open(QIODevice::ReadOnly));
    QStringList expected = QString::fromUtf8(fixture.readAll()).split(u'\n');
    QCOMPARE(expected.takeLast(), QString()); // the file ends with a line break
    QCOMPARE(expected.size(), 65);
    QCOMPARE(textBox(help)->toPlainText().split(u'\n').mid(0, 65), expected);
}

void HelpWindowTest::textShape() {
    const QString text = textBox(help)->toPlainText();
    QCOMPARE(text.count(u'\n'), 65);
    QVERIFY(text.endsWith(u"\n=P\n"));
    QVERIFY(text.startsWith(u"Fichier d'aide:\n\n---"));
    QVERIFY(!text.contains(u'\r'));
}

// The lines, counted from 1, that end with one blank; none ends with two.
void HelpWindowTest::blanksEndingLines() {
    const QStringList lines = textBox(help)->toPlainText().split(u'\n');
    QList<int> withBlank;
    for (int line = 1; line <= 65; ++line) {
        if (lines.value(line - 1).endsWith(u' '))
            withBlank.append(line);
        QVERIFY2(!lines.value(line - 1).endsWith(u"  "), qPrintable(lines.value(line - 1)));
    }
    QCOMPARE(withBlank, QList<int>({13, 14, 20, 22, 23, 25, 26, 28, 30, 31, 33, 49, 55, 58, 64}));
}

void HelpWindowTest::hyphenRules_data() {
    QTest::addColumn<int>("line");
    QTest::addColumn<int>("length");
    QTest::newRow("after the title") << 3 << 81;
    QTest::newRow("after the contents") << 10 << 81;
    QTest::newRow("after the goal") << 17 << 81;
    QTest::newRow("after how to play") << 37 << 75;
    QTest::newRow("after the scoring") << 61 << 77;
}

void HelpWindowTest::hyphenRules() {
    QFETCH(int, line);
    QFETCH(int, length);
    const QStringList lines = textBox(help)->toPlainText().split(u'\n');
    QCOMPARE(lines.value(line - 1), QString(length, u'-'));
    // A rule stands alone between empty lines.
    QCOMPARE(lines.value(line - 2), QString());
    QCOMPARE(lines.value(line), QString());
}

// Lines wrap at the box's width, even the rules, which have no blank to break at: nothing is
// ever hidden past the right edge.
void HelpWindowTest::everyLineFitsTheBox() {
    QPlainTextEdit* text = textBox(help);
    const qreal width = text->viewport()->width();
    QCOMPARE(text->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    for (QTextBlock block = text->document()->begin(); block.isValid(); block = block.next()) {
        QTextLayout* layout = block.layout();
        for (int i = 0; i < layout->lineCount(); ++i)
            QVERIFY2(layout->lineAt(i).naturalTextWidth() <= width, qPrintable(block.text()));
    }
    QVERIFY(text->verticalScrollBar()->maximum() > 0);
}

void HelpWindowTest::windowFrame() {
    QCOMPARE(help->windowTitle(), QStringLiteral("Aidez-moi!"));
    QCOMPARE(help->size(), QSize(369, 378));
    QCOMPARE(help->minimumSize(), help->maximumSize());
    const Qt::WindowFlags flags = help->windowFlags();
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QVERIFY(!help->windowIcon().isNull());
}

// The text box takes the focus first, and Tab moves it on to "ok" rather than into the text.
void HelpWindowTest::focusOrder() {
    help->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(help));
    QCOMPARE(QApplication::focusWidget(), textBox(help));
    QTest::keyClick(textBox(help), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Command1"));
}

void HelpWindowTest::textCannotBeEdited_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::newRow("letter") << int(Qt::Key_X) << Qt::KeyboardModifiers();
    QTest::newRow("blank") << int(Qt::Key_Space) << Qt::KeyboardModifiers();
    QTest::newRow("return") << int(Qt::Key_Return) << Qt::KeyboardModifiers();
    QTest::newRow("tab") << int(Qt::Key_Tab) << Qt::KeyboardModifiers();
    QTest::newRow("backspace") << int(Qt::Key_Backspace) << Qt::KeyboardModifiers();
    QTest::newRow("delete") << int(Qt::Key_Delete) << Qt::KeyboardModifiers();
    QTest::newRow("paste") << int(Qt::Key_V) << Qt::KeyboardModifiers(Qt::ControlModifier);
    QTest::newRow("paste with insert")
        << int(Qt::Key_Insert) << Qt::KeyboardModifiers(Qt::ShiftModifier);
    QTest::newRow("cut") << int(Qt::Key_X) << Qt::KeyboardModifiers(Qt::ControlModifier);
    QTest::newRow("undo") << int(Qt::Key_Z) << Qt::KeyboardModifiers(Qt::ControlModifier);
}

void HelpWindowTest::textCannotBeEdited() {
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QPlainTextEdit* text = textBox(help);
    const QString before = text->toPlainText();
    QGuiApplication::clipboard()->setText(QStringLiteral("collé"));
    // With everything selected, any edit that got through would replace the whole text.
    QTest::keyClick(text, Qt::Key_A, Qt::ControlModifier);
    QVERIFY(text->textCursor().hasSelection());
    QTest::keyClick(text, Qt::Key(key), modifiers);
    text->paste();
    QCOMPARE(text->toPlainText(), before);
    QVERIFY(!text->document()->isModified());
}

void HelpWindowTest::dropChangesNothing() {
    QPlainTextEdit* text = textBox(help);
    const QString before = text->toPlainText();
    QVERIFY(!text->acceptDrops());
    QVERIFY(!text->viewport()->acceptDrops());
    QMimeData dropped;
    dropped.setText(QStringLiteral("déposé"));
    const QPoint middle = text->viewport()->rect().center();
    QDragEnterEvent enter(middle, Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(text->viewport(), &enter);
    QDropEvent drop(middle, Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(text->viewport(), &drop);
    QCOMPARE(text->toPlainText(), before);
}

void HelpWindowTest::oneWindowAfterTwoOpenings() {
    QCOMPARE(openHelp(*board), help.data());
    QCOMPARE(helpWindows().size(), 1);
    QVERIFY(help->isVisible());
    QVERIFY(help->isWindow());
    QCOMPARE(help->parentWidget(), nullptr);
    QCOMPARE(help->windowModality(), Qt::NonModal);
}

void HelpWindowTest::okHidesAndKeepsScrollPosition() {
    const int scrolled = scrollDown(textBox(help));
    QVERIFY(scrolled > 0);
    board->click(help->findChild<QPushButton*>(QStringLiteral("Command1")));
    QVERIFY(help->isHidden());
    runDeferredDeletes();
    QVERIFY2(help, "ok must hide the window, not destroy it");

    QCOMPARE(openHelp(*board), help.data());
    QVERIFY(help->isVisible());
    QCOMPARE(textBox(help)->verticalScrollBar()->value(), scrolled);
}

void HelpWindowTest::closeBoxDestroysAndReopensAtTop() {
    QVERIFY(scrollDown(textBox(help)) > 0);
    QVERIFY(help->close());
    runDeferredDeletes();
    QVERIFY(!help);
    QVERIFY(helpWindows().isEmpty());

    Form2* fresh = openHelp(*board);
    QVERIFY(fresh);
    QVERIFY(QTest::qWaitForWindowExposed(fresh));
    QCOMPARE(textBox(fresh)->verticalScrollBar()->value(), 0);
    QCOMPARE(textBox(fresh)->toPlainText().count(u'\n'), 65);
}

void HelpWindowTest::reopenedBeforeTheClosedWindowIsGone() {
    // Closed by its close box, the window is deleted only when the event loop comes round; asked
    // for again before that, a fresh window must show, not the one about to go.
    QVERIFY(scrollDown(textBox(help)) > 0);
    QVERIFY(help->close());
    Form2* fresh = openHelp(*board);
    runDeferredDeletes();
    QVERIFY(fresh);
    QCOMPARE(helpWindows().size(), 1);
    QCOMPARE(helpWindows().first(), fresh);
    QVERIFY(fresh->isVisible());
    QCOMPARE(textBox(fresh)->verticalScrollBar()->value(), 0);
}

void HelpWindowTest::gameGoesOnWhileHelpIsOpen() {
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    board->roll({2, 3, 4, 5, 6});
    for (int i = 0; i < 5; ++i)
        QCOMPARE(board->faceOf(i), i + 2);
    QCOMPARE(board->rolls(), 1);
    board->clickHold(0);
    QVERIFY(board->hold(0)->isChecked());
    QVERIFY(help->isVisible());
}

void HelpWindowTest::windowGoesWithTheGame() {
    board->click(help->findChild<QPushButton*>(QStringLiteral("Command1")));
    board.reset();
    QVERIFY(!help);
}

QTEST_MAIN(HelpWindowTest)
#include "test_helpwindow.moc"
