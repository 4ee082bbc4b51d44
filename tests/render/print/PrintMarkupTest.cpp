#include "print/PrintMarkup.h"

#include <gtest/gtest.h>

namespace {

QStringList lineTexts(const PrintMarkup::Line& line) {
    QStringList out;
    for (const auto& run : line.runs) {
        out << run.text;
    }
    return out;
}

}  // namespace

TEST(PrintMarkup, FontCodesPersistAcrossLinesAndCentreAppliesToItsLineOnly) {
    const auto lines = PrintMarkup::Parse(
        QStringLiteral(
            "/c/fb1/fz\"24\"2004 ORLE/n/fn\"Times New Roman\"left /fb0plain/n/n/c/fi1end"),
        PrintFont());
    ASSERT_EQ(lines.size(), 4);
    EXPECT_TRUE(lines[0].centred);
    EXPECT_FALSE(lines[1].centred);
    EXPECT_TRUE(lines[3].centred);

    EXPECT_EQ(lineTexts(lines[0]), QStringList{QStringLiteral("2004 ORLE")});
    EXPECT_TRUE(lines[0].runs[0].font.bold);
    EXPECT_EQ(lines[0].runs[0].font.pointSize, 24);
    EXPECT_EQ(lines[0].runs[0].font.family, QStringLiteral("Arial"));

    // Bold and size carry into the next line until switched off.
    EXPECT_EQ(lineTexts(lines[1]), (QStringList{QStringLiteral("left "), QStringLiteral("plain")}));
    EXPECT_TRUE(lines[1].runs[0].font.bold);
    EXPECT_EQ(lines[1].runs[0].font.family, QStringLiteral("Times New Roman"));
    EXPECT_FALSE(lines[1].runs[1].font.bold);
    EXPECT_EQ(lines[1].runs[1].font.pointSize, 24);

    // Two line ends in a row leave an empty line as tall as the font in force.
    EXPECT_TRUE(lines[2].runs.isEmpty());
    EXPECT_EQ(lines[2].font.pointSize, 24);
    EXPECT_TRUE(lines[3].runs[0].font.italic);
    EXPECT_FALSE(lines[3].runs[0].font.bold);
}

TEST(PrintMarkup, TrailingLineEndsAddOnlyTheEmptyLinesBetweenThem) {
    EXPECT_EQ(PrintMarkup::Parse(QStringLiteral("Title/n"), PrintFont()).size(), 1);
    EXPECT_EQ(PrintMarkup::Parse(QStringLiteral("Title/n/n"), PrintFont()).size(), 2);
    EXPECT_TRUE(PrintMarkup::Parse(QString(), PrintFont()).isEmpty());
}

TEST(PrintMarkup, UnderlinedBlanksStayAsTextAndUnknownCodesArePlainText) {
    const auto lines = PrintMarkup::Parse(
        QStringLiteral("/fb1Referees:/fb0 /fu1          /fu0 1/2 a/b /fz\"x\"/fn\"open"),
        PrintFont());
    ASSERT_EQ(lines.size(), 1);
    const auto& runs = lines[0].runs;
    ASSERT_EQ(runs.size(), 4);
    EXPECT_EQ(runs[2].text, QStringLiteral("          "));
    EXPECT_TRUE(runs[2].font.underline);
    EXPECT_FALSE(runs[3].font.underline);
    EXPECT_EQ(runs[3].text, QStringLiteral(" 1/2 a/b /fz\"x\"/fn\"open"));
}
