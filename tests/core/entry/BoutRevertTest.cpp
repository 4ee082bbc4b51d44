#include "db/ChangeLog.h"
#include "db/Transaction.h"
#include "entry/BoutResults.h"
#include "entry/BoutRevert.h"
#include "support/ChampionshipBuilder.h"
#include "support/TempChampionship.h"

#include <gtest/gtest.h>

namespace {

constexpr int kEvent = 2;

class BoutRevertTest : public ::testing::Test {
protected:
    BoutRevertTest() {
        ChampionshipBuilder(file).drawFullEvent(kEvent);
        file.forgetSetupChanges();
    }

    void save(std::optional<BoutScore> score) const {
        ASSERT_TRUE(BoutResults::Write(file.db(), kEvent, {{3, 9, score}}).ok());
    }
    std::optional<BoutScore> stored() const {
        const Result<std::optional<BoutScore>> read = BoutResults::Read(file.db(), kEvent, 3, 9);
        EXPECT_TRUE(read.ok());
        return read.ok() ? *read : std::nullopt;
    }
    long long newestChange() const {
        const Result<std::vector<ChangeLog::Change>> log = ChangeLog::Read(file.db());
        EXPECT_TRUE(log.ok() && !log->empty());
        return log.ok() && !log->empty() ? log->front().id : 0;
    }
    BoutRevert::Plan plan(long long id) const {
        const Result<BoutRevert::Plan> prepared = BoutRevert::Prepare(file.db(), id);
        EXPECT_TRUE(prepared.ok()) << prepared.status().message().toStdString();
        return prepared.ok() ? *prepared : BoutRevert::Plan{};
    }
    void revert(long long id) const {
        const Status done = BoutRevert::Apply(file.db(), plan(id));
        ASSERT_TRUE(done.ok()) << done.message().toStdString();
    }

    TempChampionship file;
};

TEST_F(BoutRevertTest, ABoutChangedThreeTimesGetsEachEarlierResultBack) {
    const BoutScore first{5, 3, true};
    const BoutScore second{2, 5, false};
    const BoutScore third{4, 4, false};
    save(first);
    const long long toFirst = newestChange();
    save(second);
    const long long toSecond = newestChange();
    save(third);
    const long long toThird = newestChange();

    EXPECT_FALSE(plan(toThird).changedSince());
    revert(toThird);
    EXPECT_EQ(stored(), second);
    revert(toSecond);
    EXPECT_EQ(stored(), first);
    revert(toFirst);
    EXPECT_EQ(stored(), std::nullopt);

    // Each revert is itself a change, recorded as one.
    const Result<std::vector<ChangeLog::Change>> log = ChangeLog::Read(file.db());
    ASSERT_TRUE(log.ok());
    ASSERT_EQ(log->size(), 6U);
    EXPECT_EQ(log->front().what, QStringLiteral("revert"));
    EXPECT_EQ(log->front().before, QStringLiteral("5-3"));
    EXPECT_EQ(log->front().after, QString());
}

TEST_F(BoutRevertTest, ABoutChangedSinceIsToldAndAWriterMeanwhileStopsTheRevert) {
    save(BoutScore{5, 3, true});
    save(BoutScore{1, 5, false});
    const long long firstChange = newestChange() - 1;
    const BoutRevert::Plan early = plan(firstChange);
    EXPECT_TRUE(early.changedSince());
    EXPECT_EQ(early.currentText, QStringLiteral("1-5"));

    save(BoutScore{5, 0, true});  // another station, after the staff looked
    const Status refused = BoutRevert::Apply(file.db(), early);
    EXPECT_FALSE(refused.ok());
    EXPECT_TRUE(refused.message().contains(QStringLiteral("5-0")));
    EXPECT_EQ(stored(), (BoutScore{5, 0, true}));
}

TEST_F(BoutRevertTest, OnlyBoutsAndFinalFourResultsAreReverted) {
    {
        Transaction transaction(file.db());
        file.exec(QStringLiteral("UPDATE Roster SET LName = 'Other' WHERE Weapon = ? AND "
                                 "FencerNumber = 3"),
                  {kEvent});
        ASSERT_TRUE(transaction.commit().ok());
    }
    const Result<BoutRevert::Plan> roster = BoutRevert::Prepare(file.db(), newestChange());
    ASSERT_FALSE(roster.ok());
    EXPECT_TRUE(roster.status().message().contains(QStringLiteral("not a bout")));
    EXPECT_FALSE(BoutRevert::Prepare(file.db(), 9999).ok());

    {
        Transaction transaction(file.db());
        file.exec(QStringLiteral("INSERT INTO FinalFour VALUES (?, 1, 4, 8, 4, '15-9')"), {kEvent});
        ASSERT_TRUE(transaction.commit().ok());
    }
    {
        Transaction transaction(file.db());
        file.exec(
            QStringLiteral("UPDATE FinalFour SET Winner = 8, Score = '15-14' WHERE Bout = 1"));
        ASSERT_TRUE(transaction.commit().ok());
    }
    revert(newestChange());
    EXPECT_EQ(file.text(QStringLiteral("SELECT Winner || ' ' || Score FROM FinalFour")),
              QStringLiteral("4 15-9"));
}

}  // namespace
