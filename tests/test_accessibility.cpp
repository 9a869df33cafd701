// SPDX-FileCopyrightText: 2026 The Kazoumi developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What a screen reader is told about the board.

#include "support/boarddriver.h"
#include "widgets/imagebox.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QTest>

namespace {

QString spokenName(QObject* object) {
    QAccessibleInterface* interface = QAccessible::queryAccessibleInterface(object);
    return interface ? interface->text(QAccessible::Name) : QString();
}

QWidget* topLevel(const char* name) {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == QLatin1String(name))
            return window;
    }
    return nullptr;
}

} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void everyControlHasAName();
    void holdBoxesNameTheirDie();
    void diceReportTheirFace();
    void scoreFields();
    void totalsReportTheirValue();
    void helpAndAboutWindowsAreNamed();
    void aboutPicturesCanBePressed();
    void focusStaysOnTheBoard();
};

// The menu too, by a word: its caption is "    [[Menu]]".
void AccessibilityTest::everyControlHasAName() {
    BoardDriver board;
    QAccessibleInterface* bar = QAccessible::queryAccessibleInterface(board.form().menuBar());
    QCOMPARE(bar->child(0)->text(QAccessible::Name), QStringLiteral("Menu"));
    QCOMPARE(static_cast<QAction*>(bar->child(0)->object())->text(),
             QStringLiteral("    [[Menu]]"));
    for (QAbstractButton* control : board.form().findChildren<QAbstractButton*>()) {
        if (control->isVisibleTo(&board.form())) // not the menu bar's hidden overflow button
            QVERIFY2(!spokenName(control).isEmpty(), qPrintable(control->objectName()));
    }
}

void AccessibilityTest::holdBoxesNameTheirDie() {
    BoardDriver board;
    for (int i = 0; i < gamenumbers::diceCount; ++i) {
        QCOMPARE(spokenName(board.hold(i)), QStringLiteral("Garder le dé %1").arg(i + 1));
        QCOMPARE(QAccessible::queryAccessibleInterface(board.hold(i))->role(),
                 QAccessible::CheckBox);
    }

    // Once thrown, a hold box also tells its die's face; it reports and takes its tick as a check
    // box does.
    board.roll({4, 1, 6, 2, 5});
    QCOMPARE(spokenName(board.hold(2)), QStringLiteral("Garder le dé 3 : 6"));
    QAccessibleInterface* hold = QAccessible::queryAccessibleInterface(board.hold(2));
    QVERIFY(hold->state().checkable);
    QVERIFY(!hold->state().checked);
    hold->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    QVERIFY(board.hold(2)->isChecked());
    QVERIFY(hold->state().checked);
    QCOMPARE(board.turnState(),
             QStringLiteral("go! on | sheet on | holds 00100 on | spin 00000 | rolls 1"));
}

void AccessibilityTest::diceReportTheirFace() {
    BoardDriver board;
    QCOMPARE(spokenName(board.die(0)), QStringLiteral("Dé 1 : pas encore lancé"));
    board.roll({4, 1, 6, 2, 5});
    const int faces[gamenumbers::diceCount] = {4, 1, 6, 2, 5};
    for (int i = 0; i < gamenumbers::diceCount; ++i)
        QCOMPARE(spokenName(board.die(i)), QStringLiteral("Dé %1 : %2").arg(i + 1).arg(faces[i]));

    // The text follows the die while it spins, without being told.
    board.clickRoll();
    board.script().pushFace(3);
    QVERIFY(board.tick(2));
    QCOMPARE(spokenName(board.die(2)), QStringLiteral("Dé 3 : 3"));
}

// Each box and its label tell what they are and, once used, what the box took: one box a turn,
// each scoring the same dice. Per box: "button / label before -> label / button after".
void AccessibilityTest::scoreFields() {
    const struct {
        const char* box;
        const char* field;
        QString name;
        QString points;
    } fields[] = {
        {"un", "Label1", "Case des 1", "2 points"},
        {"six", "Label6", "Case des 6", "6 points"},
        {"par3", "Label3par", "Case 3 pareils", "0 point"},
        {"suit4", "Labels4", "Case Suite (4)", "0 point"},
        {"kazoumi", "Labelkaz", "Case KAZOUMI!", "0 point"},
        {"chance", "Labelchance", "Case Chance", "16 points"},
    };
    BoardDriver board;
    QStringList told, expected;
    for (const auto& [box, field, name, points] : fields) {
        const QString before =
            spokenName(board.button(box)) + " / " + spokenName(board.label(field));
        board.roll({1, 1, 3, 5, 6});
        board.clickBox(box);
        // The used box says what it took too.
        told << before + " -> " + spokenName(board.label(field)) + " / " +
                    spokenName(board.button(box));
        const QString scored = name + " : " + points;
        expected << name + " / " + name + " : libre -> " + scored + " / " + scored;
    }
    QCOMPARE(told, expected);
}

void AccessibilityTest::totalsReportTheirValue() {
    BoardDriver board;
    QCOMPARE(spokenName(board.label("Label11")), QStringLiteral("Total : 0 point"));
    board.roll({5, 5, 2, 5, 1});
    board.clickBox("cinq");
    QCOMPARE(spokenName(board.label("Label9")), QStringLiteral("Sous-total : 15 points"));
    QCOMPARE(spokenName(board.label("Label11")), QStringLiteral("Total : 15 points"));
}

void AccessibilityTest::helpAndAboutWindowsAreNamed() {
    BoardDriver board;
    board.triggerMenu("aide");
    board.triggerMenu("about");
    for (const char* windowName : {"Form2", "Form3"}) {
        QWidget* window = topLevel(windowName);
        QVERIFY2(window, windowName);
        for (QWidget* widget : window->findChildren<QWidget*>()) {
            if ((widget->focusPolicy() & Qt::TabFocus) || qobject_cast<ImageBox*>(widget))
                QVERIFY2(!spokenName(widget).isEmpty(), qPrintable(widget->objectName()));
        }
    }
}

void AccessibilityTest::aboutPicturesCanBePressed() {
    BoardDriver board;
    board.triggerMenu("about");
    QWidget* about = topLevel("Form3");
    QVERIFY(about);
    auto* die = about->findChild<ImageBox*>(QStringLiteral("Image1"));
    auto* photo = about->findChild<ImageBox*>(QStringLiteral("Image2"));
    QAccessibleActionInterface* press =
        QAccessible::queryAccessibleInterface(die)->actionInterface();
    QVERIFY(press);
    QVERIFY(press->actionNames().contains(QAccessibleActionInterface::pressAction()));
    press->doAction(QAccessibleActionInterface::pressAction());
    QVERIFY(die->isHidden());
    QVERIFY(!photo->isHidden());
    QAccessible::queryAccessibleInterface(photo)->actionInterface()->doAction(
        QAccessibleActionInterface::pressAction());
    QVERIFY(!die->isHidden());
    QVERIFY(photo->isHidden());
}

// Space on a box, then on "go!": the focus never ends on a disabled control or on none. A new game
// starts at "go!", or at the first box when no roll is left.
void AccessibilityTest::focusStaysOnTheBoard() {
    BoardDriver board;
    board.form().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&board.form()));
    QVERIFY(!board.rollButton()->accessibleDescription().isEmpty());
    board.roll({1, 2, 3, 4, 5});
    board.button("six")->setFocus();
    QTest::keyClick(board.button("six"), Qt::Key_Space);
    QCOMPARE(QApplication::focusWidget(), board.rollButton());
    QCoreApplication::processEvents(); // the description, said once, is gone
    QVERIFY(board.rollButton()->accessibleDescription().isEmpty());
    board.triggerMenu("reset");
    QCOMPARE(QApplication::focusWidget(), board.rollButton());
    for (int roll = 0; roll < 3; ++roll)
        board.roll({6, 6, 6, 6, 6});
    board.triggerMenu("reset");
    QCOMPARE(QApplication::focusWidget(), board.button("un"));
}

QTEST_MAIN(AccessibilityTest)
#include "test_accessibility.moc"
