#include "app/ChangePlace.h"

#include <QApplication>
#include <QWidget>

QString ActiveWindowPlace() {
    const QWidget* window = QApplication::activeWindow();
    if (window == nullptr) {
        return QStringLiteral("ORLE");
    }
    const QString title = window->windowTitle();
    return title.isEmpty() ? window->objectName() : title;
}
