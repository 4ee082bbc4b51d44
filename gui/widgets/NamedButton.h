#pragma once

#include <QSize>

class QPushButton;
class QString;
class QWidget;

// A push button known by its object name; it never becomes the default button, so Enter
// keeps moving between fields instead of pressing it.
QPushButton* NamedButton(const QString& name, const QString& caption, QWidget* parent,
                         QSize minimumSize = {});
