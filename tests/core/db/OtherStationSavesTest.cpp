#include "db/ChampionshipStore.h"
#include "db/OtherStationSaves.h"
#include "db/PgConnection.h"
#include "db/SeedData.h"
#include "db/Transaction.h"
#include "support/PgCluster.h"

#include <gtest/gtest.h>
#include <libpq-fe.h>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>

namespace {

constexpr int kPatienceMilliseconds = 5000;

// A championship on the test's database, this station's connection to it, and the event
// loop that the announcements of the other stations arrive through.
class OtherStationSavesTest : public ServerTest {
protected:
    void SetUp() override {
        ServerTest::SetUp();
        ASSERT_TRUE(ChampionshipStore::Create(uri(), false, InsertSeedRows));
        ChampionshipStore::Opened opened = ChampionshipStore::Open(uri());
        ASSERT_TRUE(opened.store) << opened.reason.toStdString();
        m_db = std::move(opened.store);
    }

    const Database& db() const { return *m_db; }
    const ServerUri& address() const { return m_db->server()->uri(); }

    // Runs the event loop until `done` holds or the patience runs out.
    static bool waitFor(const std::function<bool()>& done) {
        QDeadlineTimer deadline(kPatienceMilliseconds);
        while (!done() && !deadline.hasExpired()) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        }
        return done();
    }
    static void idle(int milliseconds) {
        QElapsedTimer waited;
        waited.start();
        while (waited.elapsed() < milliseconds) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        }
    }
    void announce(const QString& station) const {
        ASSERT_TRUE(db().exec(QStringLiteral("SELECT pg_notify(?, ?)"),
                              {PgConnection::SavedChannel(), station}));
    }
    void save() const {
        Transaction save(db());
        ASSERT_TRUE(save.begun());
        ASSERT_TRUE(db().exec(QStringLiteral("UPDATE Teams SET Abbreviation = ? WHERE Team = 1"),
                              {QStringLiteral("Here")}));
        ASSERT_TRUE(save.commit());
    }
    static long long backendOf(const Database& station) {
        const Result<std::optional<long long>> pid =
            station.queryInt(QStringLiteral("SELECT pg_backend_pid()"));
        return pid && *pid ? **pid : 0;
    }
    // Drops every other connection to the championship, as a restarted server does.
    void dropOtherConnections() const {
        ASSERT_TRUE(db().exec(
            QStringLiteral("SELECT pg_terminate_backend(pid) FROM pg_stat_activity "
                           "WHERE datname = current_database() AND pid <> pg_backend_pid()")));
    }

private:
    int m_argc = 1;
    char m_name[16] = "orle_core_tests";
    char* m_argv[1] = {m_name};
    QCoreApplication m_app{m_argc, m_argv};
    std::unique_ptr<Database> m_db;
};

// Every committed save is announced with this program's mark; a save undone is not.
TEST_F(OtherStationSavesTest, ACommittedSaveIsAnnouncedAndAnUndoneOneIsNot) {
    PGconn* listener = PQconnectdb(uri().toUtf8().constData());
    ASSERT_EQ(PQstatus(listener), CONNECTION_OK);
    PQclear(PQexec(listener, "LISTEN orle_saved"));
    const auto heard = [listener] {
        PQclear(PQexec(listener, "SELECT 1"));
        QStringList marks;
        while (PGnotify* n = PQnotifies(listener)) {
            marks << QString::fromUtf8(n->extra);
            PQfreemem(n);
        }
        return marks;
    };

    {
        Transaction undone(db());
        ASSERT_TRUE(undone.begun());
        ASSERT_TRUE(
            db().exec(QStringLiteral("UPDATE Teams SET Abbreviation = 'x' WHERE Team = 2")));
    }
    EXPECT_TRUE(heard().isEmpty());
    save();
    EXPECT_EQ(heard(), QStringList{PgConnection::ThisStation()});
    PQfinish(listener);
}

// Saves of other stations close together are followed once; this station's own are not.
TEST_F(OtherStationSavesTest, OtherStationsSavesAreHeardOnceAndOwnSavesNot) {
    int saved = 0;
    OtherStationSaves others(address(), {[&saved] { ++saved; }, {}});
    ASSERT_TRUE(waitFor([&] { return others.reachable(); }));

    save();
    idle(400);
    EXPECT_EQ(saved, 0);

    announce(QStringLiteral("station-2"));
    announce(QStringLiteral("station-3"));
    ASSERT_TRUE(waitFor([&] { return saved > 0; }));
    idle(400);
    EXPECT_EQ(saved, 1);
}

// A server that drops the connections is told as lost, tried again, and followed when back:
// saves made meanwhile may have been missed. This station's next read and save just work.
TEST_F(OtherStationSavesTest, ALostServerIsToldAndFollowedWhenBack) {
    int saved = 0;
    std::vector<bool> reachability;
    OtherStationSaves others(
        address(), {[&saved] { ++saved; }, [&reachability](bool r) { reachability.push_back(r); }});
    ASSERT_TRUE(waitFor([&] { return others.reachable(); }));

    dropOtherConnections();
    ASSERT_TRUE(waitFor([&] { return reachability.size() >= 2; }));
    EXPECT_EQ(reachability, (std::vector<bool>{false, true}));
    EXPECT_TRUE(waitFor([&] { return saved == 1; }));

    ChampionshipStore::Opened station = ChampionshipStore::Open(uri());
    ASSERT_TRUE(station.store);
    const long long before = backendOf(*station.store);
    dropOtherConnections();
    const Result<std::optional<long long>> read =
        station.store->queryInt(QStringLiteral("SELECT COUNT(*) FROM Teams"));
    EXPECT_TRUE(read) << read.status().message().toStdString();
    Transaction again(*station.store);
    EXPECT_TRUE(again.begun()) << again.begun().message().toStdString();
    EXPECT_TRUE(again.commit());
    EXPECT_NE(backendOf(*station.store), before);
}

}  // namespace
