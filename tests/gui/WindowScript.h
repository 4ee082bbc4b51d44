#pragma once

#include <QObject>
#include <QString>
#include <QWidget>
#include <deque>
#include <functional>

// Acts on the windows that open one after another while a command blocks in their exec():
// each step waits until its window (found by object name) is active and takes input,
// then acts on it. A step that never comes fails the test instead of hanging it.
class WindowScript final {
public:
    using Action = std::function<void(QWidget&)>;

    // Appends a step: when `windowName` takes input, `action` runs on it.
    WindowScript& then(const QString& windowName, Action action);
    // Runs `trigger` and waits until every step has run. Returns the windows of the steps
    // that never came, empty when all ran (the windows still open are then closed so that
    // the test can go on).
    QString run(const std::function<void()>& trigger, int timeoutMs = 20000);

private:
    struct Step {
        QString windowName;
        Action action;
    };
    void poll();
    static QWidget* takingInput(const QString& windowName);

    std::deque<Step> m_steps;
    bool m_polling = false;
    // Polls still queued when the script ends are dropped with it.
    QObject m_context;
};
