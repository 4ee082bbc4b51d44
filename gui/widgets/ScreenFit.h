#pragma once

#include <QSize>

class QWidget;

// The room a window's frame may take on the screen it shows on: the screen's free area
// less a title bar, so that a laptop at the scoring table shows every window whole.
QSize UsableScreenSize(const QWidget* window);

// Resizes `window` to `preferred`, shrunk to the usable screen; its content scrolls.
void FitToScreen(QWidget* window, QSize preferred);
