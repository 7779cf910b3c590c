// Finding one of the program's own windows by its caption, restoring it and keeping it on top.
#pragma once

#include <QString>

class QWidget;

namespace lott {

// The first visible top-level window with a title bar whose caption is exactly caption, or null.
QWidget* FindWindowByTitle(const QString& caption);
// Brings a minimized or maximized window back to its normal size.
void RestoreWindow(QWidget* window);
// Keeps the window above the other windows without moving or resizing it; null is ignored.
void SetTopmost(QWidget* window);
// Returns the window to the normal stacking order without moving or resizing it; null is ignored.
void SetNotTopmost(QWidget* window);

}  // namespace lott
