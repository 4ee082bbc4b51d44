#pragma once

#include <gtest/gtest.h>
#include <QString>

// A throwaway PostgreSQL cluster for the tests of server championships: made with initdb and
// run with pg_ctl from Debian's postgresql package, as the postgres user when the tests run
// as root (as in CI), in a temporary folder of its own, listening only on a Unix socket
// there (no TCP). Started on first use in a test program; stopped and removed at its exit.
//
// Its superuser carries the name of the user running the tests and signs in without a
// password (trust), so the tests connect with plain URIs and no role needs making: only
// that user reaches the socket, in a folder nobody else may enter.
class PgCluster final {
public:
    // Whether the server programs are installed here; the server tests are skipped when not.
    static bool Installed();
    // The cluster of this test program; null, with the reason, when it could not start.
    static PgCluster* Shared(QString* whyNot);

    ~PgCluster();
    PgCluster(const PgCluster&) = delete;
    PgCluster& operator=(const PgCluster&) = delete;

    // The URI of a database on the cluster.
    QString uriFor(const QString& database) const;
    // A new empty database, named after the stem with a number ("orle2026_3"); its URI.
    QString freshDatabase(const QString& stem = QStringLiteral("orle2026"));

private:
    PgCluster() = default;
    QString start();
    void stop();

    QString m_binaries;
    QString m_folder;
    bool m_running = false;
    int m_databases = 0;
};

// Tests against a fresh database on the shared cluster; skipped when the server programs are
// not installed, failed when they are and the cluster does not start.
class ServerTest : public ::testing::Test {
protected:
    void SetUp() override;

    // An empty database made for this test.
    const QString& uri() const { return m_uri; }
    PgCluster& cluster() const { return *m_cluster; }

private:
    PgCluster* m_cluster = nullptr;
    QString m_uri;
};
