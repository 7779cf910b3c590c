// The colours the windows of both programs share.
#pragma once

#include <QColor>
#include <QPalette>

class QWidget;

namespace lott {

// The background of the forms and of their buttons and picture boxes.
inline const QColor kFormBackColor{240, 240, 240};

// Gives w the form background (its window and button colours, filled when it is drawn) and
// returns the palette it now has.
QPalette SetFormBackground(QWidget* w);

// A status line's colour: a failure in red, a notice of something done in black.
void SetStatusColour(QWidget* w, bool failure);

}  // namespace lott
