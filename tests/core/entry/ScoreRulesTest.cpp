#include "entry/ScoreRules.h"

#include <gtest/gtest.h>

namespace {

using Reading = ScoreRules::Reading;

TEST(ScoreRulesTest, MarksGiveWinnerAndStoredTouches) {
    struct Case {
        const char* first;
        const char* second;
        BoutScore expected;
    };
    const Case cases[] = {
        {"5", "3", {5, 3, true}}, {"V", "3", {3, 3, true}},  {"2", "4", {2, 4, false}},
        {"V", "5", {5, 5, true}}, {"4", "V", {4, 4, false}}, {"0", "V", {0, 0, false}},
        {"V", "0", {0, 0, true}},
    };
    for (const Case& c : cases) {
        const ScoreRules::Read read =
            ScoreRules::ReadMarks(QString::fromLatin1(c.first), QString::fromLatin1(c.second));
        EXPECT_EQ(read.reading, Reading::Result) << c.first << " " << c.second;
        EXPECT_EQ(read.score, c.expected) << c.first << " " << c.second;
    }
}

TEST(ScoreRulesTest, BrokenMarkPairsAreInvalidAndNoMarksIsNoResult) {
    EXPECT_EQ(ScoreRules::ReadMarks(QString(), QString()).reading, Reading::NoResult);
    for (const auto& [a, b] : {std::pair{"5", "5"},
                               {"V", "V"},
                               {"V", ""},
                               {"", "3"},
                               {"6", "2"},
                               {"x", "2"},
                               {"v", "2"},
                               {"55", "3"}}) {
        EXPECT_EQ(ScoreRules::ReadMarks(QString::fromLatin1(a), QString::fromLatin1(b)).reading,
                  Reading::Invalid)
            << a << " " << b;
    }
}

TEST(ScoreRulesTest, DualTextsAreNormalisedBeforeReading) {
    for (const char* typed : {"5 - 3", "53", "5-3", "  5 3  ", "-5-3-"}) {
        const ScoreRules::Read read = ScoreRules::ReadDualScore(QString::fromLatin1(typed));
        EXPECT_EQ(read.reading, Reading::Result) << typed;
        EXPECT_EQ(read.score, (BoutScore{5, 3, true})) << typed;
        EXPECT_EQ(read.score.dualText(), QStringLiteral("5-3"));
    }
    EXPECT_EQ(ScoreRules::ReadDualScore(QStringLiteral("v2")).score, (BoutScore{2, 2, true}));
    EXPECT_EQ(ScoreRules::ReadDualScore(QStringLiteral("2v")).score, (BoutScore{2, 2, false}));
    EXPECT_EQ(ScoreRules::ReadDualScore(QStringLiteral("2v")).score.dualText(),
              QStringLiteral("2-2"));
    EXPECT_EQ(ScoreRules::ReadDualScore(QStringLiteral(" - ")).reading, Reading::NoResult);
    for (const char* typed : {"55", "VV", "6-2", "5", "5-3-1", "a3", "5\t3"}) {
        EXPECT_EQ(ScoreRules::ReadDualScore(QString::fromLatin1(typed)).reading, Reading::Invalid)
            << typed;
    }
}

TEST(ScoreRulesTest, MarksOfAStoredBoutShowAWinAtEqualTouchesAsV) {
    EXPECT_EQ(BoutScore({3, 3, false}).rightMark(), QStringLiteral("V"));
    EXPECT_EQ(BoutScore({3, 3, false}).leftMark(), QStringLiteral("3"));
    EXPECT_EQ(BoutScore({5, 2, true}).leftMark(), QStringLiteral("5"));
    EXPECT_EQ(BoutScore({5, 2, true}).swapped(), (BoutScore{2, 5, false}));
}

TEST(ScoreRulesTest, IndicatorAlwaysCarriesASign) {
    EXPECT_EQ(ScoreRules::IndicatorText(0), QStringLiteral("+0"));
    EXPECT_EQ(ScoreRules::IndicatorText(7), QStringLiteral("+7"));
    EXPECT_EQ(ScoreRules::IndicatorText(-12), QStringLiteral("-12"));
}

}  // namespace
