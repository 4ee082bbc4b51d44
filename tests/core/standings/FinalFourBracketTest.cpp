#include "FinalFourFixture.h"

#include "standings/FinalFourBracket.h"
#include "standings/FinalFourSeeding.h"

namespace {

// Seeded 0, 1, 2, 3: Semifinal A fencer 0 (slot 0) against 3 (slot 1), Semifinal B
// fencer 2 (slot 2) against 1 (slot 3).
class FinalFourBracketTest : public FinalFourFixture {
protected:
    void SetUp() override {
        FinalFourFixture::SetUp();
        ASSERT_TRUE(FinalFourSeeding::Save(file.db(), kEvent, {0, 1, 2, 3}).ok());
        load();
    }
    void load() {
        bool seeded = false;
        const Status s = bracket.Load(file.db(), kEvent, &seeded);
        ASSERT_TRUE(s.ok()) << s.message().toStdString();
        EXPECT_TRUE(seeded);
    }
    void save() {
        const Status s = bracket.Save(file.db(), kEvent);
        ASSERT_TRUE(s.ok()) << s.message().toStdString();
    }
    // `mine` is loaded on a station of its own; then `file`, another writer on the same file,
    // records `winner` of `bout`, and `mine` marks seed 1 the winner of Semifinal A, 5-2.
    std::unique_ptr<Database> decideElsewhereThenHere(FinalFourBracket& mine, int bout, int winner,
                                                      const QString& score) {
        std::unique_ptr<Database> station = file.openAnother();
        EXPECT_TRUE(mine.Load(*station, kEvent).ok());
        file.exec(QStringLiteral("UPDATE FinalFour SET Winner = ?, Score = ? WHERE Weapon = ? "
                                 "AND Bout = ?"),
                  {winner, score, kEvent, bout});
        EXPECT_TRUE(mine.ChooseWinner(0));
        mine.setScore(10, QStringLiteral("5-2"));
        return station;
    }
    // Fencer 0 beats 3 and 1 beats 2.
    void decideSemifinals() {
        ASSERT_TRUE(bracket.ChooseWinner(0));
        bracket.setScore(10, QStringLiteral("5-2"));
        ASSERT_TRUE(bracket.ChooseWinner(3));
        bracket.setScore(11, QStringLiteral("5-4"));
    }
    // Gold: 1 beats 0; bronze: 3 beats 2.
    void decideMedals() {
        ASSERT_TRUE(bracket.ChooseWinner(11));
        bracket.setScore(20, QStringLiteral("5-3"));
        ASSERT_TRUE(bracket.ChooseWinner(12));
        bracket.setScore(21, QStringLiteral("5-1"));
    }
    QList<int> fencers(std::initializer_list<int> wanted) const {
        QList<int> out;
        for (int slot : wanted) {
            out << bracket.name(slot).fencer;
        }
        return out;
    }

    FinalFourBracket bracket;
};

TEST_F(FinalFourBracketTest, ASeededEventShowsTheSeedsWithOpenSemifinals) {
    EXPECT_EQ(bracket.caption(0),
              QStringLiteral("1. First0 Last0 (%1)")
                  .arg(file.text(QStringLiteral("SELECT Abbreviation FROM Teams WHERE Team = 0"))));
    EXPECT_TRUE(bracket.caption(1).startsWith(QStringLiteral("4. First3 Last3 (")));
    EXPECT_TRUE(bracket.caption(2).startsWith(QStringLiteral("3. First2 Last2 (")));
    EXPECT_TRUE(bracket.caption(3).startsWith(QStringLiteral("2. First1 Last1 (")));
    EXPECT_TRUE(bracket.score(10).enabled);
    EXPECT_TRUE(bracket.score(11).enabled);
    EXPECT_FALSE(bracket.score(20).enabled);
    EXPECT_EQ(fencers({10, 11, 12, 13, 20, 21}), QList<int>({99, 99, 99, 99, 99, 99}));
}

TEST_F(FinalFourBracketTest, AMedalWinnerNeedsBothFencersOfHisBout) {
    EXPECT_FALSE(bracket.ChooseWinner(10));
    ASSERT_TRUE(bracket.ChooseWinner(0));
    EXPECT_FALSE(bracket.ChooseWinner(10));
    EXPECT_TRUE(bracket.name(20).empty());
    EXPECT_FALSE(bracket.ChooseWinner(5));
}

TEST_F(FinalFourBracketTest, DecidedSemifinalsCreateTheMedalBoutsAndEveryResultReloads) {
    decideSemifinals();
    EXPECT_EQ(fencers({10, 11, 12, 13}), QList<int>({0, 1, 3, 2}));
    save();
    EXPECT_EQ(finalFourRows(),
              QStringList({"0 0 3 0 5-2", "1 2 1 1 5-4", "10 0 1 99", "11 3 2 99"}));
    decideMedals();
    save();
    EXPECT_EQ(finalFourRows(),
              QStringList({"0 0 3 0 5-2", "1 2 1 1 5-4", "10 0 1 1 5-3", "11 3 2 3 5-1"}));
    load();
    EXPECT_EQ(fencers({10, 11, 12, 13, 20, 21}), QList<int>({0, 1, 3, 2, 1, 3}));
    EXPECT_EQ(bracket.score(20).text, "5-3");
    EXPECT_TRUE(bracket.score(21).enabled);
}

TEST_F(FinalFourBracketTest, ANewSemifinalWinnerDropsOnlyTheMedalsHeDecides) {
    decideSemifinals();
    decideMedals();                        // gold 1 (winner of B), bronze 3 (loser of A)
    ASSERT_TRUE(bracket.ChooseWinner(1));  // 3 now beats 0
    EXPECT_EQ(fencers({10, 12}), QList<int>({3, 0}));
    EXPECT_TRUE(bracket.name(21).empty());
    EXPECT_TRUE(bracket.score(21).text.isEmpty());
    EXPECT_TRUE(bracket.score(21).enabled);
    EXPECT_EQ(bracket.name(20).fencer, 1);
    EXPECT_EQ(bracket.score(20).text, "5-3");

    ASSERT_TRUE(bracket.ChooseWinner(2));  // 2 now beats 1, who was gold medallist
    EXPECT_TRUE(bracket.name(20).empty());
    EXPECT_TRUE(bracket.score(20).text.isEmpty());
}

TEST_F(FinalFourBracketTest, ClearingASemifinalClearsBothMedalBoutsAndTheirRows) {
    decideSemifinals();
    decideMedals();
    save();
    bracket.ClearResult(10);
    EXPECT_EQ(fencers({10, 11, 12, 13, 20, 21}), QList<int>({99, 1, 99, 2, 99, 99}));
    EXPECT_FALSE(bracket.score(10).enabled);
    EXPECT_FALSE(bracket.score(20).enabled);
    EXPECT_TRUE(bracket.score(20).text.isEmpty());
    save();
    EXPECT_EQ(finalFourRows(), QStringList({"0 0 3 99", "1 2 1 1 5-4"}));
}

TEST_F(FinalFourBracketTest, ClearingAMedalResultKeepsTheBout) {
    decideSemifinals();
    decideMedals();
    bracket.ClearResult(21);
    save();
    EXPECT_EQ(finalFourRows().last(), "11 3 2 99");
    EXPECT_FALSE(bracket.score(21).enabled);
}

TEST_F(FinalFourBracketTest, ScoresAreStoredAsTypedAndOverlongOnesWriteNothing) {
    ASSERT_TRUE(bracket.ChooseWinner(0));
    bracket.setScore(10, QStringLiteral("5-4 o't"));
    save();
    EXPECT_EQ(finalFourRows().first(), "0 0 3 0 5-4 o't");

    ASSERT_TRUE(bracket.ChooseWinner(2));
    bracket.setScore(11, QStringLiteral("15-14 after"));
    const Status refused = bracket.Save(file.db(), kEvent);
    EXPECT_FALSE(refused.ok());
    EXPECT_TRUE(refused.message().contains(QStringLiteral("Semifinal B")));
    EXPECT_EQ(finalFourRows(), QStringList({"0 0 3 0 5-4 o't", "1 2 1 99"}));
}

TEST_F(FinalFourBracketTest, AnUnseededEventHasAnEmptyBracketAndSavesNothing) {
    ASSERT_TRUE(FinalFourSeeding::Delete(file.db(), kEvent).ok());
    bool seeded = true;
    ASSERT_TRUE(bracket.Load(file.db(), kEvent, &seeded).ok());
    EXPECT_FALSE(seeded);
    EXPECT_TRUE(bracket.name(0).empty());
    EXPECT_FALSE(bracket.score(10).enabled);
    save();
    EXPECT_TRUE(finalFourRows().isEmpty());
}

// The window works on a connection of its own; `file` is another writer on the same file.
TEST_F(FinalFourBracketTest, ABoutChangedElsewhereSinceLoadingHoldsBackTheWholeSave) {
    FinalFourBracket mine;
    const auto station = decideElsewhereThenHere(mine, 0, 3, QStringLiteral("5-4"));
    ASSERT_TRUE(mine.ChooseWinner(3));
    QStringList told;
    ASSERT_TRUE(mine.Save(*station, kEvent, &told).ok());

    EXPECT_EQ(finalFourRows(), QStringList({"0 0 3 3 5-4", "1 2 1 99"}));
    ASSERT_EQ(told.size(), 2);
    EXPECT_TRUE(told[0].startsWith(QStringLiteral("Semifinal A: typed \"First0 Last0 (")));
    EXPECT_TRUE(told[0].endsWith(QStringLiteral(") won 5-4\"")));
    EXPECT_TRUE(told[0].contains(QStringLiteral(") won 5-2\", stored \"First3 Last3 (")));
    EXPECT_TRUE(told[1].startsWith(QStringLiteral("Nothing of this Final Four was saved")));
}

TEST_F(FinalFourBracketTest, BoutsNotChangedHereKeepWhatAnotherWriterSaved) {
    FinalFourBracket mine;
    const auto station = decideElsewhereThenHere(mine, 1, 2, QStringLiteral("5-3"));
    QStringList told;
    ASSERT_TRUE(mine.Save(*station, kEvent, &told).ok());
    EXPECT_TRUE(told.isEmpty());
    EXPECT_EQ(finalFourRows(), QStringList({"0 0 3 0 5-2", "1 2 1 2 5-3"}));
}

}  // namespace
