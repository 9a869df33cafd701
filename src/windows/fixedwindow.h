#pragma once

#include <QSize>
#include <QString>

class QWidget;

// Makes a top-level window of the program's kind: a fixed frame with a title and a close box but
// no minimise or maximise button, a client area of one fixed size, the die icon, a grey
// background and MS Sans Serif 8.25 for every widget without a font of its own.
void setUpFixedWindow(QWidget* window, const char* name, const QString& title, QSize clientSize);
