// SPDX-FileCopyrightText: 2026 The Kazoumi developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form1.h"

#include "accessibility.h"
#include "announcer.h"
#include "appearance.h"
#include "fixedwindow.h"
#include "imagebox.h"
#include "intervaltimer.h"
#include "label.h"
#include "pictures/diepictures.h"
#include "scoring/gamenumbers.h"
#include "twips.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPaintEvent>
#include <QPushButton>
#include <QTimer>

namespace {

// Members of a control array are named like "Check1(2)".
QString arrayName(const char* name, int index) {
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

// A frame whose border is drawn only when a repaint reaches it: a die repainted inside the frame
// on every throw leaves the border alone.
class BoxFrame : public QFrame {
public:
    using QFrame::QFrame;

protected:
    void paintEvent(QPaintEvent* event) override {
        if (!contentsRect().contains(event->rect()))
            QFrame::paintEvent(event);
    }
};

QFrame* makeFrame(const char* name, QWidget* parent, QRect geometry) {
    auto* frame = new BoxFrame(parent);
    frame->setObjectName(QLatin1String(name));
    frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    frame->setGeometry(geometry);
    frame->setFont(appearance::msSansSerif(8.25));
    return frame;
}

} // namespace

Form1::Form1(std::unique_ptr<RandomSource> randomSource, QWidget* parent)
    : QMainWindow(parent), random(std::move(randomSource)) {
    accessibility::install();
    buildWindow();
    buildMenu();
    buildDiceArea();
    buildScoreSheet();
    buildTotals();
    setFocusOrder();
    Form_Load();
}

void Form1::buildWindow() {
    setUpWindowFrame(this, "Form1", QStringLiteral("Le jeu de kazoumi à Quib !"));
    setFont(appearance::msSansSerif(12));

    announcer = new Announcer(this);
    client = new QWidget(this);
    client->setFixedSize(twips(6720), twips(5415));
    setCentralWidget(client);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void Form1::buildMenu() {
    menu = menuBar()->addMenu(QStringLiteral("    [[Menu]]"));
    menu->setObjectName(QStringLiteral("menu"));
    menuBar()->setFont(font());
    auto addItem = [this](const char* name, const QString& caption, bool enabled) {
        QAction* item = menu->addAction(caption);
        item->setObjectName(QLatin1String(name));
        item->setEnabled(enabled);
        return item;
    };
    const QString rule = QStringLiteral("----------");
    reset = addItem("reset", QStringLiteral("Reset"), true);
    rien = addItem("rien", rule, false);
    about = addItem("about", QStringLiteral("About"), true);
    rien2 = addItem("rien2", rule, false);
    aide = addItem("aide", QStringLiteral("Aide"), true);
    rien3 = addItem("rien3", rule, false);
    quit = addItem("quit", QStringLiteral("Quitter"), true);
    connect(reset, &QAction::triggered, this, &Form1::reset_Click);
    connect(about, &QAction::triggered, this, &Form1::about_Click);
    connect(aide, &QAction::triggered, this, &Form1::aide_Click);
    connect(quit, &QAction::triggered, this, &Form1::quit_Click);
}

void Form1::buildDiceArea() {
    Frame2 = makeFrame("Frame2", client, twips(120, 120, 6495, 5295));

    PicturePtr framePicture = pictures::dieFrame();
    void (Form1::*const ticks[5])() = {&Form1::Timer1_Timer, &Form1::Timer2_Timer,
                                       &Form1::Timer3_Timer, &Form1::Timer4_Timer,
                                       &Form1::Timer5_Timer};
    for (int n = 0; n < 5; ++n) {
        const int step = 1320 * n;
        Image1[n] = new ImageBox(Frame2);
        Image1[n]->setObjectName(arrayName("Image1", n));
        Image1[n]->setGeometry(twips(120 + step, 240, 1020, 1020));
        Image1[n]->setPicture(framePicture);

        // Each die starts with a five-pip picture of its own: it looks like face 5 but is no
        // face, so it scores nothing until the die is thrown.
        Image2[n] = new ImageBox(Frame2);
        Image2[n]->setObjectName(arrayName("Image2", n));
        Image2[n]->setGeometry(twips(270 + step, 360, 735, 735));
        Image2[n]->setStretch(true);
        Image2[n]->setPicture(pictures::dieFace(5));
        accessibility::describeDie(Image2[n], QStringLiteral("Dé %1").arg(n + 1));

        // Described before its caption is set: a caption makes the box's accessible interface
        // at once when assistive technology listens.
        Check1[n] = new QCheckBox(Frame2);
        accessibility::describeHoldBox(Check1[n], Image2[n],
                                       QStringLiteral("Garder le dé %1").arg(n + 1));
        Check1[n]->setText(QStringLiteral("Check1"));
        Check1[n]->setObjectName(arrayName("Check1", n));
        Check1[n]->setGeometry(twips(480 + step, 1440, 255, 255));
        Check1[n]->setEnabled(false);
        connect(Check1[n], &QCheckBox::toggled, this, [this, n] { Check1_Click(n); });

        dieTimers[n] = new IntervalTimer(Frame2);
        dieTimers[n]->setObjectName(QStringLiteral("Timer%1").arg(n + 1));
        connect(dieTimers[n], &IntervalTimer::tick, this, ticks[n]);
    }

    Command1 = new QPushButton(QStringLiteral("go!"), client);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(twips(2880, 1920, 975, 375));
    Command1->setAccessibleDescription(QStringLiteral("Lance les dés, puis les arrête"));
    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);

    // The six face pictures: never shown, they are where every die takes its face from.
    const int lefts[6] = {9120, 9000, 9120, 9120, 9120, 9240};
    const int tops[6] = {120, 600, 1320, 2400, 3360, 4200};
    for (int k = 0; k < 6; ++k) {
        Image3[k] = new ImageBox(client);
        Image3[k]->setObjectName(arrayName("Image3", k));
        Image3[k]->setGeometry(twips(lefts[k], tops[k], 735, 735));
        Image3[k]->setStretch(true);
        Image3[k]->setPicture(pictures::dieFace(k + 1));
        Image3[k]->setTag(QString::number(k + 1));
        Image3[k]->setVisible(false);
    }
    // Render the faces at the size the dice show them as soon as the window is up, so the first
    // roll does no drawing and the window does not wait for them to appear.
    QTimer::singleShot(0, this, [this] {
        for (ImageBox* face : Image3)
            face->picture()->pixmap(Image2[0]->size(), devicePixelRatioF());
    });
}

QPushButton* Form1::addBoxButton(const char* name, const QString& caption, QRect geometry,
                                 void (Form1::*handler)(), const char* fieldName,
                                 const QString& spokenName) {
    // Described before its caption is set, as the hold boxes are.
    auto* button = new QPushButton(Frame1);
    accessibility::describeBox(button, QLatin1String(fieldName), spokenName);
    button->setText(caption);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(geometry);
    button->setFont(appearance::msSansSerif(8.25));
    connect(button, &QPushButton::clicked, this, handler);
    return button;
}

QLabel* Form1::addScoreField(const char* name, QRect geometry, const QString& spokenName) {
    QLabel* field = makeLabel(name, QString(), Frame1, geometry, appearance::msSansSerif(12, true));
    accessibility::describeScoreField(field, spokenName, QStringLiteral("libre"));
    field->setAlignment(Qt::AlignCenter);
    appearance::setColours(field, appearance::darkYellow, appearance::navy);
    return field;
}

void Form1::buildScoreSheet() {
    Frame1 = makeFrame("Frame1", client, twips(240, 2400, 6255, 2895));

    struct Row {
        const char* button;
        QString caption;
        void (Form1::*handler)();
        QPushButton** buttonMember;
        const char* field;
        QLabel** fieldMember;
    };
    const Row upperRows[6] = {
        {"un", "1", &Form1::un_Click, &un, "Label1", &Label1},
        {"deux", "2", &Form1::deux_Click, &deux, "Label2", &Label2},
        {"trois", "3", &Form1::trois_Click, &trois, "Label3", &Label3},
        {"quatre", "4", &Form1::quatre_Click, &quatre, "Label4", &Label4},
        {"cinq", "5", &Form1::cinq_Click, &cinq, "Label5", &Label5},
        {"six", "6", &Form1::six_Click, &six, "Label6", &Label6},
    };
    const Row lowerRows[6] = {
        {"par3", "3 pareils", &Form1::par3_Click, &par3, "Label3par", &Label3par},
        {"par4", "4 pareils", &Form1::par4_Click, &par4, "Label4par", &Label4par},
        {"full", "Full", &Form1::full_Click, &full, "Labelfull", &Labelfull},
        {"suit4", "Suite (4)", &Form1::suit4_Click, &suit4, "Labels4", &Labels4},
        {"suit5", "Suite (5)", &Form1::suit5_Click, &suit5, "Labelsu5", &Labelsu5},
        {"chance", "Chance", &Form1::chance_Click, &chance, "Labelchance", &Labelchance},
    };
    for (int row = 0; row < 6; ++row) {
        const int top = 360 + 360 * row;
        for (const auto& [r, left] : {std::pair{&upperRows[row], 120}, {&lowerRows[row], 2160}}) {
            // Spoken, a bare "1" says little: the upper boxes are "the box of the 1s".
            const QString spokenName =
                (left == 120 ? QStringLiteral("Case des %1") : QStringLiteral("Case %1"))
                    .arg(r->caption);
            *r->buttonMember = addBoxButton(r->button, r->caption, twips(left, top, 735, 375),
                                            r->handler, r->field, spokenName);
            *r->fieldMember = addScoreField(r->field, twips(left + 840, top, 615, 375), spokenName);
        }
    }
    const QString kazoumiName = QStringLiteral("Case KAZOUMI!");
    kazoumi = addBoxButton("kazoumi", QStringLiteral("KAZOUMI!"), twips(4320, 360, 975, 375),
                           &Form1::kazoumi_Click, "Labelkaz", kazoumiName);
    Labelkaz = addScoreField("Labelkaz", twips(5400, 360, 615, 375), kazoumiName);
}

void Form1::buildTotals() {
    score = new QGroupBox(QStringLiteral("SCORES"), Frame1);
    score->setObjectName(QStringLiteral("score"));
    score->setGeometry(twips(4320, 960, 1815, 1575));
    score->setFont(appearance::msSansSerif(8.25));

    const QFont small = appearance::msSansSerif(8.25);
    const QFont value = appearance::msSansSerif(12, true);
    Label8 = makeLabel("Label8", QStringLiteral("Sous-total: "), score, twips(120, 240, 855, 255),
                       small);
    Label9 = makeLabel("Label9", QString(), score, twips(960, 240, 735, 375), value);
    lblbonus =
        makeLabel("lblbonus", QStringLiteral("bonus %1 points").arg(gamenumbers::bonusPoints),
                  score, twips(120, 720, 1575, 375), appearance::msSansSerif(9.75));
    lblbonus->setVisible(false);
    Label10 =
        makeLabel("Label10", QStringLiteral("Total:"), score, twips(120, 1200, 735, 255), small);
    Label11 = makeLabel("Label11", QString(), score, twips(720, 1080, 975, 375), value);
    // The totals show the score fields' colours the other way round.
    for (QLabel* totalField : {Label9, Label11}) {
        totalField->setAlignment(Qt::AlignCenter);
        appearance::setColours(totalField, appearance::navy, appearance::darkYellow);
    }
    accessibility::describeScoreField(Label9, QStringLiteral("Sous-total"),
                                      QStringLiteral("0 points"));
    accessibility::describeScoreField(Label11, QStringLiteral("Total"), QStringLiteral("0 points"));
}

void Form1::setFocusOrder() {
    QList<QWidget*> order{Command1, un, deux, trois, quatre, cinq, six};
    for (int n = 4; n >= 0; --n)
        order.append(Check1[n]);
    order << par3 << par4 << full << suit4 << suit5 << chance << kazoumi;
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void Form1::Form_Load() { Frame1->setEnabled(false); }
