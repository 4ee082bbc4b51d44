#include "print/PrintFooter.h"
#include "print/ScheduleSheets.h"
#include "support/ChampionshipBuilder.h"
#include "support/ReadValue.h"
#include "support/TempChampionship.h"

#include <gtest/gtest.h>

namespace {

class ScheduleSheetsTest : public ::testing::Test {
protected:
    ScheduleSheetsTest() {
        ChampionshipBuilder(file).drawFullEvent(0);
        ChampionshipBuilder(file).drawFullEvent(3);
    }
    SheetEvent event(int weapon) const {
        return Value(SheetEvent::Load(file.db(), weapon, QStringLiteral("2004")));
    }
    // Rows of column `column` holding text, as "row:text".
    static QStringList column(const GridSheet& sheet, int column) {
        QStringList out;
        for (int r = 1; r <= sheet.rowCount(); ++r) {
            if (!sheet.text(column, r).isEmpty()) {
                out << QStringLiteral("%1:%2").arg(r).arg(sheet.text(column, r));
            }
        }
        return out;
    }
    void setFencer(int weapon, int number, const QString& column, const SqlValue& value) const {
        file.exec(
            QStringLiteral("UPDATE Roster SET %1=? WHERE Weapon=? AND FencerNumber=?").arg(column),
            {value, weapon, number});
    }

    TempChampionship file;
};

}  // namespace

TEST_F(ScheduleSheetsTest, GroupSheetPutsTheFifthGroupBesideTheFirstWithUnderlinedBoldHeadings) {
    GridSheet sheet;
    ASSERT_TRUE(ScheduleSheets::Groups(file.db(), event(0), sheet));
    EXPECT_EQ(sheet.header(),
              QStringLiteral("/c/fb1/fz\"24\"2004 ORLE Championships/n/c/fz\"48\"Men's Saber"
                             "/n/n/c/fz\"36\"Group Assignments/n/n"));
    EXPECT_EQ(sheet.footer(), CommonPrintFooter());
    EXPECT_EQ(sheet.jobName(), QStringLiteral("ORLE Groupings - Men's Saber"));
    EXPECT_EQ(sheet.rowCount(), 19);
    EXPECT_EQ(column(sheet, 1).mid(0, 5),
              (QStringList{"1:Group A", "2:USAF", "3:BARD", "4:BC", "6:Group B"}));
    EXPECT_EQ(sheet.text(2, 2), QStringLiteral("First0 Last0"));
    EXPECT_EQ(sheet.text(4, 1), QStringLiteral("Group E"));
    EXPECT_EQ(sheet.text(5, 19), QStringLiteral("First23 Last23"));
    EXPECT_TRUE(column(sheet, 3).isEmpty());

    const GridSheet::Cell heading = sheet.cell(4, 1);
    EXPECT_TRUE(heading.font.bold);
    EXPECT_EQ(heading.align, TextAlign::Left);
    EXPECT_TRUE(heading.bottomBorder && sheet.cell(5, 1).bottomBorder);
    EXPECT_FALSE(sheet.cell(6, 1).bottomBorder);
    EXPECT_EQ(sheet.cell(4, 2).align, TextAlign::Right);
    EXPECT_FALSE(sheet.cell(4, 2).font.bold);
    EXPECT_EQ(sheet.cell(5, 2).align, TextAlign::Left);
}

TEST_F(ScheduleSheetsTest, GroupSheetLeavesOutUndrawnFencersAndAnEmptyEventHasNoRows) {
    setFencer(0, 4, QStringLiteral("\"Group\""), 99);
    GridSheet sheet;
    ASSERT_TRUE(ScheduleSheets::Groups(file.db(), event(0), sheet));
    EXPECT_FALSE(column(sheet, 2).join(QLatin1Char(' ')).contains(QStringLiteral("First4 ")));
    EXPECT_EQ(sheet.text(2, 7), QStringLiteral("First3 Last3"));
    EXPECT_EQ(sheet.text(2, 8), QStringLiteral("First5 Last5"));
    EXPECT_EQ(sheet.text(1, 10), QStringLiteral("Group C"));

    ASSERT_TRUE(ScheduleSheets::Groups(file.db(), event(1), sheet));
    EXPECT_EQ(sheet.rowCount(), 0);
    EXPECT_FALSE(sheet.header().isEmpty());
}

TEST_F(ScheduleSheetsTest, ScheduleSheetListsRoundsInTwoBlocksWithStripsInNumericOrder) {
    file.exec(
        QStringLiteral("UPDATE StripNumbers SET StripName='10' WHERE Weapon=0 AND StripSet=0"));
    file.exec(
        QStringLiteral("UPDATE StripNumbers SET StripName='9' WHERE Weapon=0 AND StripSet=1"));
    GridSheet sheet;
    ASSERT_TRUE(ScheduleSheets::Schedule(file.db(), event(0), sheet));
    EXPECT_EQ(sheet.jobName(), QStringLiteral("ORLE Schedule - Men's Saber"));
    EXPECT_TRUE(sheet.header().endsWith(QStringLiteral("Men's Saber/n/n/c/fz\"36\"Schedule/n/n")));
    EXPECT_EQ(sheet.text(1, 1), QStringLiteral("Round 1"));
    EXPECT_TRUE(sheet.cell(1, 1).bottomBorder && sheet.cell(2, 1).bottomBorder);
    EXPECT_EQ(sheet.text(4, 1), QStringLiteral("Round 5"));
    // Round 1's pool rows (a group against itself) are not printed: four strips.
    EXPECT_EQ(column(sheet, 1).mid(1, 5), (QStringList{"2:Strip 3. ", "3:Strip 4. ", "4:Strip 9. ",
                                                       "5:Strip 10. ", "7:Round 2"}));
    EXPECT_EQ(sheet.text(2, 2), QStringLiteral(" Group E vs. Group F"));
    EXPECT_EQ(sheet.text(2, 5), QStringLiteral(" Group A vs. Group B"));
    EXPECT_EQ(sheet.cell(1, 2).align, TextAlign::Right);
    EXPECT_EQ(sheet.text(1, 19), QStringLiteral("Round 4"));
    EXPECT_EQ(sheet.rowCount(), 23);
}

TEST_F(ScheduleSheetsTest, StripAssignmentsOmitFencersWhoWillNotFenceAndNameColumbiaForTheMen) {
    file.exec(QStringLiteral("UPDATE Teams SET MediumTeamName='Columbia/Barnard' WHERE Team=1"));
    setFencer(0, 2, QStringLiteral("Injury"), true);
    setFencer(0, 3, QStringLiteral("ExcludedButCount"), true);
    GridSheet men;
    ASSERT_TRUE(ScheduleSheets::StripAssignments(file.db(), event(0), ChampionshipDay::One, men));
    EXPECT_EQ(men.jobName(), QStringLiteral("ORLE Groupings - Men's Saber"));
    EXPECT_TRUE(
        men.header().endsWith(QStringLiteral("Men's Saber/n/c/fz\"28\"Strip Assignments/n/n")));
    EXPECT_EQ(men.text(2, 1), QStringLiteral("ROUND 1"));
    EXPECT_TRUE(men.cell(2, 1).font.bold);
    EXPECT_EQ(men.cell(2, 1).font.pointSize, 14);
    EXPECT_EQ(men.text(2, 3), QStringLiteral("STRIP 1"));
    EXPECT_TRUE(men.cell(2, 3).font.underline);
    // Strip 1 of round 1 holds groups A and B, schools in alphabetical order.
    EXPECT_EQ(column(men, 2).mid(2, 5), (QStringList{"4:  AIR FORCE", "5:  BROWN", "6:  C.C.N.Y.",
                                                     "7:  COLUMBIA", "9:STRIP 2"}));
    EXPECT_EQ(men.text(3, 7), QStringLiteral("First1 Last1"));
    const QString names = column(men, 3).join(QLatin1Char(' '));
    EXPECT_FALSE(names.contains(QStringLiteral("First2 ")));
    EXPECT_FALSE(names.contains(QStringLiteral("First3 ")));
    EXPECT_EQ(men.text(3, men.rowCount()).isEmpty(), false);
    // Each round after the first starts the announcer's next page.
    int rounds = 0;
    for (int r = 1; r <= men.rowCount(); ++r) {
        if (men.text(2, r).startsWith(QStringLiteral("ROUND"))) {
            EXPECT_EQ(men.pageBreakBefore(r), ++rounds > 1) << r;
        }
    }
    EXPECT_EQ(rounds, 4);

    file.exec(QStringLiteral("UPDATE Roster SET Team=1 WHERE Weapon=3 AND FencerNumber=0"));
    GridSheet women;
    ASSERT_TRUE(ScheduleSheets::StripAssignments(file.db(), event(3), ChampionshipDay::Two, women));
    EXPECT_EQ(women.text(2, 1), QStringLiteral("ROUND 5"));
    EXPECT_TRUE(
        column(women, 2).join(QLatin1Char(' ')).contains(QStringLiteral("  COLUMBIA/BARNARD")));
}

TEST_F(ScheduleSheetsTest, RefereeSheetListsEveryFencerPerStripWithAReferenceRowAfterEachRound) {
    setFencer(0, 2, QStringLiteral("Injury"), true);
    GridSheet sheet;
    ASSERT_TRUE(
        ScheduleSheets::RefereeAssignments(file.db(), event(0), ChampionshipDay::Two, sheet));
    EXPECT_EQ(sheet.jobName(), QStringLiteral("ORLE Ref Assign - Men's Saber"));
    EXPECT_EQ(sheet.header(),
              QStringLiteral("/c/fn\"Times New Roman\"/fb1/fz\"16\"2004 ORLE Championships/n/c"
                             "/fz\"12\"Strip and Referee Assignments/n/cMen's Saber/n/n"));
    EXPECT_TRUE(sheet.landscape() && sheet.fitToPage());
    EXPECT_EQ(sheet.columnCount(), 8);
    for (int s = 0; s < 4; ++s) {
        EXPECT_EQ(sheet.text(2 * s + 2, 1), QStringLiteral("STRIP %1").arg(s + 1));
        EXPECT_TRUE(sheet.cell(2 * s + 1, 1).font.bold);
        EXPECT_EQ(sheet.cell(2 * s + 2, 1).align, TextAlign::Centre);
    }
    const GridSheet::Cell round = sheet.cell(2, 2);
    EXPECT_EQ(round.text, QStringLiteral("ROUND 5"));
    EXPECT_TRUE(round.font.bold && round.font.underline);
    EXPECT_EQ(round.font.family, QStringLiteral("Arial"));
    EXPECT_EQ(round.font.pointSize, 10);
    // Six fencers per strip in school order, "Last, First"; the injured fencer is listed.
    QStringList schools;
    for (int r = 3; r <= 8; ++r) {
        schools << sheet.text(1, r);
        EXPECT_TRUE(sheet.text(2, r).startsWith(QStringLiteral("Last"))) << r;
    }
    QStringList sorted = schools;
    sorted.sort(Qt::CaseInsensitive);
    EXPECT_EQ(schools, sorted);
    EXPECT_TRUE(column(sheet, 2).join(QLatin1Char(' ')).contains(QStringLiteral("Last2, First2")) ||
                column(sheet, 4).join(QLatin1Char(' ')).contains(QStringLiteral("Last2, First2")) ||
                column(sheet, 6).join(QLatin1Char(' ')).contains(QStringLiteral("Last2, First2")) ||
                column(sheet, 8).join(QLatin1Char(' ')).contains(QStringLiteral("Last2, First2")));
    const int ref = 9;
    for (int s = 0; s < 4; ++s) {
        EXPECT_EQ(sheet.text(2 * s + 1, ref), QStringLiteral("REF"));
        EXPECT_TRUE(sheet.cell(2 * s + 1, ref).font.italic);
        EXPECT_TRUE(sheet.cell(2 * s + 2, ref).bottomBorder);
    }
    EXPECT_EQ(sheet.text(2, ref + 2), QStringLiteral("ROUND 6"));
    EXPECT_EQ(sheet.text(1, sheet.rowCount()), QStringLiteral("REF"));
    EXPECT_EQ(sheet.text(2, sheet.rowCount() - 7), QStringLiteral("ROUND 7"));
}

TEST_F(ScheduleSheetsTest, RefereeRowGoesBelowTheFullestStripWhenStripsAreUneven) {
    // Group A (fencers 0..2) loses two fencers: its strip has fewer lines in every round.
    file.exec(
        QStringLiteral("UPDATE Roster SET \"Group\"=99 WHERE Weapon=0 AND FencerNumber IN (0,1)"));
    GridSheet sheet;
    ASSERT_TRUE(
        ScheduleSheets::RefereeAssignments(file.db(), event(0), ChampionshipDay::One, sheet));
    for (int r = 1; r <= sheet.rowCount(); ++r) {
        if (sheet.text(1, r) == QStringLiteral("REF")) {
            for (int c = 1; c <= 8; c += 2) {
                EXPECT_EQ(sheet.text(c, r), QStringLiteral("REF")) << r;
                EXPECT_TRUE(sheet.text(c + 1, r).isEmpty()) << r;
            }
        }
    }
}

TEST_F(ScheduleSheetsTest, RefereeSheetOfAnEventWithoutFencersIsItsTitleRowAndOneRefereeRow) {
    GridSheet sheet;
    ASSERT_TRUE(
        ScheduleSheets::RefereeAssignments(file.db(), event(1), ChampionshipDay::One, sheet));
    EXPECT_EQ(sheet.rowCount(), 2);
    EXPECT_EQ(sheet.text(1, 2), QStringLiteral("REF"));
    EXPECT_TRUE(sheet.text(2, 1).isEmpty());
}
