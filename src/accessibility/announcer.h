// SPDX-FileCopyrightText: 2026 The Kazoumi developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QStringList>

// Qt 6.8 brought an announcement event, which screen readers speak whatever has the focus, as it
// is (Orca 48 puts no word of its own before it). Before it, the announcer plays a notification
// that shows up with the message as its name (the accessibility factory gives it that interface):
// a notification showing is spoken the same way, and without the word "notification" before it
// when it lies in a status bar (Orca 43), which the factory makes it do.
// On Windows the announcement reaches UI Automation as a notification, which NVDA and Narrator
// speak while the game has the focus.
// Before Qt 6.8, the event that tells a new name reaches AT-SPI without the name, which a screen
// reader then does not speak; and Qt's UI Automation bridge raises a new name only for combo
// boxes. There a focused button's new caption is said through the announcer too.
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
#define KAZOUMI_ANNOUNCEMENT_EVENT 1
#else
#define KAZOUMI_ANNOUNCEMENT_EVENT 0
#endif
#if KAZOUMI_ANNOUNCEMENT_EVENT && !defined(Q_OS_WIN)
#define KAZOUMI_CAPTION_SAID_BY_QT 1
#else
#define KAZOUMI_CAPTION_SAID_BY_QT 0
#endif

class QAbstractButton;
class QWidget;

// Tells a screen reader what no control says by itself as it changes: the five faces after a
// roll, the score a box took. Whatever a player's action gives to say is said once, as one
// message, after the action's focus moves (which screen readers speak first). Silent, and free,
// while no assistive technology listens.
class Announcer : public QObject {
    Q_OBJECT

public:
    explicit Announcer(QWidget* window);

    void say(const QString& text);
    // A button's new caption, when the button has the focus and the screen reader would not
    // speak the caption by itself.
    void sayCaption(QAbstractButton* button);

    // The last message said, as the screen reader reads it.
    const QString& message() const { return m_message; }
    // Where the message shows for assistive technology when Qt has no announcement event.
    QObject* statusLine() const { return m_statusLine; }

private:
    void flush();

    QStringList m_pending;
    QString m_message;
    QObject* m_statusLine = nullptr;
};
