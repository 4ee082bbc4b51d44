#pragma once

#include <QAction>
#include <QMenu>
#include <QString>

#include <utility>

// Gives a menu item its object name, so shortcuts and tests reach it by name.
inline QAction* NamedAction(QAction* action, const QString& name) {
    action->setObjectName(name);
    return action;
}

// Adds a named menu item that runs slot on receiver.
template <typename Receiver, typename Slot>
QAction* AddNamedAction(QMenu* menu, const QString& name, const QString& caption,
                        const Receiver* receiver, Slot&& slot) {
    return NamedAction(menu->addAction(caption, receiver, std::forward<Slot>(slot)), name);
}
