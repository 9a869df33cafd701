// SPDX-FileCopyrightText: 2026 The Kazoumi developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form1.h"

#include "accessibility/accessibility.h"
#include "accessibility/announcer.h"
#include "pictures/diepictures.h"
#include "rules/gamenumbers.h"
#include "widgets/appearance.h"
#include "widgets/fixedwindow.h"
#include "widgets/imagebox.h"
#include "widgets/intervaltimer.h"
#include "widgets/label.h"
#include "widgets/twips.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QMenu>
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
    // Spoken, the caption's blanks and brackets say nothing: the menu is named "Menu".
    menu = new QMenu(QStringLiteral("    [[Menu]]"), menuBar());
    menu->setObjectName(QStringLiteral("menu"));
    accessibility::nameMenu(menu, QStringLiteral("Menu"));
    menuBar()->addMenu(menu);
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
    // The five dice's frames all show this one picture.
    const PicturePtr framePicture = pictures::dieFrame();
    for (int n = 0; n < gamenumbers::diceCount; ++n)
        buildDie(n, framePicture);
    buildRollButton();
    buildFacePictures();
}

// Die n, from the left: its frame, its face, the hold box below it and the timer that spins it.
void Form1::buildDie(int n, const PicturePtr& framePicture) {
    static constexpr void (Form1::* ticks[gamenumbers::diceCount])() = {
        &Form1::Timer1_Timer, &Form1::Timer2_Timer, &Form1::Timer3_Timer, &Form1::Timer4_Timer,
        &Form1::Timer5_Timer};
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

void Form1::buildRollButton() {
    Command1 = new QPushButton(QStringLiteral("go!"), client);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(twips(2880, 1920, 975, 375));
    Command1->setAccessibleDescription(QStringLiteral("Lance les dés, puis les arrête"));
    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    // A screen reader reads the description with the button each time the focus comes to it,
    // twice or more a turn: once the player has heard it, it goes.
    describedRollButton = connect(
        qApp, &QApplication::focusChanged, this,
        [this](QWidget* old) {
            if (old != Command1)
                return;
            Command1->setAccessibleDescription(QString());
            disconnect(describedRollButton);
        },
        Qt::QueuedConnection);
}

// The six face pictures: never shown, they are where every die takes its face from.
void Form1::buildFacePictures() {
    const int lefts[gamenumbers::faceCount] = {9120, 9000, 9120, 9120, 9120, 9240};
    const int tops[gamenumbers::faceCount] = {120, 600, 1320, 2400, 3360, 4200};
    for (int k = 0; k < gamenumbers::faceCount; ++k) {
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

// Each box's button, label and handler are named after its members, so the names are written once.
// `score` is the box's rule applied to the dice of `form`, read the way that rule reads them.
#define SHEET_BOX(button, label, caption, column, row, score)                                      \
    {#button,        #label,        caption,                                                       \
     &Form1::button, &Form1::label, &Form1::button##_Click,                                        \
     column,         row,           [](const Form1& form) { return score; }}
const std::array<Form1::SheetBox, gamenumbers::boxCount> Form1::sheetBoxes{{
    SHEET_BOX(un, Label1, "1", 0, 0, rules::upper(1, form.facesByPicture())),
    SHEET_BOX(deux, Label2, "2", 0, 1, rules::upper(2, form.facesByPicture())),
    SHEET_BOX(trois, Label3, "3", 0, 2, rules::upper(3, form.facesByPicture())),
    SHEET_BOX(quatre, Label4, "4", 0, 3, rules::upper(4, form.facesByPicture())),
    SHEET_BOX(cinq, Label5, "5", 0, 4, rules::upper(5, form.facesByPicture())),
    SHEET_BOX(six, Label6, "6", 0, 5, rules::upper(6, form.facesByPicture())),
    SHEET_BOX(par3, Label3par, "3 pareils", 1, 0,
              rules::ofAKind(3, form.facesByPicture(), form.valuesOfTags())),
    SHEET_BOX(par4, Label4par, "4 pareils", 1, 1,
              rules::ofAKind(4, form.facesByPicture(), form.valuesOfTags())),
    SHEET_BOX(full, Labelfull, "Full", 1, 2, rules::fullHouse(form.facesByTag())),
    SHEET_BOX(suit4, Labels4, "Suite (4)", 1, 3, rules::smallStraight(form.valuesOfTags())),
    SHEET_BOX(suit5, Labelsu5, "Suite (5)", 1, 4, rules::largeStraight(form.valuesOfTags())),
    SHEET_BOX(kazoumi, Labelkaz, "KAZOUMI!", 2, 0, rules::fiveOfAKind(form.facesByTag())),
    SHEET_BOX(chance, Labelchance, "Chance", 1, 5, rules::chance(form.valuesOfTags())),
}};
#undef SHEET_BOX

void Form1::buildScoreSheet() {
    Frame1 = makeFrame("Frame1", client, twips(240, 2400, 6255, 2895));
    // Row by row across the first two columns, then "KAZOUMI!": the order in which assistive
    // technology meets the sheet's widgets.
    for (int row = 0; row < gamenumbers::upperBoxCount; ++row) {
        for (const SheetBox& box : sheetBoxes) {
            if (box.column < 2 && box.row == row)
                addSheetBox(box);
        }
    }
    for (const SheetBox& box : sheetBoxes) {
        if (box.column == 2)
            addSheetBox(box);
    }
}

void Form1::addSheetBox(const SheetBox& box) {
    // Where each column starts and how wide its buttons are; a score field follows its button.
    constexpr int lefts[3] = {120, 2160, 4320};
    constexpr int buttonWidths[3] = {735, 735, 975};
    const int left = lefts[box.column];
    const int width = buttonWidths[box.column];
    const int top = 360 + 360 * box.row;
    const QString caption = QLatin1String(box.caption);
    // Spoken, a bare "1" says little: the upper boxes are "the box of the 1s".
    const QString spokenName =
        (box.upper() ? QStringLiteral("Case des %1") : QStringLiteral("Case %1")).arg(caption);

    // Described before its caption is set, as the hold boxes are.
    auto* button = new QPushButton(Frame1);
    accessibility::describeBox(button, QLatin1String(box.label), spokenName);
    button->setText(caption);
    button->setObjectName(QLatin1String(box.button));
    button->setGeometry(twips(left, top, width, 375));
    button->setFont(appearance::msSansSerif(8.25));
    connect(button, &QPushButton::clicked, this, box.handler);
    this->*box.buttonMember = button;

    QLabel* field =
        makeLabel(box.label, QString(), Frame1, twips(left + width + 105, top, 615, 375),
                  appearance::msSansSerif(12, true));
    accessibility::describeScoreField(field, spokenName, QStringLiteral("libre"));
    field->setAlignment(Qt::AlignCenter);
    appearance::setColours(field, appearance::darkYellow, appearance::navy);
    this->*box.labelMember = field;
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
    const QString none = accessibility::pointsText(QStringLiteral("0"));
    accessibility::describeScoreField(Label9, QStringLiteral("Sous-total"), none);
    accessibility::describeScoreField(Label11, QStringLiteral("Total"), none);
}

void Form1::setFocusOrder() {
    // The roll button, then down each column of the sheet, left to right, with the hold boxes
    // (last die first) after the upper boxes.
    focusOrder = {Command1};
    for (int column = 0; column < 3; ++column) {
        for (const SheetBox& box : sheetBoxes) {
            if (box.column == column)
                focusOrder.append(buttonOf(box));
        }
        if (column == 0) {
            for (int n = gamenumbers::diceCount - 1; n >= 0; --n)
                focusOrder.append(Check1[n]);
        }
    }
    for (qsizetype i = 1; i < focusOrder.size(); ++i)
        setTabOrder(focusOrder[i - 1], focusOrder[i]);
}

// A step that disables controls (a commit, "go!", a new game) first takes the focus from the
// control it will disable: Qt would pass the focus on to the next control each time the focused
// one is disabled, and a screen reader would read each of them on the way, disabled, or the
// focus would end on none when a whole frame goes off at once.
QWidget* Form1::takeFocusFrom(const QList<QWidget*>& disabled) {
    QWidget* focused = focusWidget();
    if (focused && disabled.contains(focused))
        focused->clearFocus();
    return focused;
}

// Once the step is done, a control that lost the focus hands it on along the focus order, from
// itself and round, to the first control that can take it, as Qt does for a disabled control.
void Form1::passFocusOn(QWidget* from) {
    if (QWidget* focused = focusWidget(); focused && focused->isEnabled())
        return;
    const qsizetype start = std::max<qsizetype>(focusOrder.indexOf(from), 0);
    for (qsizetype i = 0; i < focusOrder.size(); ++i) {
        QWidget* control = focusOrder[(start + i) % focusOrder.size()];
        if (control->isEnabled()) {
            control->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

void Form1::Form_Load() { Frame1->setEnabled(false); }
