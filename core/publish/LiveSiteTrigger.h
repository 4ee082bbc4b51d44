#pragma once

#include "db/Status.h"

#include <QDateTime>
#include <QObject>
#include <QTimer>
#include <optional>

class ORLEMain;

// Keeps the live results site of the open file current in the program: shortly after every
// save it rewrites the site, when this machine publishes it. The save never waits for the
// site, and a site that cannot be written is shown and tried again at the next save.
class LiveSiteTrigger final : public QObject {
    Q_OBJECT

public:
    explicit LiveSiteTrigger(ORLEMain& state, QObject* parent = nullptr);
    ~LiveSiteTrigger() override;
    Q_DISABLE_COPY_MOVE(LiveSiteTrigger)

    // A save has been committed: the site follows in a moment.
    void saved();
    // Rewrites the site at once (a folder was chosen, a file opened).
    void publishNow();

    // The folder this machine publishes the open file to, if any.
    const std::optional<QString>& folder() const { return m_folder; }
    QDateTime lastWritten() const;
    // Why the last rewrite failed; empty after a good one.
    const QString& problem() const { return m_problem; }

    // How long after a save the site is rewritten: saves in quick succession write it once.
    static constexpr int kDelayMs = 250;

signals:
    void published();

private:
    ORLEMain& m_state;
    QTimer m_timer;
    std::optional<QString> m_folder;
    QString m_problem;
};
