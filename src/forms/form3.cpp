// SPDX-FileCopyrightText: 2026 The Kazoumi developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form3.h"

#include "accessibility/accessibility.h"
#include "pictures/authorphoto.h"
#include "pictures/diepictures.h"
#include "widgets/appearance.h"
#include "widgets/fixedwindow.h"
#include "widgets/imagebox.h"
#include "widgets/label.h"
#include "widgets/textbox.h"
#include "widgets/twips.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringList>

using namespace Qt::Literals::StringLiterals;

namespace {

// The author's note: it opens on an empty line, and every line, the last one too, ends with a
// line break.
QString authorNote() {
    const QStringList lines = {
        u""_s,
        u"Allô tout le monde!"_s,
        u"Bienvenue dans mon tout premier vrai jeu! =)"_s,
        u""_s,
        u"Je l'ai écrit en janvier 2000, pendant le"_s,
        u"congé des fêtes qui finissait pu, parce"_s,
        u"qu'il faisait -30 dehors pis que j'avais"_s,
        u"rien d'autre à faire... hihi!"_s,
        u"Au début c'était juste pour apprendre à"_s,
        u"programmer, pis finalement je me suis"_s,
        u"prise au jeu (c'est le cas de le dire!)."_s,
        u"J'ai passé des soirées complètes à placer"_s,
        u"des pittons pis à dessiner des dés, fait"_s,
        u"que soyez indulgents svp! ;)"_s,
        u""_s,
        u"Mes remerciements:"_s,
        u"-à mes chums de l'école, qui ont joué à"_s,
        u" mes versions toutes croches sans chialer"_s,
        u" (ben... presque pas)"_s,
        u"-à ma mère, qui m'a laissé l'ordi des"_s,
        u" soirées entières"_s,
        u"-à mon père, qui m'a montré à jouer aux"_s,
        u" dés quand j'étais petite"_s,
        u"-à mon petit frère, le meilleur trouveur"_s,
        u" de bogues de l'univers"_s,
        u"-à mon chat, qui s'est couché sur le"_s,
        u" clavier juste deux ou trois fois"_s,
        u"-à la musique dans mes écouteurs, qui m'a"_s,
        u" tenue réveillée jusqu'à 3h du matin"_s,
        u"-pis à toi, qui lis ça jusqu'au bout!"_s,
        u""_s,
        u"Bonne partie, pis amusez-vous bien!"_s,
        u"                         -Quibette xxx"_s,
        u""_s,
        u"(P.S.: le kazoumi, ça porte chance! =P)"_s,
    };
    return lines.join(u'\n') + u'\n';
}

ImageBox* makePicture(const char* name, PicturePtr picture, QWidget* parent, QRect geometry) {
    auto* image = new ImageBox(parent);
    image->setObjectName(QLatin1String(name));
    image->setGeometry(geometry);
    image->setStretch(true);
    image->setPicture(picture);
    return image;
}

} // namespace

Form3::Form3(QWidget* parent) : QWidget(parent) {
    setUpFixedWindow(this, "Form3", u"About moi!"_s, QSize(twips(5220), twips(4155)));

    // The photo lies on the die picture, hidden until the die picture is clicked.
    Image1 = makePicture("Image1", pictures::dieIcon(), this, twips(120, 0, 1080, 1080));
    Image2 = makePicture("Image2", pictures::authorPhoto(), this, twips(120, 0, 1050, 1155));
    Image2->setVisible(false);
    connect(Image1, &ImageBox::clicked, this, &Form3::Image1_Click);
    connect(Image2, &ImageBox::clicked, this, &Form3::Image2_Click);
    accessibility::describeClickablePicture(Image1, u"Dé : montrer la photo de l'auteure"_s);
    accessibility::describeClickablePicture(Image2, u"Photo de l'auteure : revenir au dé"_s);

    const QFont windowFont = font();
    Label1 = makeLabel("Label1", u"Le jeu de Kazoumi à Quib !"_s, this, twips(1320, 120, 3615, 375),
                       appearance::msSansSerif(13.5, true));
    Label2 = makeLabel("Label2", u"v1,0"_s, this, twips(1320, 480, 615, 255), windowFont);
    Label3 = makeLabel("Label3", u"Quibette Marnal, Zentora...     Janvier 2000!"_s, this,
                       twips(1320, 960, 3615, 255), appearance::msSansSerif(9.75));

    Text1 = makeReadOnlyTextBox("Text1", authorNote(), this, twips(120, 1440, 4935, 1215),
                                appearance::msSansSerif(8.25, true), appearance::navy,
                                appearance::darkYellow);
    Text1->setAccessibleName(u"Mot de l'auteure"_s);

    Label5 = makeLabel("Label5",
                       u"Pour commentaires, suggestions, questions vous pouvez (sans gêne) "
                       u"m'envoyer un e-mail à :      quibette@example.com"_s,
                       this, twips(120, 2760, 4935, 495), windowFont);
    Label4 = makeLabel("Label4",
                       u"Attention: si jamais quelqu'un me vole mon idée, je vais défendre mes "
                       u"programmes jusqu'au bout... à coups de dés s'il le faut! =P"_s,
                       this, twips(120, 3360, 4935, 375), appearance::smallFonts(6));

    Command1 = new QPushButton(u"ok"_s, this);
    Command1->setObjectName(u"Command1"_s);
    Command1->setGeometry(twips(4080, 3720, 975, 375));
    Command1->setFont(appearance::msSansSerif(9.75));
    connect(Command1, &QPushButton::clicked, this, &Form3::Command1_Click);

    setTabOrder(Text1, Command1);
    Text1->setFocus();
}

void Form3::Command1_Click() { hide(); }

void Form3::Image1_Click() {
    Image2->setVisible(true);
    Image1->setVisible(false);
}

void Form3::Image2_Click() {
    Image1->setVisible(true);
    Image2->setVisible(false);
}
