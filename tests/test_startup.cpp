// SPDX-FileCopyrightText: 2026 The Kazoumi developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The board as the program starts: every widget in its start state, the window fixed, the menu
// complete, and nothing moving until the player presses "go!".

#include "support/boarddriver.h"
#include "widgets/imagebox.h"
#include "widgets/intervaltimer.h"

#include <QAction>
#include <QFile>
#include <QFontInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>
#include <QStyleFactory>
#include <QTest>

#include <memory>

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
    void scriptChecksFindTheWidgets();
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

// The script checks click and look at the windows where tests/driver/board.json says (built in as
// :/board.json): each point must fall on the widget it names, each area hold its widgets whole,
// each window have the title it gives, and each item be reached by its keys from the menu as a
// click on its title opens it (no item active).
void StartupTest::scriptChecksFindTheWidgets() {
    QFile file(QStringLiteral(":/board.json"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QJsonObject json = QJsonDocument::fromJson(file.readAll()).object();
    // The game runs in Fusion (main.cpp), whose menus pass over the disabled rules between the
    // items, as the keys expect; Windows' own style, the tests' default there, stops on them.
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    BoardDriver board;
    Form1& window = board.form();
    QCOMPARE(json["client_height"].toInt(), window.centralWidget()->height());
    const QJsonArray title = json["menu_title"].toArray();
    const QPoint titleAt(title[0].toInt(), title[1].toInt());
    QMenuBar* bar = window.menuBar();
    auto* menu = window.findChild<QMenu*>(QStringLiteral("menu"));
    menu->setStyle(fusion.get());
    QCOMPARE(bar->actionAt(bar->mapFrom(&window, titleAt)), menu->menuAction());
    const QJsonObject items = json["menu_items"].toObject();
    for (auto item = items.begin(); item != items.end(); ++item) {
        menu->popup(window.mapToGlobal(QPoint()));
        for (const QJsonValue key : item->toArray())
            QTest::keyClick(menu, QKeySequence(key.toString())[0].key());
        QVERIFY2(menu->activeAction(), qPrintable(item.key()));
        QCOMPARE(menu->activeAction()->text(), item.key());
        menu->hide();
    }

    // The widgets each name stands for, in the window's client area.
    const QHash<QString, QStringList> widgets{
        {"board/roll", {"Command1"}},
        {"board/chance", {"chance"}},
        {"board/dice", {"Image2(0)", "Image2(1)", "Image2(2)", "Image2(3)", "Image2(4)"}},
        {"help/ok", {"Command1"}},
        {"about/picture", {"Image1"}},
        {"about/photo", {"Image2"}},
        {"about/ok", {"Command1"}}};
    const std::pair<QString, QWidget*> windows[] = {{"board", window.centralWidget()},
                                                    {"help", board.openHelp()},
                                                    {"about", board.openAbout()}};
    for (const auto& [where, client] : windows) {
        QVERIFY2(client, qPrintable(where));
        QCOMPARE(client->window()->windowTitle(), json["titles"][where].toString());
        const QJsonObject places = json[where].toObject();
        for (auto place = places.begin(); place != places.end(); ++place) {
            const QString name = where + u'/' + place.key();
            const QJsonArray at = place->toArray();
            const QRect area(at[0].toInt(), at[1].toInt(), at.size() == 4 ? at[2].toInt() : 1,
                             at.size() == 4 ? at[3].toInt() : 1);
            QVERIFY2(widgets.contains(name),
                     qPrintable(name + QStringLiteral(" stands for no known widget")));
            for (const QString& widgetName : widgets[name]) {
                auto* widget = client->findChild<QWidget*>(widgetName);
                QVERIFY2(widget, qPrintable(name + QStringLiteral(": no ") + widgetName));
                const QRect rect(widget->mapTo(client, QPoint()), widget->size());
                QVERIFY2(at.size() == 4 ? area.contains(rect) : rect.contains(area.topLeft()),
                         qPrintable(name + QStringLiteral(" misses ") + widgetName));
            }
        }
    }
}

QTEST_MAIN(StartupTest)
#include "test_startup.moc"
