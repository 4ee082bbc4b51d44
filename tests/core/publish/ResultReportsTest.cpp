#include "publish/FullResultsReport.h"
#include "publish/IndividualResultsReport.h"
#include "publish/TeamResultsReport.h"
#include "standings/FillTeamScratchpad.h"
#include "standings/PrepareEventReport.h"
#include "standings/RankScratchpad.h"
#include "support/ChampionshipBuilder.h"
#include "support/FullEventResults.h"
#include "support/TempChampionship.h"

#include <gtest/gtest.h>

namespace {

const ReportElement* element(const BandedReport& report, const QString& name) {
    for (const ReportSection* section :
         {&report.reportHeader(), &report.pageHeader(), &report.pageFooter(), &report.detail()}) {
        for (const ReportElement& e : section->elements) {
            if (e.name == name) {
                return &e;
            }
        }
    }
    return nullptr;
}

QString caption(const BandedReport& report, const QString& name) {
    const ReportElement* e = element(report, name);
    EXPECT_NE(e, nullptr) << name.toStdString();
    return e ? e->text : QString();
}

bool shown(const BandedReport& report, const QString& name) {
    const ReportElement* e = element(report, name);
    return e && e->visible;
}

// Men's saber fully fenced: the lower fencer number always wins, so fencers 0..3 lead.
class ResultReportsTest : public ::testing::Test {
protected:
    ResultReportsTest() {
        ChampionshipBuilder(file).drawFullEvent(0);
        FullEventResults(file).fenceAllRounds(0);
    }

    void seedFinalFour() {
        file.exec(QStringLiteral(
            "UPDATE Roster SET Advanced = -1 WHERE Weapon = 0 AND FencerNumber < 4"));
        file.exec(
            QStringLiteral("INSERT INTO FinalFour VALUES (0, 0, 0, 3, 0, '5-1'), "
                           "(0, 1, 2, 1, 1, '5-4')"));
    }
    void fenceMedals() {
        file.exec(
            QStringLiteral("INSERT INTO FinalFour VALUES (0, 10, 0, 1, 1, '5-2'), "
                           "(0, 11, 3, 2, 3, '5-0')"));
    }

    BandedReport individual() {
        EXPECT_TRUE(RankScratchpad(file.db()).ok());
        PlaceOf placeOf{};
        EventReport prepared;
        EXPECT_TRUE(PrepareEventReport(file.db(), 0, placeOf, prepared).ok());
        BandedReport report;
        const Status built = IndividualResultsReport::Build(
            file.db(), QStringLiteral("2005"), 0, QStringLiteral("Men's Saber"), prepared, report);
        EXPECT_TRUE(built.ok()) << built.message().toStdString();
        return report;
    }

    TempChampionship file;
};

TEST_F(ResultReportsTest, AnEventWithoutFinalFourListsFromFirstPlaceUnderTheHeadings) {
    const BandedReport report = individual();
    EXPECT_EQ(report.jobName(), "ORLE Results - Men's Saber");
    EXPECT_EQ(caption(report, "lTournamentYear"), "2005 ORLE Championships");
    EXPECT_EQ(caption(report, "lRoundComplete"), "Final Pool Standings");
    EXPECT_TRUE(shown(report, "lWeapon"));
    for (const char* hidden : {"lSeed1", "lGoldWinner", "lBronzeScore", "lName1", "lPlace4"}) {
        EXPECT_FALSE(shown(report, QLatin1String(hidden))) << hidden;
    }
    EXPECT_TRUE(shown(report, "lNameHdr"));
    ASSERT_EQ(report.records().size(), 24);
    EXPECT_EQ(report.records().first().value("Place"), "1");
    EXPECT_EQ(report.records().first().value("Name"), "First0 Last0");
    EXPECT_EQ(report.records().last().value("PctV"), "0.000");
}

TEST_F(ResultReportsTest, ASeededFinalFourPrintsItsBracketAndListsFromFifth) {
    seedFinalFour();
    BandedReport report = individual();
    EXPECT_EQ(caption(report, "lRoundComplete"), "Final Four In Progress");
    EXPECT_EQ(caption(report, "lSeed1"), "First0 Last0");
    EXPECT_EQ(caption(report, "lSeed4"), "First3 Last3");
    EXPECT_EQ(caption(report, "lSemiWinner2"), "Last1");
    EXPECT_EQ(caption(report, "lSemiLoser2"), "Last2");
    EXPECT_EQ(caption(report, "lSemiScore2"), "5-4");
    // No medal is decided yet: the medal labels and the four rows stay empty.
    EXPECT_TRUE(caption(report, "lGoldWinner").isEmpty());
    EXPECT_TRUE(caption(report, "lName1").isEmpty());
    EXPECT_TRUE(shown(report, "lSeed1") && shown(report, "lName1"));
    ASSERT_EQ(report.records().size(), 20);
    EXPECT_EQ(report.records().first().value("Place"), "5");
    EXPECT_EQ(report.records().first().value("Name"), "First4 Last4");

    fenceMedals();
    file.exec(QStringLiteral(
        "UPDATE Roster SET ExcludedButCount = -1 WHERE Weapon = 0 AND FencerNumber = 3"));
    report = individual();
    EXPECT_EQ(caption(report, "lRoundComplete"), "Final Standings");
    EXPECT_EQ(caption(report, "lGoldWinner"), "First1 Last1");
    EXPECT_EQ(caption(report, "lGoldScore"), "5-2");
    EXPECT_EQ(caption(report, "lName1"), "First1 Last1");
    EXPECT_EQ(caption(report, "lV1"), "22");
    EXPECT_EQ(caption(report, "lPct1"), "0.957");
    EXPECT_EQ(caption(report, "lInd2").left(1), "+");
    EXPECT_EQ(caption(report, "lName3"), "FENCER EXCLUDED");
    EXPECT_TRUE(caption(report, "lSchool3").isEmpty());
}

TEST_F(ResultReportsTest, SchoolsWithEqualPointsShareAPlace) {
    file.exec(QStringLiteral("UPDATE Roster SET Team = 1 WHERE Weapon = 0 AND FencerNumber = 4"));
    ASSERT_TRUE(FillTeamScratchpad(file.db(), TeamVariant::Men).ok());
    file.exec(QStringLiteral("UPDATE TeamScratchpad SET Points = 10 WHERE Points IN (18, 19)"));
    BandedReport report;
    ASSERT_TRUE(TeamResultsReport::Build(file.db(), QStringLiteral("2004"),
                                         QStringLiteral("Men's Teams"),
                                         QDateTime(QDate(2004, 3, 22), QTime(15, 5)), report)
                    .ok());
    EXPECT_EQ(caption(report, "lDateTime"), "March 22, 2004   3:05 PM");
    EXPECT_EQ(caption(report, "lWeapon"), "Men's Teams");
    QStringList places;
    for (const ReportRecord& r : report.records()) {
        places << r.value("Place") + QLatin1Char(' ') + r.value("Points");
    }
    // School 1 has two fencers; two schools brought to 10 points share place 12.
    EXPECT_EQ(places.mid(0, 3), QStringList({"1 41", "2 23", "3 21"}))
        << places.join(',').toStdString();
    EXPECT_EQ(places.count("12 10"), 2);
    EXPECT_TRUE(places.contains("14 9"));
}

TEST_F(ResultReportsTest, FullResultsListEveryBoutRoundByRoundAndFencersWithoutBouts) {
    ChampionshipBuilder::Fencer idle;
    idle.weapon = 3;
    idle.number = 0;
    idle.team = 0;
    idle.first = QStringLiteral("Idle");
    idle.last = QStringLiteral("Fencer");
    ChampionshipBuilder(file).addFencer(idle);
    BandedReport report;
    ASSERT_TRUE(FullResultsReport::Build(file.db(), QStringLiteral("2005"), report).ok());
    EXPECT_EQ(caption(report, "lTournamentYear"), "2005 ORLE Championships");
    // Schools sort by name, then by event: Air Force's fencer 0 and its idle women's fencer.
    EXPECT_EQ(report.records().first().value("FullTeamName"), "Bard College");
    QList<ReportRecord> airForceEvents;
    for (const ReportRecord& r : report.records()) {
        if (r.value("FullTeamName") == QLatin1String("U.S. Air Force Academy")) {
            airForceEvents << r;
        }
    }
    ASSERT_EQ(airForceEvents.size(), 2);
    const ReportRecord& airForce = airForceEvents[0];
    EXPECT_EQ(airForce.value("WeaponName"), "Men's Saber");
    ASSERT_EQ(airForce.children.size(), 1);
    const ReportRecord& fencer = airForce.children.first();
    EXPECT_EQ(fencer.value("FullName"), "Last0, First0");
    ASSERT_EQ(fencer.children.size(), 23) << "every opponent, group-mates included";
    const ReportRecord& first = fencer.children.first();
    EXPECT_EQ(first.value("Round"), "1");
    EXPECT_EQ(first.value("VorD"), "V");
    EXPECT_EQ(first.value("TS"), "5");
    EXPECT_TRUE(first.value("Opponent").startsWith(QLatin1String("Last")));
    EXPECT_TRUE(first.value("Opponent").endsWith(QLatin1Char(')')));
    EXPECT_EQ(fencer.children.last().value("Round"), "7");
    const ReportRecord& women = airForceEvents[1];
    EXPECT_EQ(women.value("WeaponName"), "Women's Saber");
    ASSERT_EQ(women.children.size(), 1);
    EXPECT_TRUE(women.children.first().children.isEmpty());
}

}  // namespace
