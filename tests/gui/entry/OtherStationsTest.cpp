#include "app/frmMain.h"
#include "db/PgConnection.h"
#include "entry/PoolEntry.h"
#include "entry/frmEnterDual.h"
#include "entry/frmEnterPool.h"
#include "entry/frmFindMissing.h"
#include "gui/entry/EntryWindowFixture.h"
#include "publish/LivePublishing.h"
#include "publish/LiveSiteTrigger.h"
#include "support/PgCluster.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>

namespace {

// How soon a window must show what another station saved.
constexpr int kWithinASecond = 1000;
// How long the main window may take to notice a lost server or its return.
constexpr int kServerNoticed = 5000;

// Two stations on one server championship: this one with its main window and an entry
// window, and another one whose saves reach the server as the program makes them.
class OtherStationsTest : public EntryWindowFixture {
protected:
    OtherStationsTest() : EntryWindowFixture(TempChampionship::Place::Server) {
        main.Form_Load(file.path());
        // The main window listens from a moment after the championship opens.
        EXPECT_TRUE(QTest::qWaitFor(
            [this] {
                return file.count(
                           QStringLiteral("SELECT COUNT(*) FROM pg_stat_activity WHERE datname = "
                                          "current_database() AND query LIKE 'LISTEN%'")) == 1;
            },
            kServerNoticed));
    }

    // Another station saves a pool bout of event 0 and the server announces it.
    void otherStationSaves(int left, int right, int leftTouches, int rightTouches,
                           bool leftWins) const {
        ChampionshipBuilder(file).addBout(0, left, right, leftTouches, rightTouches, leftWins);
        file.exec(QStringLiteral("SELECT pg_notify(?, ?)"),
                  {PgConnection::SavedChannel(), QStringLiteral("station-2")});
    }
    QString storedMark(int row, int column) const {
        const Result<PoolEntry> stored = PoolEntry::Load(file.db(), 0, 0);
        return stored ? stored->loaded.mark(row, column) : QStringLiteral("unreadable");
    }
    Qt::CheckState dataState(frmEnterPool& w) const {
        return w.findChild<QCheckBox*>(QStringLiteral("cbDataToSave"))->checkState();
    }
    // The scorekeeper types two results of the first pool before anything is saved.
    void typeTwoResults(frmEnterPool& w, const QString& first, const QString& second) const {
        box(w, QStringLiteral("lScore1"))->setFocus();
        type(first);
        box(w, QStringLiteral("lScore10"))->setFocus();
        type(second);
    }
    QString status() const { return main.findChild<QLabel*>(QStringLiteral("lStatus"))->text(); }

    // The server stops taking this championship's connections and drops the open ones, as
    // when it goes down; then takes them again.
    void serverGoesAway() const { allowConnections(false); }
    void serverComesBack() const { allowConnections(true); }

    frmMain main{state, prompter};

private:
    void allowConnections(bool allowed) const {
        QString whyNot;
        PgCluster* cluster = PgCluster::Shared(&whyNot);
        ASSERT_TRUE(cluster) << whyNot.toStdString();
        const Result<ServerUri> admin =
            ServerUri::Parse(cluster->uriFor(QStringLiteral("postgres")));
        ASSERT_TRUE(admin);
        QString failure;
        const std::unique_ptr<PgConnection> server = PgConnection::Connect(*admin, &failure);
        ASSERT_TRUE(server) << failure.toStdString();
        const QString database = state.connection().server()->uri().databaseName();
        ASSERT_TRUE(server->exec(
            QStringLiteral("ALTER DATABASE \"%1\" ALLOW_CONNECTIONS %2")
                .arg(database, allowed ? QStringLiteral("true") : QStringLiteral("false"))));
        if (!allowed) {
            ASSERT_TRUE(server->exec(QStringLiteral("SELECT pg_terminate_backend(pid) FROM "
                                                    "pg_stat_activity WHERE datname = ?"),
                                     {database}));
        }
    }
};

// A window with nothing typed shows another station's bout at once, the box the user is in
// keeping the focus; the same bout saved again here is no clash.
TEST_F(OtherStationsTest, AWindowWithNothingTypedShowsAnotherStationsSaveWithinASecond) {
    frmEnterPool w(state, prompter);
    show(w);
    box(w, QStringLiteral("lScore2"))->setFocus();
    otherStationSaves(0, 1, 5, 3, true);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return !box(w, QStringLiteral("lScore1"))->text().isEmpty(); }, kWithinASecond));
    EXPECT_EQ(box(w, QStringLiteral("lScore1"))->text(), storedMark(0, 1));
    EXPECT_EQ(box(w, QStringLiteral("lScore10"))->text(), storedMark(1, 0));
    EXPECT_TRUE(box(w, QStringLiteral("lScore1"))->toolTip().isEmpty());
    EXPECT_EQ(focusName(), QStringLiteral("lScore2"));
    EXPECT_EQ(dataState(w), Qt::Unchecked);
    EXPECT_TRUE(prompter.asked.empty()) << prompter.texts().join('|').toStdString();
}

// Results typed here stay on screen; the bouts another station saved meanwhile are marked,
// the save keeps the stored result and says so, and then shows the bouts it left alone.
TEST_F(OtherStationsTest, TypedResultsStayAndTheBoutSavedElsewhereIsMarkedAndKept) {
    frmEnterPool w(state, prompter);
    show(w);
    typeTwoResults(w, QStringLiteral("2"), QStringLiteral("5"));
    otherStationSaves(0, 1, 5, 3, true);
    otherStationSaves(0, 2, 5, 1, true);
    QLineEdit* marked = box(w, QStringLiteral("lScore1"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !marked->toolTip().isEmpty(); }, kWithinASecond));
    EXPECT_EQ(marked->text(), QStringLiteral("2"));
    EXPECT_TRUE(marked->toolTip().contains(storedMark(0, 1))) << marked->toolTip().toStdString();
    EXPECT_EQ(dataState(w), Qt::PartiallyChecked);

    press(Qt::Key_F5);
    ASSERT_FALSE(prompter.asked.empty());
    EXPECT_TRUE(prompter.asked.back().text.contains(QStringLiteral("typed")))
        << prompter.asked.back().text.toStdString();
    EXPECT_EQ(marked->text(), storedMark(0, 1));
    EXPECT_TRUE(marked->toolTip().isEmpty());
    EXPECT_EQ(box(w, QStringLiteral("lScore2"))->text(), storedMark(0, 2));
    EXPECT_EQ(box(w, QStringLiteral("lScore20"))->text(), storedMark(2, 0));
    EXPECT_EQ(dataState(w), Qt::Unchecked);
}

// A server that goes away keeps what was typed, says so in the save's message and in the
// main window, and takes the save once it is back: nothing is half-written.
TEST_F(OtherStationsTest, ALostServerKeepsWhatWasTypedAndTakesTheSaveWhenBack) {
    frmEnterPool w(state, prompter);
    show(w);
    typeTwoResults(w, QStringLiteral("5"), QStringLiteral("3"));

    serverGoesAway();
    press(Qt::Key_F5);
    ASSERT_FALSE(prompter.asked.empty());
    EXPECT_TRUE(prompter.asked.back().text.contains(QStringLiteral("cannot be reached")))
        << prompter.asked.back().text.toStdString();
    EXPECT_EQ(box(w, QStringLiteral("lScore1"))->text(), QStringLiteral("5"));
    EXPECT_EQ(box(w, QStringLiteral("lScore10"))->text(), QStringLiteral("3"));
    EXPECT_EQ(dataState(w), Qt::PartiallyChecked);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return status().contains(QStringLiteral("cannot be reached")); }, kServerNoticed))
        << status().toStdString();

    serverComesBack();
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return !status().contains(QStringLiteral("cannot be reached")); }, kServerNoticed));
    const size_t told = prompter.asked.size();
    press(Qt::Key_F5);
    EXPECT_EQ(prompter.asked.size(), told) << prompter.texts().join('|').toStdString();
    EXPECT_EQ(dataState(w), Qt::Unchecked);
    const std::unique_ptr<Database> back = file.openAnother();
    const Result<std::optional<long long>> saved =
        back->queryInt(QStringLiteral("SELECT COUNT(*) FROM Results"));
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->value_or(0), 2);
}

// The station that publishes the live results rewrites them after another station's save.
TEST_F(OtherStationsTest, ThePublishingStationRewritesTheLiveSiteAfterAnotherStationsSave) {
    const QTemporaryDir site;
    ASSERT_TRUE(LivePublishing::Remember(file.db(), site.path()));
    const QString json = site.filePath(QStringLiteral("results.json"));
    ASSERT_FALSE(QFile::exists(json));
    otherStationSaves(0, 1, 5, 3, true);
    EXPECT_TRUE(QTest::qWaitFor([&] { return QFile::exists(json); },
                                kWithinASecond + LiveSiteTrigger::kDelayMs));
}

// A window that only shows results, such as the finder, follows every save of another station.
TEST_F(OtherStationsTest, TheFinderShowsTheStripAnotherStationBeganAsPartlyReported) {
    frmFindMissing finder(state, prompter);
    finder.Form_Load();
    showAndActivate(finder);
    auto* firstPool = finder.findChild<QCheckBox*>(QStringLiteral("cbReported0"));
    ASSERT_NE(firstPool, nullptr);
    ASSERT_EQ(firstPool->checkState(), Qt::Unchecked);
    otherStationSaves(0, 1, 5, 3, true);
    EXPECT_TRUE(QTest::qWaitFor([&] { return firstPool->checkState() == Qt::PartiallyChecked; },
                                kWithinASecond));
}

}  // namespace
