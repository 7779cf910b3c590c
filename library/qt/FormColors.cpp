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

}  // namespace lott
