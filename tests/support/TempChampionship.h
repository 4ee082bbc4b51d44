#pragma once

#include "db/Database.h"

#include <QTemporaryDir>
#include <memory>

// A freshly created championship file in a temporary folder, opened for the test; with
// ORLE_TEST_STORE=server, a championship in a fresh database of the run's test cluster.
class TempChampionship final {
public:
    // Whether this run puts the tests' championships on the server.
    static bool OnServer();

    // Where the championship is made: as the run says, or on the run's server whatever it says
    // (tests of what only a server championship does).
    enum class Place { AsTheRunSays, Server };

    explicit TempChampionship(const QString& fileName = QStringLiteral("ORLE2004.mdb"),
                              Place place = Place::AsTheRunSays);

    QString path() const { return m_path; }
    QString folder() const { return m_dir.path(); }
    const Database& db() const { return *m_db; }
    // A connection of its own to the same file, as another program or window holds one.
    std::unique_ptr<Database> openAnother() const;

    // A server championship logs every change from its creation on, a file from its first
    // save: forgets what the test's own setup wrote, so both begin the test with no history.
    void forgetSetupChanges() const;

    // Runs SQL that a test needs to succeed.
    void exec(const QString& sql, const SqlParams& params = {}) const;
    // The first value of the first row; -1 or an empty text (and a test failure when the
    // file could not be read) without one.
    long long count(const QString& sql, const SqlParams& params = {}) const;
    QString text(const QString& sql, const SqlParams& params = {}) const;

private:
    QTemporaryDir m_dir;
    QString m_path;
    std::unique_ptr<Database> m_db;
};
