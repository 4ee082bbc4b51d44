#include "widgets/ScreenFit.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace {

// Room left for the window manager's title bar and borders, which Qt does not count in a
// window's size.
constexpr int kTitleBarAllowance = 34;

}  // namespace

QSize UsableScreenSize(const QWidget* window) {
    const QScreen* screen = window->screen();
    if (screen == nullptr) {
        screen = QGuiApplication::primaryScreen();
    }
    if (screen == nullptr) {
        return {QWIDGETSIZE_MAX, QWIDGETSIZE_MAX};
    }
    const QSize free = screen->availableGeometry().size();
    return {free.width(), std::max(0, free.height() - kTitleBarAllowance)};
}

void FitToScreen(QWidget* window, QSize preferred) {
    window->resize(preferred.boundedTo(UsableScreenSize(window)));
}
