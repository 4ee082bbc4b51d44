#include "widgets/NamedButton.h"

#include <QPushButton>

QPushButton* NamedButton(const QString& name, const QString& caption, QWidget* parent,
                         QSize minimumSize) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    if (minimumSize.isValid()) {
        button->setMinimumSize(minimumSize);
    }
    return button;
}
