#include "print/ColumnFit.h"
#include "print/TextFit.h"
#include "print/TextMeasure.h"

#include <gtest/gtest.h>

namespace {

const PrintFont kArial{QStringLiteral("Arial"), 11};
const QString kName = QStringLiteral("Wilhelmina-Mae Maxwell Wolfeschlegelsteinhausen");
const QString kShort = QStringLiteral("W.-M. M. Wolfeschlegelsteinhausen");

}  // namespace

TEST(TextFit, ShrinksFirstThenUsesInitialsThenElidesButNeverBelowSevenPoints) {
    const double full = TextMeasure::Width(kArial, kName);
    const double shortWidth = TextMeasure::Width(kArial, kShort);
    EXPECT_EQ(TextFit::Fit(kName, kShort, kArial, full).font, kArial);
    // A little short of room: the whole name, a little smaller.
    TextFit::Fitted f = TextFit::Fit(kName, kShort, kArial, full * 0.8);
    EXPECT_EQ(f.text, kName);
    EXPECT_LT(f.font.pointSize, 11);
    EXPECT_GE(f.font.pointSize, 8.5);
    EXPECT_LE(f.width, full * 0.8);
    // Too short even at 7 points: the given names as initials, the family name whole.
    const double room = full * 7 / 11 - 10;
    f = TextFit::Fit(kName, kShort, kArial, room);
    EXPECT_EQ(f.text, kShort);
    EXPECT_LE(f.width, room);
    // Too short even for that: cut short, at 7 points.
    const double tiny = shortWidth * 7 / 11 - 20;
    f = TextFit::Fit(kName, kShort, kArial, tiny);
    EXPECT_TRUE(f.text.endsWith(QChar(0x2026)));
    EXPECT_TRUE(f.text.startsWith(QStringLiteral("W.-M.")));
    EXPECT_EQ(f.font.pointSize, TextFit::kSmallestSize);
    EXPECT_LE(f.width, tiny);
    // Without a short form it is the whole text that is cut.
    f = TextFit::Fit(kName, QString(), kArial, tiny);
    EXPECT_TRUE(f.text.startsWith(QStringLiteral("Wilhelmina")));
}

TEST(TextFit, TitlesShrinkToHalfTheirSizeAndASuffixIsNeverCut) {
    const PrintFont title{QStringLiteral("Times New Roman"), 22, true};
    TextFit::Fitted f = TextFit::Fit(kName, QString(), title, 100);
    EXPECT_EQ(f.font.pointSize, 11);
    EXPECT_LE(f.width, 100);
    f = TextFit::Fit(kName, kShort, kArial, 150, TextFit::kSmallestSize,
                     QStringLiteral(" (continued)"));
    EXPECT_TRUE(f.text.endsWith(QStringLiteral(" (continued)")));
    EXPECT_LE(f.width, 150);
}

TEST(ColumnFit, ColumnsWidenToTheirTextsAsFarAsThePageAllows) {
    // Room for all: every column as wide as its text wants, never below its least width.
    EXPECT_EQ(ColumnFit::Fit({50, 30, 40}, {120, 20, 40}, 300), (std::vector<double>{120, 30, 40}));
    // Short of room: the modest column gets all it wants, the long ones share the rest.
    EXPECT_EQ(ColumnFit::Fit({50, 50, 50}, {300, 60, 300}, 250), (std::vector<double>{95, 60, 95}));
    // The least widths are kept even when they overrun the room.
    EXPECT_EQ(ColumnFit::Fit({100, 100}, {200, 200}, 150), (std::vector<double>{100, 100}));
}
