#include "WindowLookup.h"

#include <QApplication>
#include <QWidget>

namespace lott {

namespace {
bool HasTitleBar(const QWidget* w) {
    if (!w->isWindow() || w->windowFlags().testFlag(Qt::FramelessWindowHint)) return false;
    switch (w->windowType()) {
        case Qt::Window:
        case Qt::Dialog:
        case Qt::Tool:
            return true;
        default:
            return false;
    }
}

void SetStaysOnTop(QWidget* window, bool on) {
    if (!window || window->windowFlags().testFlag(Qt::WindowStaysOnTopHint) == on) return;
    // Changing a window's flags hides it; show it again where it was.
    const QRect geometry = window->geometry();
    const bool visible = window->isVisible();
    window->setWindowFlag(Qt::WindowStaysOnTopHint, on);
    window->setGeometry(geometry);
    if (visible) window->show();
}
}  // namespace

QWidget* FindWindowByTitle(const QString& caption) {
    const auto windows = QApplication::topLevelWidgets();
    for (QWidget* w : windows)
        if (w->isVisible() && HasTitleBar(w) && w->windowTitle() == caption) return w;
    return nullptr;
}

void RestoreWindow(QWidget* window) {
    if (!window) return;
    if (window->isMinimized() || window->isMaximized()) window->showNormal();
}

void SetTopmost(QWidget* window) {
    SetStaysOnTop(window, true);
}

void SetNotTopmost(QWidget* window) {
    SetStaysOnTop(window, false);
}

}  // namespace lott
