#include "db/ChampionshipCopy.h"
#include "db/ChangeLog.h"
#include "db/ChangeLogSchema.h"
#include "db/SeedData.h"
#include "db/ServerChampionship.h"
#include "db/Transaction.h"
#include "support/ChampionshipBuilder.h"
#include "support/FileOnly.h"
#include "support/PgCluster.h"
#include "support/StoreRows.h"
#include "support/TempChampionship.h"

#include <gtest/gtest.h>
#include <QDateTime>
#include <QRegularExpression>
#include <QTimeZone>
#include <cstdlib>

namespace {

constexpr int kEvent = 0;
constexpr int kTimeSlackSeconds = 60;
const char* const kTimeFormat = "yyyy-MM-dd HH:mm:ss";

// How the log is told to record a save: its bouts as `boutsAs` (MarkBoutsAs), or the whole
// save as one change (RecordInstead).
struct Recorded {
    QString boutsAs;
    QString instead;
};

// Every column of the log but its row number, its time and its save number, which no two
// stores share.
const QString& loggedRows() {
    static const QString sql = QStringLiteral(
        "SELECT Who, Place, What, Weapon, Round, Strip, Fencer, Opponent, Bout, Team, StripSet, "
        "Subject, Before, After, BeforeValue, AfterValue FROM ChangeLog ORDER BY Id");
    return sql;
}

QString bout(int a, int aVictory, int aTouches, int b, int bVictory, int bTouches) {
    return QStringLiteral("INSERT INTO Results VALUES (0, %1, %2, %3, %4), (0, %2, %1, %5, %6)")
        .arg(a)
        .arg(b)
        .arg(aVictory)
        .arg(aTouches)
        .arg(bVictory)
        .arg(bTouches);
}

QString deleteBout(int a, int b) {
    return QStringLiteral(
               "DELETE FROM Results WHERE Weapon = 0 AND FencerNumber IN (%1, %2) AND Opponent IN "
               "(%1, %2)")
        .arg(a)
        .arg(b);
}

// A championship file and the same championship on the server, given the same saves.
class ServerChangeLogTest : public ServerTest {
protected:
    void SetUp() override {
        ServerTest::SetUp();
        if (IsSkipped() || HasFatalFailure()) {
            return;
        }
        ChampionshipBuilder(file).drawFullEvent(kEvent);
        QString error;
        server = PgConnection::Connect(*ServerUri::Parse(uri()), &error);
        ASSERT_TRUE(server) << error.toStdString();
        // Far from universal time, so that a time written in the server's zone shows.
        ASSERT_TRUE(server->execScript(QStringLiteral("SET TimeZone = 'Pacific/Kiritimati'")));
        const Status created =
            ServerChampionship::Create(*server, false, [&](const SqlStore& into) {
                return ChampionshipCopy::CopyRows(file.db(), into).status();
            });
        ASSERT_TRUE(created) << created.message().toStdString();
    }

    void saveOnBoth(const QStringList& save, const Recorded& recorded = {}) const {
        {
            Transaction transaction(file.db());
            ASSERT_TRUE(transaction.begun()) << transaction.begun().message().toStdString();
            runSave(file.db(), save, recorded);
            ASSERT_TRUE(transaction.commit());
        }
        // As a save of the program runs on the server.
        PgTransaction transaction(*server);
        ASSERT_TRUE(transaction.begun());
        const Result<bool> told =
            ChangeLog::BeginSave(*server, file.db().changeWho(), file.db().changePlace());
        ASSERT_TRUE(told.ok()) << told.status().message().toStdString();
        runSave(*server, save, recorded);
        ASSERT_TRUE(ChangeLog::EndSave(*server));
        ASSERT_TRUE(transaction.commit());
    }

    static void runSave(const SqlStore& store, const QStringList& save, const Recorded& recorded) {
        if (!recorded.boutsAs.isEmpty()) {
            ASSERT_TRUE(ChangeLog::MarkBoutsAs(store, recorded.boutsAs));
        }
        if (!recorded.instead.isEmpty()) {
            const Status instead = ChangeLog::RecordInstead(
                store, recorded.instead, QStringLiteral("%1 of event 0").arg(recorded.instead),
                kEvent);
            ASSERT_TRUE(instead) << instead.message().toStdString();
        }
        for (const QString& sql : save) {
            const Status ran = store.exec(sql);
            ASSERT_TRUE(ran) << sql.toStdString() << ": " << ran.message().toStdString();
        }
    }

    // As psql or an older build writes: no save of this program, no name.
    void writeUnnamedOnBoth(const QString& sql) const {
        ASSERT_TRUE(file.openAnother()->exec(sql));
        const Status ran = server->exec(sql);
        ASSERT_TRUE(ran) << ran.message().toStdString();
    }

    template <typename Store>
    static std::vector<ChangeLog::Change> history(const Store& store) {
        const Result<std::vector<ChangeLog::Change>> read = ChangeLog::Read(store);
        EXPECT_TRUE(read.ok()) << read.status().message().toStdString();
        return read.ok() ? *read : std::vector<ChangeLog::Change>();
    }

    TempChampionship file;
    std::unique_ptr<PgConnection> server;
};

TEST_F(ServerChangeLogTest, TheSameSavesLeaveTheSameLogInAFileAndOnTheServer) {
    ORLE_ONLY_WITH_A_FILE("a file to compare the server with");
    saveOnBoth({bout(1, 0, 3, 4, -1, 5)});
    saveOnBoth({QStringLiteral(
        "UPDATE Results SET Touches = 4 WHERE Weapon = 0 AND FencerNumber = 1 AND Opponent = 4")});
    // Deleting and writing a bout again is one change; a save that ends where it began, none.
    saveOnBoth({deleteBout(1, 4), bout(1, -1, 5, 4, 0, 2)});
    saveOnBoth({deleteBout(1, 4), bout(4, 0, 2, 1, -1, 5)});
    saveOnBoth({bout(0, -1, 4, 1, 0, 4)}, {QStringLiteral("revert"), QString()});
    saveOnBoth(
        {QStringLiteral("INSERT INTO FinalFour VALUES (0, 0, 5, 7, 99, '')"),
         QStringLiteral("UPDATE FinalFour SET Winner = 7, Score = '15-12' WHERE Weapon = 0")});
    saveOnBoth({QStringLiteral("UPDATE Roster SET LName = 'Moreau', Injury = -1 WHERE Weapon = 0 "
                               "AND FencerNumber = 2"),
                QStringLiteral("UPDATE Roster SET \"Group\" = 1, Subgroup = 0 WHERE Weapon = 0 "
                               "AND FencerNumber = 2"),
                QStringLiteral("UPDATE Roster SET Advanced = -1 WHERE Weapon = 0 AND "
                               "FencerNumber = 5")});
    saveOnBoth({QStringLiteral("UPDATE Teams SET Abbreviation = 'NEW' WHERE Team = 3"),
                QStringLiteral("UPDATE StripNumbers SET StripName = 'Gym' WHERE Weapon = 0 AND "
                               "StripSet = 1")});
    saveOnBoth({QStringLiteral("UPDATE Roster SET FName = 'Ana' WHERE Weapon = 0")},
               {QString(), QStringLiteral("import")});
    writeUnnamedOnBoth(
        QStringLiteral("UPDATE Results SET Touches = 3 WHERE Weapon = 0 AND FencerNumber = 4 "
                       "AND Opponent = 1"));
    // A bout written and then deleted by single statements: each row sees its twin as the
    // file's triggers do.
    writeUnnamedOnBoth(bout(3, -1, 5, 5, 0, 1));
    writeUnnamedOnBoth(deleteBout(3, 5));

    const SqlRows fromFile = *file.db().rows(loggedRows());
    const Result<SqlRows> fromServer = server->rows(loggedRows());
    ASSERT_TRUE(fromServer.ok()) << fromServer.status().message().toStdString();
    EXPECT_EQ(fromFile.size(), 14U) << RowsText(fromFile).toStdString();
    EXPECT_TRUE(fromFile == *fromServer) << "file:\n"
                                         << RowsText(fromFile).toStdString() << "\nserver:\n"
                                         << RowsText(*fromServer).toStdString();

    // The history reads the same from both, its times in this station's time.
    const std::vector<ChangeLog::Change> fileHistory = history(file.db());
    const std::vector<ChangeLog::Change> serverHistory = history(*server);
    ASSERT_EQ(fileHistory.size(), serverHistory.size());
    for (size_t i = 0; i < fileHistory.size(); ++i) {
        EXPECT_EQ(serverHistory[i].after, fileHistory[i].after);
        EXPECT_EQ(serverHistory[i].round, fileHistory[i].round);
        const QDateTime when =
            QDateTime::fromString(serverHistory[i].when, QLatin1String(kTimeFormat));
        EXPECT_LE(std::abs(when.secsTo(QDateTime::currentDateTime())), kTimeSlackSeconds)
            << serverHistory[i].when.toStdString();
    }
    const Result<std::optional<ChangeLog::Change>> found =
        ChangeLog::Find(*server, serverHistory.back().id);
    ASSERT_TRUE(found.ok() && *found);
    EXPECT_EQ((*found)->after, QStringLiteral("3-5"));
}

TEST_F(ServerChangeLogTest, TheServerWritesTimesInUniversalTimeAsTheFileDoes) {
    saveOnBoth({bout(1, 0, 3, 4, -1, 5)});
    const Result<SqlRows> at = server->rows(QStringLiteral("SELECT At FROM ChangeLog"));
    ASSERT_TRUE(at.ok() && at->size() == 1U);
    const QString text = std::get<QString>(at->front().front().value());
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d$"))
                    .match(text)
                    .hasMatch())
        << text.toStdString();
    QDateTime when = QDateTime::fromString(text, QLatin1String(kTimeFormat));
    when.setTimeZone(QTimeZone::utc());
    EXPECT_LE(std::abs(when.secsTo(QDateTime::currentDateTimeUtc())), kTimeSlackSeconds)
        << text.toStdString();
}

// The log comes whole with the championship, so that no station adds triggers while another
// saves; the rows it was made with are its start, not changes.
class ServerChangeLogCreateTest : public ServerTest {};

TEST_F(ServerChangeLogCreateTest, AChampionshipIsMadeWithItsWholeLogAndNoChanges) {
    QString error;
    const std::unique_ptr<PgConnection> server =
        PgConnection::Connect(*ServerUri::Parse(uri()), &error);
    ASSERT_TRUE(server) << error.toStdString();
    ASSERT_TRUE(ServerChampionship::Create(*server, false, InsertSeedRows));
    const auto count = [&](const QString& sql) {
        const Result<std::optional<long long>> n = server->queryInt(sql);
        EXPECT_TRUE(n.ok()) << n.status().message().toStdString();
        return n.ok() ? n->value_or(-1) : -1;
    };
    EXPECT_EQ(count(ChangeLogSchema::CountObjectsSql(StoreKind::Server)),
              ChangeLogSchema::ObjectCount());
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM ChangeLog")), 0);

    ASSERT_TRUE(server->exec(QStringLiteral("UPDATE Teams SET Abbreviation = 'X' WHERE Team = 3")));
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM ChangeLog")), 1);
    // A championship made again in its place starts a history of its own.
    ASSERT_TRUE(ServerChampionship::Create(*server, true, InsertSeedRows));
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM ChangeLog")), 0);
    EXPECT_EQ(count(ChangeLogSchema::CountObjectsSql(StoreKind::Server)),
              ChangeLogSchema::ObjectCount());
}

}  // namespace
