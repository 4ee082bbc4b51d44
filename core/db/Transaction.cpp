#include "db/Transaction.h"

#include "db/ChangeLog.h"
#include "db/Database.h"

Transaction::Transaction(const Database& db) : m_db(db), m_begun(db.beginSave()) {
    m_open = m_begun.ok();
    if (m_open) {
        // A save the log cannot follow is no save: it is rolled back with the rest.
        const Result<bool> logged = ChangeLog::BeginSave(db);
        m_begun = logged.status();
        m_logged = logged && *logged;
    }
}

Transaction::~Transaction() {
    if (m_open) {
        // A save that did not commit is undone.
        m_db.rollbackSave();
    }
}

Status Transaction::commit() {
    if (!m_open) {
        return m_begun.ok() ? Status::failure(QStringLiteral("The transaction has ended."))
                            : m_begun;
    }
    if (m_logged) {
        if (Status ended = ChangeLog::EndSave(m_db); !ended) {
            return ended;
        }
    }
    Status committed = m_db.commitSave();
    if (committed) {
        m_open = false;
        m_db.committed();
    }
    return committed;
}
