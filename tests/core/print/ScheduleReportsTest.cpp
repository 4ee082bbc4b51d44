#include "print/ScheduleChoices.h"
#include "print/ScheduleReports.h"
#include "support/ChampionshipBuilder.h"
#include "support/ReadValue.h"
#include "support/TempChampionship.h"

#include <gtest/gtest.h>

namespace {

using ScheduleReports::kAll;

class ScheduleReportsTest : public ::testing::Test {
protected:
    ScheduleReportsTest() {
        ChampionshipBuilder(file).drawFullEvent(0);
        ChampionshipBuilder(file).drawFullEvent(2);
    }
    static QStringList values(const QList<ReportRecord>& records, const QString& column) {
        QStringList out;
        for (const ReportRecord& r : records) {
            out << r.value(column);
        }
        return out;
    }

    TempChampionship file;
    BandedReport report;
};

}  // namespace

TEST_F(ScheduleReportsTest, CompetitorScheduleGivesGroupMatesAndEachRoundsStripAndOpponents) {
    ASSERT_TRUE(ScheduleReports::CompetitorSchedules(file.db(), {0}, kAll, kAll,
                                                     QStringLiteral("2004"), report));
    EXPECT_EQ(report.name(), QStringLiteral("Competitor Schedules"));
    const auto& fencers = report.records();
    ASSERT_EQ(fencers.size(), 24);
    // School full names in order: "Bard College" (team 1) comes first.
    EXPECT_EQ(fencers[0].value(QStringLiteral("TeamWeapon")),
              QStringLiteral("Bard College - Men's Saber"));
    const QStringList schools = values(fencers, QStringLiteral("TeamWeapon"));
    QStringList sorted = schools;
    sorted.sort(Qt::CaseInsensitive);
    EXPECT_EQ(schools, sorted);

    const ReportRecord& bard = fencers[0];  // fencer 1, group A, place 1
    EXPECT_EQ(bard.value(QStringLiteral("FencerName")), QStringLiteral("First1 Last1"));
    EXPECT_EQ(bard.value(QStringLiteral("GroupMate1Name")), QStringLiteral("First0 Last0"));
    EXPECT_EQ(bard.value(QStringLiteral("GroupMate2Name")), QStringLiteral("First2 Last2"));
    EXPECT_EQ(bard.value(QStringLiteral("GroupMate1Team")), QStringLiteral("USAF"));
    ASSERT_EQ(bard.children.size(), 7);
    EXPECT_EQ(bard.children[0].value(QStringLiteral("RoundStrip")),
              QStringLiteral("Round #1, Strip #1"));
    EXPECT_EQ(bard.children[6].value(QStringLiteral("RoundStrip")).left(9),
              QStringLiteral("Round #7,"));
    // The pool: group-mates first, then group B by place.
    EXPECT_EQ(values(bard.children[0].children, QStringLiteral("OpponentName")),
              (QStringList{"First0 Last0", "First2 Last2", "First3 Last3", "First4 Last4",
                           "First5 Last5"}));
    for (int round = 1; round < 7; ++round) {
        EXPECT_EQ(bard.children[round].children.size(), 3) << round;
    }

    EXPECT_TRUE(report.setLabel(QStringLiteral("lTournamentYear"),
                                QStringLiteral("2004 ORLE Championships")));
}

TEST_F(ScheduleReportsTest, CompetitorChoiceNarrowsToASchoolOrOneFencerWhateverEventsAreChecked) {
    ASSERT_TRUE(ScheduleReports::CompetitorSchedules(file.db(), {0, 2}, 5, kAll,
                                                     QStringLiteral("2004"), report));
    EXPECT_EQ(
        values(report.records(), QStringLiteral("TeamWeapon")),
        (QStringList{"City College of N.Y. - Men's Saber", "City College of N.Y. - Men's Epée"}));

    ASSERT_TRUE(ScheduleReports::CompetitorSchedules(file.db(), {0}, 5, 207, QStringLiteral("2004"),
                                                     report));
    ASSERT_EQ(report.records().size(), 1);
    EXPECT_EQ(report.records()[0].value(QStringLiteral("Weapon")), QStringLiteral("2"));
    EXPECT_EQ(report.records()[0].value(QStringLiteral("FencerNumber")), QStringLiteral("7"));
    EXPECT_EQ(report.records()[0].children.size(), 7);
}

TEST_F(ScheduleReportsTest, FencersWithoutAFullGroupGetNoCompetitorSchedule) {
    file.exec(QStringLiteral(
        "UPDATE Roster SET \"Group\"=99 WHERE Weapon=0 AND FencerNumber IN (0, 1, 2, 3)"));
    ASSERT_TRUE(ScheduleReports::CompetitorSchedules(file.db(), {0}, kAll, kAll,
                                                     QStringLiteral("2004"), report));
    // Group A is gone and group B has two fencers left; the undrawn travel with nobody.
    EXPECT_EQ(report.records().size(), 18);
}

TEST_F(ScheduleReportsTest, TeamScheduleListsEachSchoolsEventsAndWhereItsFencersAreEachRound) {
    file.exec(QStringLiteral("UPDATE Roster SET \"Group\"=99 WHERE Weapon=2 AND FencerNumber=1"));
    ASSERT_TRUE(
        ScheduleReports::TeamSchedules(file.db(), {0, 2}, kAll, QStringLiteral("2004"), report));
    EXPECT_EQ(report.name(), QStringLiteral("Team Schedules"));
    ASSERT_EQ(report.records().size(), 24);
    const ReportRecord& bard = report.records()[0];
    EXPECT_EQ(bard.value(QStringLiteral("FullTeamName")), QStringLiteral("Bard College"));
    EXPECT_EQ(values(bard.children, QStringLiteral("WeaponName")),
              (QStringList{"Men's Saber", "Men's Epée"}));
    const ReportRecord& fencer = bard.children[0].children.at(0);
    EXPECT_EQ(fencer.value(QStringLiteral("FencerName")), QStringLiteral("First1 Last1"));
    EXPECT_EQ(fencer.value(QStringLiteral("Round #1")), QStringLiteral("Strip 1"));
    EXPECT_FALSE(fencer.value(QStringLiteral("Round #7")).isEmpty());
    // A fencer not yet drawn is listed, with no strips.
    const ReportRecord& undrawn = bard.children[1].children.at(0);
    EXPECT_EQ(undrawn.value(QStringLiteral("FencerName")), QStringLiteral("First1 Last1"));
    EXPECT_TRUE(undrawn.value(QStringLiteral("Round #1")).isEmpty());

    ASSERT_TRUE(ScheduleReports::TeamSchedules(file.db(), {2}, 3, QStringLiteral("2004"), report));
    EXPECT_EQ(values(report.records(), QStringLiteral("FullTeamName")),
              QStringList{"Brandeis University"});
    EXPECT_EQ(report.records()[0].children.size(), 1);
}

TEST_F(ScheduleReportsTest, ChoiceListsStartWithAllAndIdentifyFencersByEventAndNumber) {
    const auto schools = Value(ScheduleChoices::Schools(file.db(), {0}));
    ASSERT_EQ(schools.size(), 25);
    EXPECT_EQ(schools[0].text, QStringLiteral("ALL TEAMS..."));
    EXPECT_EQ(schools[0].id, kAll);
    EXPECT_EQ(schools[1].text, QStringLiteral("Air Force"));
    EXPECT_EQ(schools[1].id, 0);

    const auto fencers = Value(ScheduleChoices::Fencers(file.db(), {0, 2}, 4));
    ASSERT_EQ(fencers.size(), 3);
    EXPECT_EQ(fencers[0].text, QStringLiteral("ALL FENCERS..."));
    EXPECT_EQ(fencers[0].id, kAll);
    EXPECT_EQ(fencers[1].text, QStringLiteral("Last4, First4"));
    EXPECT_EQ(fencers[1].id, 4);
    EXPECT_EQ(fencers[2].id, 204);
}
