#include "print/ScoresheetChoice.h"
#include "print/Scoresheets.h"
#include "support/ChampionshipBuilder.h"
#include "support/ReadValue.h"
#include "support/TempChampionship.h"

#include <gtest/gtest.h>

namespace {

class ScoresheetsTest : public ::testing::Test {
protected:
    ScoresheetsTest() { ChampionshipBuilder(file).drawFullEvent(0); }

    Scoresheets::Request request(int stripSet = -1) const {
        return {Value(SheetEvent::Load(file.db(), 0, QStringLiteral("2004"))), QDate(2026, 9, 30),
                stripSet};
    }
    // The groups meeting in round `round` on strip set `stripSet`.
    std::pair<int, int> groupsOn(int round, int stripSet) const {
        const Statement row = [&] {
            Statement s = file.db().prepare(
                QStringLiteral("SELECT Group1, Group2 FROM Schedule WHERE Round=? AND Stripset=? "
                               "AND Group1<>Group2"),
                {round, stripSet});
            s.next();
            return s;
        }();
        return {row.toInt(0), row.toInt(1)};
    }
    void setFencer(int number, const QString& column, const SqlValue& value) const {
        file.exec(
            QStringLiteral("UPDATE Roster SET %1=? WHERE Weapon=0 AND FencerNumber=?").arg(column),
            {value, number});
    }
    QString abbreviation(int team) const {
        return file.text(QStringLiteral("SELECT Abbreviation FROM Teams WHERE Team=?"), {team});
    }
    QList<GridSheet> pools(int stripSet = -1) const {
        QList<GridSheet> sheets;
        EXPECT_TRUE(Scoresheets::PoolSheets(file.db(), request(stripSet), sheets));
        return sheets;
    }

    TempChampionship file;
};

}  // namespace

TEST_F(ScoresheetsTest, PoolSheetListsGroupOneThenGroupTwoWithSchoolsUnderTheStripHeading) {
    const QList<GridSheet> sheets = pools();
    ASSERT_EQ(sheets.size(), 4);
    const auto [group1, group2] = groupsOn(0, 1);
    const GridSheet& sheet = sheets[1];
    for (int place = 0; place < 6; ++place) {
        // drawFullEvent puts fencer n in group n / 3, place n % 3, school n.
        const int fencer = (place < 3 ? group1 : group2) * 3 + place % 3;
        EXPECT_EQ(sheet.text(2, place + 2), QStringLiteral("First%1 Last%1").arg(fencer));
        EXPECT_EQ(sheet.text(3, place + 2), abbreviation(fencer));
        EXPECT_EQ(sheet.text(4, place + 2), QString::number(place + 1));
    }
    EXPECT_EQ(sheet.rowCount(), 7);
    EXPECT_TRUE(sheet.header().contains(QStringLiteral("Round 1, Pool 2")));
    EXPECT_TRUE(sheet.header().contains(QStringLiteral("Strip 2")));
    EXPECT_TRUE(sheet.header().contains(QStringLiteral("Men's Saber")));
    // The long date stays whole rather than losing its year to the field width.
    EXPECT_TRUE(sheet.header().contains(QStringLiteral("Wednesday, September 30, 2026")));
    EXPECT_TRUE(sheet.footer().contains(Scoresheets::PoolBoutOrder(false)));
    EXPECT_FALSE(sheet.footer().contains(Scoresheets::PoolBoutOrder(true)));
}

TEST_F(ScoresheetsTest, PoolSheetsOfOneStripAndOfAnEmptyEvent) {
    const QList<GridSheet> one = pools(2);
    ASSERT_EQ(one.size(), 1);
    EXPECT_TRUE(one[0].header().contains(QStringLiteral("Round 1, Pool 3")));

    QList<GridSheet> none;
    EXPECT_TRUE(Scoresheets::PoolSheets(
        file.db(), {Value(SheetEvent::Load(file.db(), 4, QStringLiteral("2004"))), QDate(), -1},
        none));
    EXPECT_TRUE(none.isEmpty());
}

TEST_F(ScoresheetsTest, TeamMatesOnThirdPlacesSwapPlacesTwoAndFourAndFenceFirst) {
    const auto [group1, group2] = groupsOn(0, 0);
    // Third fencers of both groups from one school.
    setFencer(group2 * 3 + 2, QStringLiteral("Team"), group1 * 3 + 2);
    const GridSheet sheet = pools(0).at(0);
    EXPECT_EQ(sheet.text(2, 3), QStringLiteral("First%1 Last%1").arg(group2 * 3));
    EXPECT_EQ(sheet.text(3, 3), abbreviation(group2 * 3));
    EXPECT_EQ(sheet.text(2, 5), QStringLiteral("First%1 Last%1").arg(group1 * 3 + 1));
    EXPECT_TRUE(sheet.footer().contains(Scoresheets::PoolBoutOrder(true)));
    EXPECT_TRUE(Scoresheets::PoolBoutOrder(true).startsWith(QStringLiteral("1-4")));
}

TEST_F(ScoresheetsTest, ExcludedThirdsAreNoTeamMatesAndPrintWithoutSchool) {
    const auto [group1, group2] = groupsOn(0, 0);
    setFencer(group1 * 3 + 2, QStringLiteral("Excluded"), true);
    setFencer(group2 * 3 + 2, QStringLiteral("Excluded"), true);
    const GridSheet sheet = pools(0).at(0);
    EXPECT_EQ(sheet.text(2, 4), QStringLiteral("EXCLUDED"));
    EXPECT_EQ(sheet.text(3, 4), QString());
    EXPECT_EQ(sheet.text(2, 7), QStringLiteral("EXCLUDED"));
    EXPECT_EQ(sheet.text(2, 3), QStringLiteral("First%1 Last%1").arg(group1 * 3 + 1));
    EXPECT_TRUE(sheet.footer().contains(Scoresheets::PoolBoutOrder(false)));
}

TEST_F(ScoresheetsTest, PoolWithAMissingFencerLeavesHisPlaceEmpty) {
    const auto [group1, group2] = groupsOn(0, 0);
    file.exec(QStringLiteral("DELETE FROM Roster WHERE Weapon=0 AND FencerNumber=?"),
              {group2 * 3 + 1});
    const GridSheet sheet = pools(0).at(0);
    EXPECT_EQ(sheet.text(2, 6), QString());
    EXPECT_EQ(sheet.text(2, 2), QStringLiteral("First%1 Last%1").arg(group1 * 3));
}

TEST_F(ScoresheetsTest, SheetDateIsTomorrowAcrossTheYearEnd) {
    EXPECT_EQ(Scoresheets::DateText(Scoresheets::SheetDate(QDate(2026, 12, 31), true)),
              QStringLiteral("Friday, January 1, 2027"));
    EXPECT_EQ(Scoresheets::DateText(Scoresheets::SheetDate(QDate(2026, 12, 31), false)),
              QStringLiteral("Thursday, December 31, 2026"));
}

TEST_F(ScoresheetsTest, DualScoresheetsNestStripsSubroundsAndBoutsOfTheChosenRounds) {
    BandedReport report;
    ASSERT_TRUE(Scoresheets::DualScoresheets(file.db(), request(), {1, 4}, report));
    const QList<ReportRecord>& matchups = report.records();
    ASSERT_EQ(matchups.size(), 8);
    EXPECT_EQ(matchups[0].value(QStringLiteral("Round")), QStringLiteral("2"));
    EXPECT_EQ(matchups[4].value(QStringLiteral("Round")), QStringLiteral("5"));
    EXPECT_EQ(matchups[3].value(QStringLiteral("Stripset")), QStringLiteral("4"));
    EXPECT_EQ(matchups[0].value(QStringLiteral("WeaponName")), QStringLiteral("Men's Saber"));
    const auto [group1, group2] = groupsOn(1, 0);
    EXPECT_EQ(matchups[0].value(QStringLiteral("LeftGroup")),
              QStringLiteral("Group %1").arg(QChar(u'A' + group1)));
    for (const ReportRecord& matchup : matchups) {
        ASSERT_EQ(matchup.children.size(), 3);
        QSet<QString> met;
        for (const ReportRecord& subround : matchup.children) {
            ASSERT_EQ(subround.children.size(), 3);
            for (const ReportRecord& bout : subround.children) {
                met << bout.value(QStringLiteral("LeftOrder")) + QLatin1Char('-') +
                           bout.value(QStringLiteral("RightOrder"));
            }
        }
        // Every fencer of one group meets every fencer of the other once.
        EXPECT_EQ(met.size(), 9);
    }
    const ReportRecord& first = matchups[0].children[0].children[0];
    const int left = group1 * 3 + first.value(QStringLiteral("LeftOrder")).toInt() - 1;
    EXPECT_EQ(first.value(QStringLiteral("LeftName")),
              QStringLiteral("First%1 Last%1 (%2)").arg(left).arg(abbreviation(left)));
    EXPECT_EQ(report.name(), QStringLiteral("ORLE \"Dual\" Scoresheet"));
}

TEST_F(ScoresheetsTest, DualScoresheetsOfOneStripShowExcludedFencersAndTheDate) {
    const auto [group1, group2] = groupsOn(3, 2);
    setFencer(group2 * 3, QStringLiteral("Excluded"), true);
    setFencer(group1 * 3, QStringLiteral("AddlText"), QStringLiteral("Left-handed"));
    BandedReport report;
    ASSERT_TRUE(Scoresheets::DualScoresheets(file.db(), request(2), {3}, report));
    ASSERT_EQ(report.records().size(), 1);
    QStringList rights;
    QStringList addl;
    for (const ReportRecord& subround : report.records()[0].children) {
        for (const ReportRecord& bout : subround.children) {
            rights << bout.value(QStringLiteral("RightName"));
            addl << bout.value(QStringLiteral("LeftAddl"));
        }
    }
    EXPECT_EQ(rights.count(QStringLiteral("EXCLUDED")), 3);
    EXPECT_EQ(addl.count(QStringLiteral("Left-handed")), 3);
    bool dated = false;
    for (const ReportElement& e : report.groups()[0].header.elements) {
        dated = dated || (e.name == QStringLiteral("lDate") &&
                          e.text == QStringLiteral("Wednesday, September 30, 2026"));
    }
    EXPECT_TRUE(dated);
}

TEST_F(ScoresheetsTest, FinalFourSheetsPrintForEveryChosenBoutSeededOrNot) {
    BandedReport report;
    ASSERT_TRUE(Scoresheets::Final4Scoresheets(file.db(), request(), {0, 1}, report));
    ASSERT_EQ(report.records().size(), 2);
    EXPECT_EQ(report.records()[0].value(QStringLiteral("BoutName")), QStringLiteral("Semifinal A"));
    EXPECT_EQ(report.records()[1].value(QStringLiteral("BoutName")), QStringLiteral("Semifinal B"));
    EXPECT_EQ(report.records()[0].value(QStringLiteral("TopFencer")), QString());

    file.exec(
        QStringLiteral("INSERT INTO FinalFour (Weapon, Bout, TopFencer, BottomFencer, "
                       "Winner, Score) VALUES (0, 10, 5, 7, 0, '')"));
    ASSERT_TRUE(Scoresheets::Final4Scoresheets(file.db(), request(), {10, 11}, report));
    ASSERT_EQ(report.records().size(), 2);
    const ReportRecord& gold = report.records()[0];
    EXPECT_EQ(gold.value(QStringLiteral("TopFencer")), QStringLiteral("First5 Last5"));
    EXPECT_EQ(gold.value(QStringLiteral("BottomTeam")), abbreviation(7));
    EXPECT_EQ(report.records()[1].value(QStringLiteral("BottomFencer")), QString());
    // A fencer taken off the roster after the seeding: the bout keeps its sheet.
    file.exec(QStringLiteral("DELETE FROM Roster WHERE Weapon=0 AND FencerNumber=7"));
    ASSERT_TRUE(Scoresheets::Final4Scoresheets(file.db(), request(), {10}, report));
    ASSERT_EQ(report.records().size(), 1);
    EXPECT_EQ(report.records()[0].value(QStringLiteral("TopFencer")),
              QStringLiteral("First5 Last5"));
    EXPECT_EQ(report.records()[0].value(QStringLiteral("BottomFencer")), QString());
}

TEST(ScoresheetChoiceTest, StripsOnlyForExactlyOneRoundAndNeverForTheFinalFour) {
    ScoresheetChoice choice;
    EXPECT_FALSE(choice.any());
    EXPECT_FALSE(choice.stripsAvailable());
    choice.rounds[2] = true;
    EXPECT_TRUE(choice.stripsAvailable());
    choice.rounds[3] = true;
    EXPECT_FALSE(choice.stripsAvailable());
    choice.rounds[3] = false;
    choice.semis = true;
    EXPECT_FALSE(choice.stripsAvailable());
    EXPECT_TRUE(choice.any());
}

TEST(ScoresheetChoiceTest, DualRoundsLeaveOutThePoolRoundAndFinalFourBoutsPair) {
    ScoresheetChoice choice;
    choice.rounds[0] = choice.rounds[4] = choice.rounds[1] = true;
    EXPECT_EQ(choice.dualRounds(), (QList<int>{1, 4}));
    choice.medals = true;
    EXPECT_EQ(choice.finalFourBouts(), (QList<int>{10, 11}));
    choice.semis = true;
    EXPECT_EQ(choice.finalFourBouts(), (QList<int>{0, 1, 10, 11}));
}
