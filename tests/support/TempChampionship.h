#pragma once

#include "db/Database.h"

#include <QTemporaryDir>
#include <memory>

// A freshly created championship file in a temporary folder, opened for the test.
class TempChampionship final {
public:
    explicit TempChampionship(const QString& fileName = QStringLiteral("ORLE2004.mdb"));

    QString path() const { return m_path; }
    QString folder() const { return m_dir.path(); }
    const Database& db() const { return *m_db; }
    // A connection of its own to the same file, as another program or window holds one.
    std::unique_ptr<Database> openAnother() const;

    // Runs SQL that a test needs to succeed.
    void exec(const QString& sql, const SqlParams& params = {}) const;
    long long count(const QString& sql, const SqlParams& params = {}) const;

private:
    QTemporaryDir m_dir;
    QString m_path;
    std::unique_ptr<Database> m_db;
};
