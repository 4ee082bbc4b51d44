#include "widgets/EnterAsTab.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

void EnterAsTab::install(QWidget* window) {
    auto* filter = new EnterAsTab(window);
    window->installEventFilter(filter);
    for (QWidget* child : window->findChildren<QWidget*>()) {
        child->installEventFilter(filter);
    }
}

bool EnterAsTab::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ChildAdded) {
        auto* added = static_cast<QChildEvent*>(event)->child();
        if (added->isWidgetType()) {
            added->installEventFilter(this);
        }
        return false;
    }
    if (event->type() != QEvent::KeyPress) {
        return false;
    }
    auto* key = static_cast<QKeyEvent*>(event);
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    auto* field = qobject_cast<QWidget*>(watched);
    const bool isField = qobject_cast<QLineEdit*>(watched) ||
                         qobject_cast<QAbstractSpinBox*>(watched) ||
                         (qobject_cast<QComboBox*>(watched) &&
                          !static_cast<QComboBox*>(watched)->view()->isVisible());
    if (!enter || !isField || (key->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier))) {
        return false;
    }
    QKeyEvent tab(QEvent::KeyPress,
                  key->modifiers() & Qt::ShiftModifier ? Qt::Key_Backtab : Qt::Key_Tab,
                  Qt::NoModifier);
    QApplication::sendEvent(field, &tab);
    return true;
}
