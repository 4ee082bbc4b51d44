#include "roster/CompleteRostersReport.h"
#include "support/ChampionshipBuilder.h"
#include "support/TempChampionship.h"

#include <gtest/gtest.h>

namespace {

TEST(CompleteRostersReportTest, EverySchoolOnceWithItsEntriesOverAllEvents) {
    TempChampionship file;
    ChampionshipBuilder build(file);
    const auto add = [&](int weapon, int number, int team, const char* first, const char* last) {
        ChampionshipBuilder::Fencer f;
        f.weapon = weapon;
        f.number = number;
        f.team = team;
        f.first = QString::fromUtf8(first);
        f.last = QString::fromUtf8(last);
        build.addFencer(f);
    };
    add(0, 0, 4, "Zed", "Young");
    add(5, 3, 4, "Ann", "Able");
    add(2, 7, 4, "Ann", "Young");
    add(1, 1, 2, "Ëve", "O'Neil");

    BandedReport report;
    ASSERT_TRUE(BuildCompleteRosters(file.db(), QStringLiteral("2004"), report).ok());
    EXPECT_EQ(report.jobName(), QStringLiteral("List of Competitors"));
    const QList<ReportRecord>& schools = report.records();
    ASSERT_EQ(schools.size(), 2);
    const QString school2 = file.text("SELECT FullTeamName FROM Teams WHERE Team = 2");
    const QString school4 = file.text("SELECT FullTeamName FROM Teams WHERE Team = 4");
    const ReportRecord& four =
        schools[0].value("FullTeamName") == school4 ? schools[0] : schools[1];
    const ReportRecord& two = schools[0].value("FullTeamName") == school2 ? schools[0] : schools[1];
    EXPECT_LT(schools[0].value("FullTeamName"), schools[1].value("FullTeamName"));
    EXPECT_EQ(four.value("NumberEntries"), QStringLiteral("3"));
    ASSERT_EQ(four.children.size(), 3);
    EXPECT_EQ(four.children[0].value("FencerName"), QStringLiteral("Ann Able"));
    EXPECT_EQ(four.children[1].value("FencerName"), QStringLiteral("Ann Young"));
    EXPECT_EQ(four.children[2].value("FencerName"), QStringLiteral("Zed Young"));
    EXPECT_EQ(two.children.front().value("FencerName"), QStringLiteral("Ëve O'Neil"));

    bool yearShown = false;
    for (const ReportElement& e : report.pageHeader().elements) {
        yearShown |= e.name == QStringLiteral("lTournamentYear") &&
                     e.text == QStringLiteral("2004 ORLE Championships");
    }
    EXPECT_TRUE(yearShown);
}

}  // namespace
