// SPDX-FileCopyrightText: 2026 The Kazoumi developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "accessibility.h"

#include "announcer.h"
#include "widgets/imagebox.h"

#include <QAbstractButton>
#include <QAccessibleObject>
#include <QAccessibleWidget>
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>

namespace accessibility {

namespace {

// Dynamic properties that mark the widgets with a text of their own.
constexpr char dieProperty[] = "accessibleDie";
constexpr char clickableProperty[] = "accessibleClickable";
constexpr char scoreFieldProperty[] = "accessibleScoreField";
constexpr char emptyFieldProperty[] = "accessibleEmptyField";
constexpr char heldDieProperty[] = "accessibleHeldDie";
constexpr char boxFieldProperty[] = "accessibleBoxField";
constexpr char menuNameProperty[] = "accessibleMenuName";

class DieInterface : public QAccessibleWidget {
public:
    explicit DieInterface(ImageBox* die) : QAccessibleWidget(die, QAccessible::Graphic) {}

    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name)
            return QAccessibleWidget::text(t);
        const auto* die = static_cast<const ImageBox*>(widget());
        return dieText(die->property(dieProperty).toString(), die->tag());
    }
};

class ClickablePictureInterface : public QAccessibleWidget {
public:
    explicit ClickablePictureInterface(ImageBox* picture)
        : QAccessibleWidget(picture, QAccessible::Button) {}

    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override {
        if (action == pressAction())
            emit static_cast<ImageBox*>(widget())->clicked();
        else
            QAccessibleWidget::doAction(action);
    }
};

class ScoreFieldInterface : public QAccessibleWidget {
public:
    explicit ScoreFieldInterface(QLabel* field)
        : QAccessibleWidget(field, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name)
            return QAccessibleWidget::text(t);
        const auto* field = static_cast<const QLabel*>(widget());
        return scoreFieldText(field->property(scoreFieldProperty).toString(), field->text(),
                              field->property(emptyFieldProperty).toString());
    }
};

// A hold box or a box of the score sheet: a check box or a button like Qt's own, whose name
// follows the game. A hold box tells the face of its die once the die was thrown; a used box tells
// the score it took.
class GameButtonInterface : public QAccessibleWidget {
public:
    explicit GameButtonInterface(QAbstractButton* button)
        : QAccessibleWidget(button,
                            button->isCheckable() ? QAccessible::CheckBox : QAccessible::Button) {}

    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name)
            return QAccessibleWidget::text(t);
        const QAbstractButton* control = button();
        const QString name = control->accessibleName();
        if (const auto* die =
                qobject_cast<ImageBox*>(control->property(heldDieProperty).value<QObject*>());
            die && !die->tag().isEmpty())
            return dieText(name, die->tag());
        if (const auto* field = control->parentWidget()->findChild<QLabel*>(
                control->property(boxFieldProperty).toString(), Qt::FindDirectChildrenOnly);
            field && !field->text().isEmpty())
            return scoreFieldText(name, field->text(), QString());
        return name;
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        const QAbstractButton* control = button();
        s.checkable = control->isCheckable();
        s.checked = control->isChecked();
        s.pressed = control->isDown();
        return s;
    }

    QStringList actionNames() const override {
        QStringList names;
        if (button()->isEnabled())
            names << (button()->isCheckable() ? toggleAction() : pressAction());
        return names + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override {
        if (button()->isEnabled() && (action == toggleAction() || action == pressAction()))
            button()->click();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    QAbstractButton* button() const { return static_cast<QAbstractButton*>(widget()); }
};

// A menu's title in the menu bar, with a name of its own: Qt names it after its caption, which
// can be no word at all. Otherwise it is the menu bar's item as Qt makes it: it opens its menu.
class MenuTitleInterface : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    explicit MenuTitleInterface(QAction* title) : m_title(title) {}

    bool isValid() const override { return m_title && menuBar(); }
    QObject* object() const override { return m_title; }
    QWindow* window() const override { return menuBar()->window()->windowHandle(); }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(menuBar());
    }
    QAccessibleInterface* child(int index) const override {
        return index == 0 ? QAccessible::queryAccessibleInterface(m_title->menu()) : nullptr;
    }
    int childCount() const override { return 1; }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child && child->object() == m_title->menu() ? 0 : -1;
    }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? m_title->property(menuNameProperty).toString() : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        const QMenuBar* bar = menuBar();
        const QRect inBar = bar->actionGeometry(m_title);
        return {bar->mapToGlobal(inBar.topLeft()), inBar.size()};
    }
    QAccessible::Role role() const override { return QAccessible::MenuItem; }
    QAccessible::State state() const override {
        QAccessible::State s;
        const QMenuBar* bar = menuBar();
        s.invisible = !bar->isVisible();
        s.focused = bar->activeAction() == m_title;
        s.disabled = !m_title->isEnabled();
        s.hasPopup = true;
        return s;
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                    : nullptr;
    }
    QStringList actionNames() const override { return {showMenuAction()}; }
    void doAction(const QString& action) override {
        if (action == showMenuAction() && m_title->isEnabled())
            menuBar()->setActiveAction(m_title);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QMenuBar* menuBar() const {
        return m_title && m_title->menu() ? qobject_cast<QMenuBar*>(m_title->menu()->parent())
                                          : nullptr;
    }

    QPointer<QAction> m_title;
};

#if !KAZOUMI_ANNOUNCEMENT_EVENT
// The announcer, as a notification whose name is the last message said.
class NotificationInterface : public QAccessibleObject {
public:
    explicit NotificationInterface(Announcer* announcer) : QAccessibleObject(announcer) {}

    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(announcer()->statusLine());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }

    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? announcer()->message() : QString();
    }
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override { return {}; }

private:
    Announcer* announcer() const { return static_cast<Announcer*>(object()); }
};

// Orca 43 says "notification" before the message, unless the notification lies in a status bar,
// as the messages of a window's status line do: the announcer's notification lies in a status
// bar of its own, which nothing shows and the window does not count among its children.
class StatusLineInterface : public QAccessibleObject {
public:
    explicit StatusLineInterface(QObject* line) : QAccessibleObject(line) {}

    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(object()->parent()->parent());
    }
    QAccessibleInterface* child(int index) const override {
        return index == 0 ? QAccessible::queryAccessibleInterface(object()->parent()) : nullptr;
    }
    int childCount() const override { return 1; }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child && child->object() == object()->parent() ? 0 : -1;
    }
    QString text(QAccessible::Text) const override { return {}; }
    QAccessible::Role role() const override { return QAccessible::StatusBar; }
    QAccessible::State state() const override { return {}; }
};
#endif

// The program's one accessibility factory: every interface above, for the objects marked for it.
QAccessibleInterface* makeInterface(const QString&, QObject* object) {
    if (auto* title = qobject_cast<QAction*>(object);
        title && title->property(menuNameProperty).isValid())
        return new MenuTitleInterface(title);
    if (auto* die = qobject_cast<ImageBox*>(object); die && die->property(dieProperty).isValid())
        return new DieInterface(die);
    if (auto* picture = qobject_cast<ImageBox*>(object);
        picture && picture->property(clickableProperty).toBool())
        return new ClickablePictureInterface(picture);
    if (auto* field = qobject_cast<QLabel*>(object);
        field && field->property(scoreFieldProperty).isValid())
        return new ScoreFieldInterface(field);
    if (auto* button = qobject_cast<QAbstractButton*>(object);
        button && (button->property(heldDieProperty).isValid() ||
                   button->property(boxFieldProperty).isValid()))
        return new GameButtonInterface(button);
#if !KAZOUMI_ANNOUNCEMENT_EVENT
    if (auto* announcer = qobject_cast<Announcer*>(object))
        return new NotificationInterface(announcer);
    if (auto* announcer = qobject_cast<Announcer*>(object->parent());
        announcer && announcer->statusLine() == object)
        return new StatusLineInterface(object);
#endif
    return nullptr;
}

} // namespace

void install() {
    static const bool installed = [] {
        QAccessible::installFactory(makeInterface);
        return true;
    }();
    Q_UNUSED(installed);
}

void describeDie(ImageBox* die, const QString& name) { die->setProperty(dieProperty, name); }

void describeClickablePicture(ImageBox* picture, const QString& name) {
    picture->setProperty(clickableProperty, true);
    picture->setAccessibleName(name);
}

void describeScoreField(QLabel* field, const QString& boxName, const QString& whenEmpty) {
    field->setProperty(scoreFieldProperty, boxName);
    field->setProperty(emptyFieldProperty, whenEmpty);
}

// The mark goes on before the name: naming a control makes its interface at once when assistive
// technology listens.
void describeHoldBox(QAbstractButton* hold, ImageBox* die, const QString& name) {
    hold->setProperty(heldDieProperty, QVariant::fromValue<QObject*>(die));
    hold->setAccessibleName(name);
}

void describeBox(QAbstractButton* box, const QString& fieldName, const QString& name) {
    box->setProperty(boxFieldProperty, fieldName);
    box->setAccessibleName(name);
}

void nameMenu(QMenu* menu, const QString& name) {
    menu->menuAction()->setProperty(menuNameProperty, name);
    menu->setAccessibleName(name);
}

void nameChanged(QObject* object) {
    QAccessibleEvent event(object, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

QString dieText(const QString& name, const QString& tag) {
    if (tag.isEmpty())
        return QStringLiteral("%1 : pas encore lancé").arg(name);
    return QStringLiteral("%1 : %2").arg(name, tag);
}

// French counts 0 and 1 in the singular: "0 point", "1 point", "2 points".
QString pointsText(const QString& number) {
    const bool singular = number == u'0' || number == u'1';
    return QStringLiteral("%1 %2").arg(number, singular ? QStringLiteral("point")
                                                        : QStringLiteral("points"));
}

QString scoreFieldText(const QString& boxName, const QString& score, const QString& whenEmpty) {
    return QStringLiteral("%1 : %2").arg(boxName, score.isEmpty() ? whenEmpty : pointsText(score));
}

QString diceText(const std::array<QString, gamenumbers::diceCount>& tags,
                 const std::array<bool, gamenumbers::diceCount>& held) {
    QStringList faces;
    for (std::size_t i = 0; i < tags.size(); ++i)
        faces << (held[i] ? QStringLiteral("%1 gardé").arg(tags[i]) : tags[i]);
    return QStringLiteral("Dés : %1.").arg(faces.join(QStringLiteral(", ")));
}

QString rollsUsedUpText() {
    return QStringLiteral("Les trois lancers sont joués : choisissez une case.");
}

QString scoreText(const QString& boxName, const QString& score, const QString& bonus,
                  const QString& total) {
    QStringList parts{scoreFieldText(boxName, score, QString())};
    if (!bonus.isEmpty())
        parts << bonus;
    parts << scoreFieldText(QStringLiteral("Total"), total, pointsText(QStringLiteral("0")));
    return parts.join(QStringLiteral(". ")) + u'.';
}

QString newGameText() { return QStringLiteral("Nouvelle partie."); }

QString gameOverText(const QString& total) {
    return QStringLiteral("Partie terminée : %1.").arg(pointsText(total));
}

} // namespace accessibility
