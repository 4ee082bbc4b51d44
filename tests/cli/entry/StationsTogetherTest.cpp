#include "cli/CliRunner.h"
#include "standings/EventCodes.h"
#include "support/ChampionshipBuilder.h"
#include "support/FileOnly.h"
#include "support/PgCluster.h"
#include "support/TempChampionship.h"

#include <gtest/gtest.h>
#include <QProcess>
#include <memory>
#include <vector>

namespace {

using StationsTogetherTest = ServerTest;

const QString kSeed = QStringLiteral("11");

QStringList simulateEvent(const QString& place, int event) {
    return {
        QStringLiteral("simulate"), QStringLiteral("--db"), place, QStringLiteral("--seed"), kSeed,
        QStringLiteral("--events"), QString::number(event)};
}

QString report(const QStringList& words) {
    const CliRun run = RunCli(words);
    EXPECT_EQ(run.exitCode, 0) << words.join(' ').toStdString() << ": " << run.err.toStdString();
    return run.out;
}

// What the staff read off either store once the day is over.
QStringList reports(const QString& place) {
    QStringList all;
    for (int event = 0; event < kEventCount; ++event) {
        all << report({"standings", "--db", place, "--event", QString::number(event)});
    }
    for (const char* variant : {"men", "women"}) {
        all << report({"teams", "--db", place, "--variant", variant});
    }
    all << report({"missing", "--db", place, "--event", "MS"});
    all << QString::number(
        report({"history", "--db", place, "--event", "WE", "--fencer", "5"}).count('\n'));
    return all;
}

// Six stations, one per event, fence the whole day at the same time on one server
// championship: every bout is recorded and the standings are those of the same day entered
// one event after another in a file.
TEST_F(StationsTogetherTest, SixStationsAtOnceEqualOneFileEventAfterEvent) {
    ORLE_ONLY_WITH_A_FILE("a file to compare the server with");
    const TempChampionship file(QStringLiteral("ORLE2026.mdb"));
    const ChampionshipBuilder builder(file);
    for (int event = 0; event < kEventCount; ++event) {
        builder.drawFullEvent(event);
    }
    const CliRun copied = RunCli({"copy", "--from", file.path(), "--to", uri()});
    ASSERT_EQ(copied.exitCode, 0) << copied.err.toStdString();

    std::vector<std::unique_ptr<QProcess>> stations;
    for (int event = 0; event < kEventCount; ++event) {
        auto station = std::make_unique<QProcess>();
        station->start(QStringLiteral(ORLE_CLI_PATH), simulateEvent(uri(), event));
        stations.push_back(std::move(station));
    }
    for (const auto& station : stations) {
        ASSERT_TRUE(station->waitForFinished(60000));
        EXPECT_EQ(station->exitCode(), 0) << station->readAllStandardError().toStdString();
    }
    for (int event = 0; event < kEventCount; ++event) {
        const CliRun run = RunCli(simulateEvent(file.path(), event));
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    }

    const CliRun counted = RunCli({"info", uri()});
    EXPECT_TRUE(counted.out.contains(QLatin1String("Results: 3312"))) << counted.out.toStdString();
    EXPECT_EQ(reports(uri()), reports(file.path()));
}

}  // namespace
