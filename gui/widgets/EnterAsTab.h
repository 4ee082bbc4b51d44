#pragma once

#include <QObject>

// Makes Enter in a window's text fields move to the next field, as Tab does.
class EnterAsTab final : public QObject {
    Q_OBJECT
public:
    // Installs itself on `window` and the window's children, present and future.
    static void install(QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using QObject::QObject;
};
