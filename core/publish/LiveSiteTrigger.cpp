#include "publish/LiveSiteTrigger.h"

#include "db/ORLEMain.h"
#include "publish/LivePublishing.h"
#include "publish/LiveSite.h"

LiveSiteTrigger::LiveSiteTrigger(ORLEMain& state, QObject* parent)
    : QObject(parent), m_state(state) {
    m_timer.setSingleShot(true);
    m_timer.setInterval(kDelayMs);
    connect(&m_timer, &QTimer::timeout, this, &LiveSiteTrigger::publishNow);
    m_state.setCommitObserver([this] { saved(); });
}

LiveSiteTrigger::~LiveSiteTrigger() {
    m_state.setCommitObserver({});
}

void LiveSiteTrigger::saved() {
    m_timer.start();
}

void LiveSiteTrigger::publishNow() {
    m_timer.stop();
    m_folder.reset();
    m_problem.clear();
    if (m_state.isOpen()) {
        const Database& db = m_state.connection();
        const Result<std::optional<QString>> folder = LivePublishing::FolderHere(db);
        Status written = folder.status();
        if (folder && *folder) {
            m_folder = **folder;
            written = WriteLiveSite(db, **folder, QDateTime::currentDateTime());
        }
        if (!written) {
            m_problem = written.message();
        }
    }
    emit published();
}

QDateTime LiveSiteTrigger::lastWritten() const {
    return m_folder ? LivePublishing::LastWritten(*m_folder) : QDateTime();
}
