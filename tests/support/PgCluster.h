#pragma once

#include <gtest/gtest.h>
#include <QString>
#include <memory>

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
    // The cluster of this test program, started on first use, or the one CTest started for
    // the whole run (tests/pgcluster); null, with the reason, when it could not start.
    static PgCluster* Shared(QString* whyNot);

    // Starts a cluster of its own, stopped and removed with the object unless released.
    static std::unique_ptr<PgCluster> Start(QString* whyNot);
    // The cluster already running in the folder, or null when none is.
    static std::unique_ptr<PgCluster> Attach(const QString& folder);

    ~PgCluster();
    PgCluster(const PgCluster&) = delete;
    PgCluster& operator=(const PgCluster&) = delete;

    // The folder holding the cluster and its socket.
    const QString& folder() const { return m_folder; }
    // Leaves the cluster running when the object goes (another program stops it).
    void release() { m_owned = false; }
    // Stops the cluster and removes its folder.
    void stop();

    // Station folders of server championships (~/Documents/ORLE/<database>/) go to a temporary
    // home of this program from the first server championship on, never to the real one; the
    // programs it starts inherit it. A test may still give itself a home of its own.
    static void UseTemporaryHome();

    // The URI of a database on the cluster.
    QString uriFor(const QString& database) const;
    // A new empty database, named after the stem, this program and a number
    // ("orle2026_4711_3", whose year is 2026); its URI.
    QString freshDatabase(const QString& stem = QStringLiteral("orle2026"));

private:
    PgCluster() = default;
    QString start();

    QString m_binaries;
    QString m_folder;
    bool m_running = false;
    bool m_owned = true;
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
