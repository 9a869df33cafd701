// SPDX-FileCopyrightText: 2026 The Kazoumi developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QStringList>

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

private:
    void flush();

    QStringList m_pending;
    QString m_message;
};
