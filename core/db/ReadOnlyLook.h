#pragma once

#include "db/Database.h"

#include <QString>
#include <QTemporaryDir>
#include <memory>

// A connection for looking at a championship file before it is accepted, made so that nothing
// is written to the file or beside it: a refused file keeps every byte.
class ReadOnlyLook final {
public:
    explicit ReadOnlyLook(const QString& path);
    ReadOnlyLook(const ReadOnlyLook&) = delete;
    ReadOnlyLook& operator=(const ReadOnlyLook&) = delete;

    // Null when the file could not even be looked at; see error().
    const Database* db() const { return m_db.get(); }
    const QString& error() const { return m_error; }
    // A read-only look cannot verify the rules of every value (the engine skips them
    // without write access), so the health check is repeated once the file is open.
    bool readOnly() const { return m_readOnly; }

private:
    void copyForLook(const QString& path, const QString& companion);

    // Made only for a copy, so that a look that needs none leaves no folder behind, even
    // when its process is killed.
    std::unique_ptr<QTemporaryDir> m_scratch;
    std::unique_ptr<Database> m_db;
    QString m_error;
    bool m_readOnly = false;
};
