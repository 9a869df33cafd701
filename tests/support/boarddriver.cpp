// SPDX-FileCopyrightText: 2026 The Kazoumi developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "boarddriver.h"

#include "widgets/imagebox.h"
#include "widgets/intervaltimer.h"

#include <QAction>
#include <QCoreApplication>
#include <QTest>
#include <QTimerEvent>

const BoardDriver::SheetBox& BoardDriver::sheetBox(const char* button) {
    for (const SheetBox& box : sheetBoxes()) {
        if (qstrcmp(box.button, button) == 0)
            return box;
    }
    qFatal("no box named %s", button);
}

BoardDriver::BoardDriver()
    : m_script(std::make_shared<ScriptedRandom::Script>()),
      m_form(std::make_unique<Form1>(std::make_unique<ScriptedRandom>(m_script))) {
    // Shown like the real window, but no event loop runs between the test's steps, so the only
    // ticks are the ones the test delivers.
    m_form->show();
    if (!QTest::qWaitForWindowExposed(m_form.get()))
        qWarning("the board was never exposed");
    m_roll = button("Command1");
    m_sheet = m_form->findChild<QWidget*>(QStringLiteral("Frame1"));
    for (int i = 0; i < gamenumbers::diceCount; ++i) {
        m_holds[i] = m_form->findChild<QCheckBox*>(QStringLiteral("Check1(%1)").arg(i));
        m_dice[i] = m_form->findChild<ImageBox*>(QStringLiteral("Image2(%1)").arg(i));
        m_timers[i] = m_form->findChild<IntervalTimer*>(QStringLiteral("Timer%1").arg(i + 1));
    }
    for (int k = 0; k < gamenumbers::faceCount; ++k)
        m_faces[k] = m_form->findChild<ImageBox*>(QStringLiteral("Image3(%1)").arg(k));
    for (int b = 0; b < gamenumbers::boxCount; ++b) {
        m_boxes[b] = button(sheetBoxes()[b].button);
        m_scoreLabels[b] = label(sheetBoxes()[b].label);
    }
}

QPushButton* BoardDriver::button(const char* name) const {
    auto* widget = m_form->findChild<QPushButton*>(QLatin1String(name));
    Q_ASSERT_X(widget, "BoardDriver::button", name);
    return widget;
}

QLabel* BoardDriver::label(const char* name) const {
    auto* widget = m_form->findChild<QLabel*>(QLatin1String(name));
    Q_ASSERT_X(widget, "BoardDriver::label", name);
    return widget;
}

void BoardDriver::click(QWidget* widget) {
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, widget->rect().center());
}

void BoardDriver::triggerMenu(const char* name) {
    auto* item = m_form->findChild<QAction*>(QLatin1String(name));
    Q_ASSERT_X(item, "BoardDriver::triggerMenu", name);
    item->trigger();
}

Form2* BoardDriver::openHelp() {
    triggerMenu("aide");
    const QList<Form2*> windows = helpWindows();
    return windows.size() == 1 ? windows.first() : nullptr;
}

Form3* BoardDriver::openAbout() {
    triggerMenu("about");
    const QList<Form3*> windows = aboutWindows();
    return windows.size() == 1 ? windows.first() : nullptr;
}

bool BoardDriver::tick(int die) {
    IntervalTimer* dieTimer = timer(die);
    if (!dieTimer->isTicking())
        return false;
    QTimerEvent event(dieTimer->tickId());
    QCoreApplication::sendEvent(dieTimer, &event);
    return true;
}

void BoardDriver::tickAll() {
    for (int i = 0; i < gamenumbers::diceCount; ++i)
        tick(i);
}

void BoardDriver::roll(std::initializer_list<int> faces) {
    for (int face : faces)
        m_script->pushFace(face);
    clickRoll();
    tickAll();
    clickRoll();
}

void BoardDriver::rollTo(const Dice& target) {
    if (hold(0)->isEnabled()) {
        for (int i = 0; i < gamenumbers::diceCount; ++i) {
            if ((faceOf(i) == target[i]) != hold(i)->isChecked())
                clickHold(i);
        }
    }
    for (int i = 0; i < gamenumbers::diceCount; ++i) {
        if (!hold(i)->isChecked())
            m_script->pushFace(target[i]);
    }
    clickRoll();
    tickAll();
    clickRoll();
}

int BoardDriver::faceOf(int dieIndex) const {
    for (int k = 0; k < gamenumbers::faceCount; ++k) {
        if (die(dieIndex)->picture() == face(k)->picture())
            return k + 1;
    }
    return 0;
}

QString BoardDriver::tagOf(int dieIndex) const { return die(dieIndex)->tag(); }

QList<int> BoardDriver::faces() const {
    QList<int> shown;
    for (int i = 0; i < gamenumbers::diceCount; ++i)
        shown << faceOf(i);
    return shown;
}

QString BoardDriver::turnState() const {
    auto onOff = [](bool on) { return on ? QStringLiteral("on") : QStringLiteral("off"); };
    QString held, spinning;
    for (int i = 0; i < gamenumbers::diceCount; ++i) {
        held += hold(i)->isChecked() ? u'1' : u'0';
        spinning += timer(i)->isTicking() ? u'1' : u'0';
    }
    return QStringLiteral("%1 %2 | sheet %3 | holds %4 %5 | spin %6 | rolls %7")
        .arg(rollButton()->text(), onOff(rollButton()->isEnabled()), onOff(sheet()->isEnabled()),
             held, onOff(hold(0)->isEnabled()), spinning)
        .arg(rolls());
}
