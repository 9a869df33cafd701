#pragma once

#include <QString>

class ImageBox;
class QLabel;

// What assistive technology is told about the board. The texts are computed when a screen reader
// asks for them, never as the game runs: a spinning die costs nothing here.
namespace accessibility {

// Installs the interfaces below; safe to call more than once.
void install();

// A die: its name ("Dé 1") followed by the face it shows, or that it has not been thrown yet.
void describeDie(ImageBox* die, const QString& name);
// A picture that does something when clicked: announced as a button that can be pressed.
void describeClickablePicture(ImageBox* picture, const QString& name);
// A score field: the box's name followed by its score, or by `whenEmpty` (that the box is still
// free, or that a total is still 0).
void describeScoreField(QLabel* field, const QString& boxName, const QString& whenEmpty);

// The texts themselves, for the interfaces and their tests.
QString dieText(const QString& name, const QString& tag);
QString scoreFieldText(const QString& boxName, const QString& score, const QString& whenEmpty);

} // namespace accessibility
