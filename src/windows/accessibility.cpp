#include "accessibility.h"

#include "imagebox.h"

#include <QAccessibleWidget>
#include <QLabel>

namespace accessibility {

namespace {

// Dynamic properties that mark the widgets with a text of their own.
constexpr char dieProperty[] = "accessibleDie";
constexpr char clickableProperty[] = "accessibleClickable";
constexpr char scoreFieldProperty[] = "accessibleScoreField";
constexpr char emptyFieldProperty[] = "accessibleEmptyField";

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

QAccessibleInterface* makeInterface(const QString&, QObject* object) {
    if (auto* die = qobject_cast<ImageBox*>(object); die && die->property(dieProperty).isValid())
        return new DieInterface(die);
    if (auto* picture = qobject_cast<ImageBox*>(object);
        picture && picture->property(clickableProperty).toBool())
        return new ClickablePictureInterface(picture);
    if (auto* field = qobject_cast<QLabel*>(object);
        field && field->property(scoreFieldProperty).isValid())
        return new ScoreFieldInterface(field);
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

QString dieText(const QString& name, const QString& tag) {
    if (tag.isEmpty())
        return QStringLiteral("%1 : pas encore lancé").arg(name);
    return QStringLiteral("%1 : %2").arg(name, tag);
}

QString scoreFieldText(const QString& boxName, const QString& score, const QString& whenEmpty) {
    return QStringLiteral("%1 : %2").arg(
        boxName, score.isEmpty() ? whenEmpty : QStringLiteral("%1 points").arg(score));
}

} // namespace accessibility
