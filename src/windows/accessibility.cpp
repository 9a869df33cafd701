// SPDX-FileCopyrightText: 2026 The Kazoumi developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "accessibility.h"

#include "imagebox.h"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QLabel>

namespace accessibility {

namespace {

// Dynamic properties that mark the widgets with a text of their own.
constexpr char dieProperty[] = "accessibleDie";
constexpr char clickableProperty[] = "accessibleClickable";
constexpr char scoreFieldProperty[] = "accessibleScoreField";
constexpr char emptyFieldProperty[] = "accessibleEmptyField";
constexpr char heldDieProperty[] = "accessibleHeldDie";
constexpr char boxFieldProperty[] = "accessibleBoxField";

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

QAccessibleInterface* makeInterface(const QString&, QObject* object) {
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

void nameChanged(QObject* object) {
    QAccessibleEvent event(object, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

QString dieText(const QString& name, const QString& tag) {
    if (tag.isEmpty())
        return QStringLiteral("%1 : pas encore lancé").arg(name);
    return QStringLiteral("%1 : %2").arg(name, tag);
}

QString scoreFieldText(const QString& boxName, const QString& score, const QString& whenEmpty) {
    return QStringLiteral("%1 : %2").arg(
        boxName, score.isEmpty() ? whenEmpty : QStringLiteral("%1 points").arg(score));
}

QString diceText(const std::array<QString, 5>& tags, const std::array<bool, 5>& held) {
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
    parts << scoreFieldText(QStringLiteral("Total"), total, QStringLiteral("0 points"));
    return parts.join(QStringLiteral(". ")) + u'.';
}

} // namespace accessibility
