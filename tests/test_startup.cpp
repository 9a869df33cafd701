// SPDX-FileCopyrightText: 2026 The Kazoumi developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The board as the program starts: every widget in its start state, the window fixed, the menu
// complete, and nothing moving until the player presses "go!".

#include "support/boarddriver.h"
#include "widgets/imagebox.h"
#include "widgets/intervaltimer.h"

#include <QAction>
#include <QFontInfo>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

class StartupTest : public QObject {
    Q_OBJECT

private slots:
    void diceShowFivePipsThatAreNoFace();
    void facePicturesAreHiddenAndTagged();
    void holdsAndTimersStartIdle();
    void sheetIsEmptyAndDisabled();
    void boxClickBeforeFirstRollDoesNothing();
    void noTickBeforeFirstGo();
    void windowIsFixed();
    void menuItems();
    void focusOrder();
    void captionsFitTheirBoxes();
};

void StartupTest::diceShowFivePipsThatAreNoFace() {
    BoardDriver board;
    const PicturePtr fiveFace = board.face(4)->picture();
    for (int i = 0; i < gamenumbers::diceCount; ++i) {
        const PicturePtr start = board.die(i)->picture();
        QVERIFY(start);
        QVERIFY(start != fiveFace);
        QCOMPARE(start->image(), fiveFace->image());
        QCOMPARE(board.faceOf(i), 0);
        QVERIFY(board.tagOf(i).isEmpty());
        for (int j = 0; j < i; ++j)
            QVERIFY(board.die(j)->picture() != start);
    }
}

void StartupTest::facePicturesAreHiddenAndTagged() {
    BoardDriver board;
    for (int k = 0; k < gamenumbers::faceCount; ++k) {
        QVERIFY(board.face(k)->isHidden());
        QCOMPARE(board.face(k)->tag(), QString::number(k + 1));
        for (int j = 0; j < k; ++j)
            QVERIFY(board.face(j)->picture() != board.face(k)->picture());
    }
}

void StartupTest::holdsAndTimersStartIdle() {
    BoardDriver board;
    for (int i = 0; i < gamenumbers::diceCount; ++i) {
        QVERIFY(!board.hold(i)->isChecked());
        QVERIFY(!board.hold(i)->isEnabled());
        QCOMPARE(board.timer(i)->property("Interval").toInt(), 0);
        QCOMPARE(board.timer(i)->property("Enabled").toBool(), true);
        QVERIFY(!board.timer(i)->isTicking());
    }
    QCOMPARE(board.rollButton()->text(), QStringLiteral("go!"));
    QVERIFY(board.rollButton()->isEnabled());
    QCOMPARE(board.rolls(), 0);
}

void StartupTest::sheetIsEmptyAndDisabled() {
    BoardDriver board;
    QVERIFY(!board.sheet()->isEnabled());
    for (const char* name :
         {"Label1", "Label2", "Label3", "Label4", "Label5", "Label6", "Label3par", "Label4par",
          "Labelfull", "Labels4", "Labelsu5", "Labelkaz", "Labelchance", "Label9", "Label11"})
        QVERIFY2(board.label(name)->text().isEmpty(), name);
    QVERIFY(board.label("lblbonus")->isHidden());
    QCOMPARE(board.label("lblbonus")->text(), QStringLiteral("bonus 35 points"));
    // The boxes themselves are free; only the sheet around them is closed.
    for (QPushButton* box : board.sheet()->findChildren<QPushButton*>())
        QVERIFY(box->isEnabledTo(board.sheet()));
}

void StartupTest::boxClickBeforeFirstRollDoesNothing() {
    BoardDriver board;
    board.clickBox("chance");
    board.clickBox("un");
    QVERIFY(board.label("Labelchance")->text().isEmpty());
    QVERIFY(board.label("Label11")->text().isEmpty());
    QVERIFY(board.isFree("chance"));
}

void StartupTest::noTickBeforeFirstGo() {
    BoardDriver board;
    QTest::qWait(100);
    for (int i = 0; i < gamenumbers::diceCount; ++i)
        QVERIFY(!board.tick(i));
    QCOMPARE(board.script().drawn, 0);
}

void StartupTest::windowIsFixed() {
    BoardDriver board;
    Form1& window = board.form();
    QCOMPARE(window.windowTitle(), QStringLiteral("Le jeu de kazoumi à Quib !"));
    QCOMPARE(window.centralWidget()->size(), QSize(448, 361));
    QCOMPARE(window.minimumSize(), window.maximumSize());
    const Qt::WindowFlags flags = window.windowFlags();
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QVERIFY(!window.windowIcon().isNull());
}

// The menu's seven items in order, each as "name|caption|enabled", with a word added for any that
// is a separator, has a shortcut or can be ticked: none is.
void StartupTest::menuItems() {
    BoardDriver board;
    auto* menu = board.form().findChild<QMenu*>(QStringLiteral("menu"));
    QVERIFY(menu);
    QCOMPARE(menu->title(), QStringLiteral("    [[Menu]]"));
    QStringList items;
    for (const QAction* item : menu->actions()) {
        items << item->objectName() + u'|' + item->text() + (item->isEnabled() ? "|on" : "|off") +
                     (item->isSeparator() ? "|separator" : "") +
                     (item->shortcut().isEmpty() ? "" : "|shortcut") +
                     (item->isCheckable() ? "|checkable" : "");
    }
    const QString rule(10, u'-');
    QCOMPARE(items, QStringList({"reset|Reset|on", "rien|" + rule + "|off", "about|About|on",
                                 "rien2|" + rule + "|off", "aide|Aide|on", "rien3|" + rule + "|off",
                                 "quit|Quitter|on"}));
}

void StartupTest::focusOrder() {
    BoardDriver board;
    QStringList expected{"Command1", "un", "deux", "trois", "quatre", "cinq", "six"};
    for (int i = gamenumbers::diceCount - 1; i >= 0; --i)
        expected << QStringLiteral("Check1(%1)").arg(i);
    expected += QStringList{"par3", "par4", "full", "suit4", "suit5", "chance", "kazoumi"};
    // Walk the chain as Tab does, passing over what takes no keyboard focus.
    QStringList actual;
    QWidget* widget = board.rollButton();
    do {
        if (widget->focusPolicy() & Qt::TabFocus)
            actual << widget->objectName();
        widget = widget->nextInFocusChain();
    } while (widget != board.rollButton());
    QCOMPARE(actual, expected);
}

void StartupTest::captionsFitTheirBoxes() {
    BoardDriver board;
    if (!QFontInfo(board.rollButton()->font()).family().contains(QLatin1String("Liberation")))
        QSKIP("the board's font (Liberation Sans) is not installed");
    // A push button keeps a few pixels of bevel on each side; a label uses its whole width.
    for (QPushButton* button : board.form().findChildren<QPushButton*>()) {
        const int room = button->width() - 6;
        QVERIFY2(button->fontMetrics().horizontalAdvance(button->text()) <= room,
                 qPrintable(button->text()));
    }
    for (QLabel* label : board.form().findChildren<QLabel*>()) {
        QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->width(),
                 qPrintable(label->text()));
        QVERIFY2(label->fontMetrics().height() <= label->height(), qPrintable(label->text()));
    }
}

QTEST_MAIN(StartupTest)
#include "test_startup.moc"
