// SPDX-FileCopyrightText: 2026 The Kazoumi developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The help window: its text, which nobody can edit, and its life as a single modeless window.

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

QPlainTextEdit* textBox(Form2* window) {
    return window->findChild<QPlainTextEdit*>(QStringLiteral("Text1"));
}

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
    void hyphenRules();
    void everyLineFitsTheBox();
    void windowFrame();
    void focusOrder();

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
    help = board->openHelp();
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

// A rule of hyphens stands alone between empty lines after the title, the contents, the goal, how
// to play and the scoring: its line and its length.
void HelpWindowTest::hyphenRules() {
    const QStringList lines = textBox(help)->toPlainText().split(u'\n');
    QStringList around, expected;
    for (const auto& [line, length] : {std::pair(3, 81), {10, 81}, {17, 81}, {37, 75}, {61, 77}}) {
        around << lines.value(line - 2) + u'|' + lines.value(line - 1) + u'|' + lines.value(line);
        expected << u'|' + QString(length, u'-') + u'|';
    }
    QCOMPARE(around, expected);
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

// With everything selected, any edit that a key got through would replace the whole text; a paste
// follows each key. Lists the keys after which the text had changed.
void HelpWindowTest::textCannotBeEdited() {
    const struct {
        const char* name;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
    } keys[] = {
        {"letter", Qt::Key_X, {}},
        {"blank", Qt::Key_Space, {}},
        {"return", Qt::Key_Return, {}},
        {"tab", Qt::Key_Tab, {}},
        {"backspace", Qt::Key_Backspace, {}},
        {"delete", Qt::Key_Delete, {}},
        {"paste", Qt::Key_V, Qt::ControlModifier},
        {"paste with insert", Qt::Key_Insert, Qt::ShiftModifier},
        {"cut", Qt::Key_X, Qt::ControlModifier},
        {"undo", Qt::Key_Z, Qt::ControlModifier},
    };
    QPlainTextEdit* text = textBox(help);
    const QString before = text->toPlainText();
    QGuiApplication::clipboard()->setText(QStringLiteral("collé"));
    QStringList editedBy;
    for (const auto& [name, key, modifiers] : keys) {
        QTest::keyClick(text, Qt::Key_A, Qt::ControlModifier);
        QVERIFY2(text->textCursor().hasSelection(), name);
        QTest::keyClick(text, key, modifiers);
        text->paste();
        if (text->toPlainText() != before || text->document()->isModified())
            editedBy << QLatin1String(name);
    }
    QCOMPARE(editedBy.join(QStringLiteral(", ")), QString());
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
    QCOMPARE(board->openHelp(), help.data());
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

    QCOMPARE(board->openHelp(), help.data());
    QVERIFY(help->isVisible());
    QCOMPARE(textBox(help)->verticalScrollBar()->value(), scrolled);
}

void HelpWindowTest::closeBoxDestroysAndReopensAtTop() {
    QVERIFY(scrollDown(textBox(help)) > 0);
    QVERIFY(help->close());
    runDeferredDeletes();
    QVERIFY(!help);
    QVERIFY(helpWindows().isEmpty());

    Form2* fresh = board->openHelp();
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
    Form2* fresh = board->openHelp();
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
    QCOMPARE(board->faces(), QList<int>({2, 3, 4, 5, 6}));
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
