#include "widgets/EventColor.h"

#include <QPalette>
#include <QWidget>

void PaintEventBackground(QWidget* window, ColorValue value) {
    QPalette palette = window->palette();
    palette.setColor(QPalette::Window, EventQColor(value));
    window->setAutoFillBackground(true);
    window->setPalette(palette);
}
