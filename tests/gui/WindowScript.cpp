#include "gui/WindowScript.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

namespace {

constexpr int kPollMs = 5;
// How long a step may wait for its window once no modal window is open.
constexpr int kIdleMs = 1500;

// A window opened by a modal window is not blocked by it.
bool openedBy(const QWidget* window, const QWidget* owner) {
    for (const QWidget* w = window; w != nullptr; w = w->parentWidget()) {
        if (w == owner) {
            return true;
        }
    }
    return false;
}

}  // namespace

WindowScript& WindowScript::then(const QString& windowName, Action action) {
    m_steps.push_back({windowName, std::move(action)});
    return *this;
}

// A window that is there but not active is clicked first, as the staff would.
QWidget* WindowScript::takingInput(const QString& windowName) {
    QWidget* modal = QApplication::activeModalWidget();
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->isVisible() && w->objectName() == windowName &&
            (modal == nullptr || openedBy(w, modal))) {
            if (w->isActiveWindow()) {
                return w;
            }
            w->activateWindow();
        }
    }
    return nullptr;
}

// The next poll is queued before the step acts, so that a window the step opens with
// exec() is driven from inside its own event loop.
void WindowScript::poll() {
    if (m_steps.empty()) {
        m_polling = false;
        return;
    }
    QTimer::singleShot(kPollMs, &m_context, [this] { poll(); });
    QWidget* window = takingInput(m_steps.front().windowName);
    if (window == nullptr) {
        return;
    }
    const Action action = std::move(m_steps.front().action);
    m_steps.pop_front();
    action(*window);
}

QString WindowScript::run(const std::function<void()>& trigger, int timeoutMs) {
    if (!m_polling) {
        m_polling = true;
        QTimer::singleShot(0, &m_context, [this] { poll(); });
    }
    // A window that never comes must not hang the test: the modal ones still open close.
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [] {
        while (QWidget* modal = QApplication::activeModalWidget()) {
            modal->hide();
        }
    });
    watchdog.start(timeoutMs);
    const QDeadlineTimer deadline(timeoutMs);
    trigger();
    QElapsedTimer idle;
    idle.start();
    size_t left = m_steps.size();
    while (!m_steps.empty() && !deadline.hasExpired()) {
        QTest::qWait(kPollMs);
        if (m_steps.size() != left) {
            left = m_steps.size();
            idle.restart();
        }
        if (QApplication::activeModalWidget() == nullptr && idle.elapsed() > kIdleMs) {
            break;
        }
    }
    watchdog.stop();
    QStringList missing;
    for (const Step& step : m_steps) {
        missing << step.windowName;
    }
    m_steps.clear();
    return missing.join(QStringLiteral(", "));
}
