#include "print/PrintScoresheets.h"
#include "print/RecordingSink.h"
#include "support/ChampionshipBuilder.h"
#include "support/ReadValue.h"
#include "support/TempChampionship.h"

#include <gtest/gtest.h>

namespace {

class ScoresheetPagesTest : public ::testing::Test {
protected:
    ScoresheetPagesTest() { ChampionshipBuilder(file).drawFullEvent(0); }

    Status print(const ScoresheetChoice& choice, int stripSet = -1) {
        return PrintScoresheets(file.db(),
                                {Value(SheetEvent::Load(file.db(), 0, QStringLiteral("2004"))),
                                 QDate(2026, 9, 30), stripSet},
                                choice, sink);
    }
    QStringList allTexts(int document) const {
        QStringList out;
        const PrintDocument& doc = sink.documents.at(document);
        for (int p = 0; p < doc.pages.size(); ++p) {
            out << doc.texts(p);
        }
        return out;
    }
    // Whether every text of every page stays on the paper.
    static bool onPaper(const PrintDocument& doc) {
        const QRectF paper(QPointF(0, 0), doc.pageSize());
        for (const PrintDocument::Page& page : doc.pages) {
            for (const PrintDocument::Text& t : page.texts) {
                if (t.left() < 0 || t.left() + t.width > paper.width() + 0.5 ||
                    t.baseline > paper.height()) {
                    return false;
                }
            }
        }
        return true;
    }

    TempChampionship file;
    RecordingSink sink;
};

}  // namespace

TEST_F(ScoresheetPagesTest, EverySheetOfAnEventFitsItsPagesInPrintOrder) {
    ScoresheetChoice all;
    all.rounds.fill(true);
    all.semis = all.medals = true;
    ASSERT_TRUE(print(all));
    // Four pool sheets, the duals of six rounds, the Final Four.
    ASSERT_EQ(sink.documents.size(), 6);
    for (int pool = 0; pool < 4; ++pool) {
        EXPECT_EQ(sink.documents[pool].pages.size(), 1) << "pool " << pool;
        EXPECT_TRUE(onPaper(sink.documents[pool]));
    }
    // One page per strip and round: nine bouts, their subround headings and the signature.
    EXPECT_EQ(sink.documents[4].pages.size(), 24);
    EXPECT_EQ(sink.documents[5].pages.size(), 4);
    EXPECT_TRUE(onPaper(sink.documents[4]));
    EXPECT_TRUE(onPaper(sink.documents[5]));
    EXPECT_TRUE(sink.documents[4].texts(0).contains(QStringLiteral("Referee")));
    EXPECT_TRUE(sink.documents[5].texts(3).contains(QStringLiteral("Bronze Medal Bout")));
    EXPECT_TRUE(sink.documents[5].texts(3).contains(QStringLiteral("29")));
}

TEST_F(ScoresheetPagesTest, PoolSheetPrintsBoutOrderSignatureAndFooterOnItsPage) {
    ScoresheetChoice pools;
    pools.rounds[0] = true;
    ASSERT_TRUE(print(pools, 3));
    ASSERT_EQ(sink.documents.size(), 1);
    const QStringList texts = allTexts(0);
    EXPECT_TRUE(texts.contains(QStringLiteral("Bout Order")));
    EXPECT_TRUE(texts.join(QLatin1Char('|')).contains(QStringLiteral("1-2")));
    EXPECT_TRUE(texts.join(QLatin1Char('|')).contains(QStringLiteral("Referee Signature")));
    EXPECT_TRUE(texts.contains(QStringLiteral("Initials")));
}

TEST_F(ScoresheetPagesTest, AStripRestrictsPoolsAndDualsButNeverTheFinalFour) {
    ScoresheetChoice choice;
    choice.rounds[0] = choice.rounds[2] = true;
    choice.semis = true;
    ASSERT_TRUE(print(choice, 1));
    ASSERT_EQ(sink.documents.size(), 3);
    EXPECT_EQ(sink.documents[1].pages.size(), 1);
    EXPECT_TRUE(allTexts(1).contains(QStringLiteral("2")));
    EXPECT_EQ(sink.documents[2].pages.size(), 2);
}

TEST_F(ScoresheetPagesTest, DualPageCarriesTitleDateAndBothGroups) {
    ScoresheetChoice choice;
    choice.rounds[6] = true;
    ASSERT_TRUE(print(choice, 0));
    ASSERT_EQ(sink.documents.size(), 1);
    const QStringList texts = allTexts(0);
    EXPECT_TRUE(texts.contains(QStringLiteral("2004 ORLE Championships")));
    EXPECT_TRUE(texts.contains(QStringLiteral("Wednesday, September 30, 2026")));
    EXPECT_TRUE(texts.contains(QStringLiteral("Men's Saber")));
    EXPECT_TRUE(texts.contains(QStringLiteral("7")));
    EXPECT_EQ(texts.count(QStringLiteral("V/D")), 6);
}
