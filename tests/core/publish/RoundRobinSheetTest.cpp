#include "../standings/StandingsFixture.h"

#include "publish/RoundRobinSheet.h"
#include "support/ReadValue.h"

namespace {

TEST_F(StandingsFixture, RoundRobinSheetHeaderFooterAndExcludedLine) {
    builder.drawFullEvent(4);
    file.exec(
        QStringLiteral("UPDATE Roster SET Excluded = -1 WHERE Weapon = 4 AND FencerNumber = 7"));
    win(4, 6, 8, 5, 2);
    win(4, 7, 6, 5, 0);
    PlaceOf placeOf{};
    placeOf[6] = 3;
    GridSheet sheet;
    const SheetEvent event = Value(SheetEvent::Load(file.db(), 4, QStringLiteral("2004")));
    ASSERT_TRUE(RoundRobinSheet::Build(file.db(), event, QStringLiteral("Final Pool Standings"),
                                       placeOf, 2, sheet)
                    .ok());
    EXPECT_EQ(sheet.header(),
              "/c/fb1/fz\"24\"2004 ORLE Championships/n/c/fz\"48\"Women's Foil/n/n/c/fz\"16\""
              "Final Pool Table and Standings/n/n");
    EXPECT_EQ(sheet.footer(),
              "/fn\"Times New Roman\"/fz\"18\"/n/c/fi1/fb1ORLE Fencing Championship Scoring "
              "System/n/fz\"14\"/cCopyright \u00A9 Quillon Works. All rights reserved.");
    EXPECT_EQ(sheet.jobName(), "ORLE Results - Women's Foil");
    EXPECT_TRUE(sheet.landscape());
    EXPECT_EQ(sheet.copies(), 2);
    EXPECT_EQ(sheet.rowCount(), 25);

    // Fencer 6 is position 7, on row 8; fencer 7 is excluded.
    EXPECT_EQ(sheet.text(1, 8), "First6 Last6");
    EXPECT_EQ(sheet.text(RoundRobinSheet::kFirstBoutColumn + 8, 8), "V5");
    EXPECT_TRUE(sheet.text(RoundRobinSheet::kFirstBoutColumn + 7, 8).isEmpty());
    EXPECT_EQ(sheet.text(RoundRobinSheet::kVColumn, 8), "1");
    EXPECT_EQ(sheet.text(RoundRobinSheet::kPlaceColumn, 8), "3");
    EXPECT_EQ(sheet.text(RoundRobinSheet::kVColumn + 3, 8), "+3");
    EXPECT_EQ(sheet.text(2, 9), "7");
    EXPECT_EQ(sheet.text(RoundRobinSheet::kPlaceColumn, 9), "exc");
    for (int c = RoundRobinSheet::kFirstBoutColumn; c < RoundRobinSheet::kPlaceColumn; ++c) {
        EXPECT_TRUE(sheet.text(c, 9).isEmpty()) << c;
    }
    EXPECT_EQ(sheet.text(RoundRobinSheet::kPlaceColumn, 2), "0") << "no place computed yet";
}

}  // namespace
