#pragma once

#include "db/EventColors.h"

#include <QColor>

class QWidget;

// A stored event colour (0x00BBGGRR) as a QColor.
inline QColor EventQColor(ColorValue value) {
    return QColor(static_cast<int>(value & 0xffu), static_cast<int>((value >> 8) & 0xffu),
                  static_cast<int>((value >> 16) & 0xffu));
}

// Paints a window's background in its event's colour.
void PaintEventBackground(QWidget* window, ColorValue value);
