#include "FormColors.h"

#include <QWidget>

namespace lott {

QPalette SetFormBackground(QWidget* w) {
    w->setAutoFillBackground(true);
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, kFormBackColor);
    pal.setColor(QPalette::Button, kFormBackColor);
    w->setPalette(pal);
    return pal;
}

void SetStatusColour(QWidget* w, bool failure) {
    w->setStyleSheet(failure ? QStringLiteral("color: rgb(192, 0, 0)")
                             : QStringLiteral("color: black"));
}

}  // namespace lott
