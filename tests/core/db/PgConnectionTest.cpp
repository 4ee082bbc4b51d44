#include "db/PgConnection.h"
#include "support/PgCluster.h"

#include <gtest/gtest.h>
#include <QTemporaryDir>

namespace {

class PgConnectionTest : public ServerTest {
protected:
    void SetUp() override {
        ServerTest::SetUp();
        if (IsSkipped() || HasFatalFailure()) {
            return;
        }
        const Result<ServerUri> parsed = ServerUri::Parse(uri());
        ASSERT_TRUE(parsed.ok());
        QString error;
        connection = PgConnection::Connect(*parsed, &error);
        ASSERT_TRUE(connection) << error.toStdString();
        ASSERT_TRUE(connection->execScript(QStringLiteral(
            "CREATE EXTENSION citext; CREATE TABLE \"Team\" (\"Code\" integer PRIMARY KEY "
            "CHECK (\"Code\" BETWEEN 0 AND 255), \"Name\" citext, \"Share\" double precision)")));
    }

    std::unique_ptr<PgConnection> connection;
};

TEST_F(PgConnectionTest, BindsEveryKindOfValueAndReadsItBack) {
    const QString insert = QStringLiteral("INSERT INTO \"Team\" VALUES (?, ?, ?)");
    ASSERT_TRUE(connection->exec(insert, {7, QStringLiteral("Yale; DROP TABLE x"), 2.0 / 3.0}));
    ASSERT_TRUE(connection->exec(insert, {8, QString(""), nullptr}));
    const Result<SqlRows> rows =
        connection->rows(QStringLiteral("SELECT Code, Name, Share FROM \"Team\" ORDER BY Code"));
    ASSERT_TRUE(rows.ok()) << rows.status().message().toStdString();
    ASSERT_EQ(rows->size(), 2u);
    EXPECT_TRUE((*rows)[0] == (SqlRow{7, QStringLiteral("Yale; DROP TABLE x"), 2.0 / 3.0}));
    EXPECT_TRUE((*rows)[1] == (SqlRow{8, QString(""), SqlValue()}));
    // Text compares without regard to case, as in a file.
    const Result<std::optional<long long>> found =
        connection->queryInt(QStringLiteral("SELECT Code FROM \"Team\" WHERE Name = ?"),
                             {QStringLiteral("YALE; drop table X")});
    ASSERT_TRUE(found.ok());
    EXPECT_EQ(found->value_or(-1), 7);
}

TEST_F(PgConnectionTest, TellsNoRowsFromAFailedRead) {
    PgRows none = connection->query(QStringLiteral("SELECT Code FROM \"Team\""));
    EXPECT_FALSE(none.next());
    EXPECT_TRUE(none.ok());

    PgRows failed = connection->query(QStringLiteral("SELECT Code FROM NoSuchTable"));
    EXPECT_FALSE(failed.next());
    EXPECT_FALSE(failed.ok());
    EXPECT_EQ(failed.status().message(),
              QStringLiteral("Could not read the championship on the server %1: the "
                             "championship on the server has no table nosuchtable, which this "
                             "program needs.")
                  .arg(uri()));
    EXPECT_FALSE(connection->rows(QStringLiteral("SELECT nonsense FROM \"Team\"")).ok());
}

TEST_F(PgConnectionTest, WordsBrokenRulesAsTheFileDoes) {
    const QString insert = QStringLiteral("INSERT INTO \"Team\" (Code) VALUES (?)");
    ASSERT_TRUE(connection->exec(insert, {1}));
    EXPECT_EQ(connection->exec(insert, {1}).message(),
              QStringLiteral("Could not save to the championship on the server %1: an entry "
                             "with the same number is already there.")
                  .arg(uri()));
    EXPECT_TRUE(connection->exec(insert, {256})
                    .message()
                    .endsWith(QLatin1String("a value is outside what the championship accepts.")));
}

TEST_F(PgConnectionTest, ATransactionIsWholeOrAbsent) {
    const QString insert = QStringLiteral("INSERT INTO \"Team\" (Code) VALUES (?)");
    {
        PgTransaction save(*connection);
        ASSERT_TRUE(save.begun());
        ASSERT_TRUE(connection->exec(insert, {1}));
    }
    {
        // A statement that failed takes the whole save with it, commit or not.
        PgTransaction save(*connection);
        ASSERT_TRUE(connection->exec(insert, {2}));
        EXPECT_FALSE(connection->exec(insert, {300}));
        const Status committed = save.commit();
        EXPECT_FALSE(committed);
    }
    {
        PgTransaction save(*connection);
        ASSERT_TRUE(connection->exec(insert, {3}));
        ASSERT_TRUE(save.commit());
    }
    const Result<SqlRows> rows = connection->rows(QStringLiteral("SELECT Code FROM \"Team\""));
    ASSERT_TRUE(rows.ok());
    EXPECT_TRUE(*rows == SqlRows{SqlRow{SqlValue(3)}});
}

TEST_F(PgConnectionTest, AFailedConnectionSaysWhatWhereAndWhy) {
    QString error;
    const QString missing = cluster().uriFor(QStringLiteral("nope2026"));
    EXPECT_EQ(PgConnection::Connect(*ServerUri::Parse(missing), &error), nullptr);
    EXPECT_EQ(error, QStringLiteral("Could not connect to the championship server %1: the "
                                    "server has no database nope2026; create it first "
                                    "(createdb nope2026).")
                         .arg(missing));

    QTemporaryDir noServer;
    const QString nowhere = QStringLiteral("postgresql:///orle2026?host=%1").arg(noServer.path());
    EXPECT_EQ(PgConnection::Connect(*ServerUri::Parse(nowhere), &error), nullptr);
    EXPECT_TRUE(error.startsWith(
        QStringLiteral("Could not connect to the championship server %1: no server is running "
                       "there")
            .arg(nowhere)))
        << error.toStdString();
}

}  // namespace
