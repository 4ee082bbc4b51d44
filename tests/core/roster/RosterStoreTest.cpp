#include "roster/HtmlName.h"
#include "roster/RosterStatus.h"
#include "roster/RosterStore.h"
#include "roster/SchoolList.h"
#include "support/ChampionshipBuilder.h"
#include "support/TempChampionship.h"

#include <gtest/gtest.h>

namespace {

class RosterStoreTest : public ::testing::Test {
protected:
    TempChampionship file;
    ChampionshipBuilder build{file};
    RosterStore store{file.db()};

    RosterRow typed(int number, const QString& first, const QString& last, int team) {
        RosterRow row;
        row.fencerNumber = number;
        row.first = first;
        row.last = last;
        row.team = team;
        row.changed = true;
        return row;
    }
};

TEST(RosterStatusTest, EachEntrySetsItsFlagAndReloadsAsItsOwnEntryExceptDrug) {
    for (int entry = 0; entry < 5; ++entry) {
        const RosterStatus::Flags flags = RosterStatus::FlagsFor(entry);
        EXPECT_EQ(flags.excluded, entry == RosterStatus::InPool);
        EXPECT_EQ(flags.excludedButCount,
                  entry == RosterStatus::Final4 || entry == RosterStatus::Drug);
        EXPECT_EQ(flags.injury, entry == RosterStatus::Injury);
        EXPECT_EQ(RosterStatus::EntryFor(flags),
                  entry == RosterStatus::Drug ? int(RosterStatus::Final4) : entry);
    }
    // Excluded wins over the other flags when a file holds several.
    EXPECT_EQ(RosterStatus::EntryFor({true, true, true}), RosterStatus::InPool);
    EXPECT_EQ(RosterStatus::EntryFor({false, true, true}), RosterStatus::Final4);
}

TEST(SchoolListTest, BothReadBacksOfAnEntryGiveTheSchoolNumber) {
    for (int team : {0, 7, 46, 255}) {
        for (const char* abbreviation : {"", "A", "NYU", "PENN5"}) {
            const QString entry = SchoolList::EntryText({team, QString::fromLatin1(abbreviation)});
            EXPECT_EQ(SchoolList::NumberFromPosition20(entry), team) << entry.toStdString();
            EXPECT_EQ(SchoolList::NumberFromLastFive(entry), team) << entry.toStdString();
        }
    }
    EXPECT_EQ(SchoolList::NumericValue(u"  42abc"), 42);
    EXPECT_EQ(SchoolList::NumericValue(u"abc"), 0);
}

TEST_F(RosterStoreTest, FencersComeSortedByNameThenFreeNumbersFillTheRest) {
    for (int n = 0; n < 20; ++n) {
        ChampionshipBuilder::Fencer f;
        f.weapon = 2;
        f.number = n + 4;  // numbers 4..23 used, 0..3 free
        f.team = n % 5;
        f.last = QStringLiteral("Last%1").arg(QChar(u'T' - n));
        f.first = QStringLiteral("F%1").arg(n);
        build.addFencer(f);
    }
    const std::vector<RosterRow> rows = store.load(2);
    ASSERT_EQ(rows.size(), 24u);
    for (size_t i = 1; i < 20; ++i) {
        EXPECT_LT(rows[i - 1].last, rows[i].last);
    }
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(rows[20 + i].fencerNumber, i);
        EXPECT_EQ(rows[20 + i].team, -1);
        EXPECT_TRUE(rows[20 + i].first.isEmpty());
    }
}

TEST_F(RosterStoreTest, TypedTextIsStoredExactlyAndStatusRoundTrips) {
    std::vector<RosterRow> rows = store.load(0);
    std::vector<RosterRow> loaded = rows;
    rows[0] = typed(0, QStringLiteral("Zoë"), QStringLiteral("O'Brien"), 3);
    rows[0].addl = QStringLiteral("\"Captain\"");
    rows[0].status = RosterStatus::Drug;
    rows[1] = typed(1, QStringLiteral("x'); DROP TABLE Roster; --"), QStringLiteral("Ñúñez"), 4);
    rows[1].html = QStringLiteral("Custom &amp; Name");
    ASSERT_TRUE(store.save(0, rows, loaded).ok());

    EXPECT_EQ(rows[0].html, QStringLiteral("Zo&euml; O'Brien"));
    const std::vector<RosterRow> again = store.load(0);
    const RosterRow& zoe = again[1].last == QStringLiteral("O'Brien") ? again[1] : again[0];
    EXPECT_EQ(zoe.first, QStringLiteral("Zoë"));
    EXPECT_EQ(zoe.addl, QStringLiteral("\"Captain\""));
    EXPECT_EQ(zoe.status, RosterStatus::Final4);
    EXPECT_EQ(zoe.html, QStringLiteral("Zo&euml; O'Brien"));
    EXPECT_EQ(file.count("SELECT COUNT(*) FROM Roster WHERE FName = ? AND HTMLName = ?",
                         {rows[1].first, QStringLiteral("Custom &amp; Name")}),
              1);
    EXPECT_EQ(file.count("SELECT COUNT(*) FROM Roster WHERE \"Group\" = 99 AND Subgroup = 99 "
                         "AND Advanced = 0 AND ExcludedButCount = -1"),
              1);
}

TEST_F(RosterStoreTest, UpdateKeepsTheDrawAndSavingTwiceIsHarmless) {
    build.drawFullEvent(1);
    std::vector<RosterRow> rows = store.load(1);
    std::vector<RosterRow> loaded = rows;
    rows[5].last = QStringLiteral("Renamed");
    rows[5].status = RosterStatus::Injury;
    rows[5].changed = true;
    ASSERT_TRUE(store.save(1, rows, loaded).ok());
    ASSERT_TRUE(store.save(1, rows, loaded).ok());
    EXPECT_EQ(file.count("SELECT COUNT(*) FROM Roster WHERE Weapon = 1"), 24);
    EXPECT_EQ(file.count("SELECT \"Group\" * 10 + Subgroup FROM Roster WHERE LName = 'Renamed'"),
              rows[5].fencerNumber / 3 * 10 + rows[5].fencerNumber % 3);
    EXPECT_EQ(file.count("SELECT Injury FROM Roster WHERE LName = 'Renamed'"), -1);
}

TEST_F(RosterStoreTest, RowWithoutSchoolOrNameIsRefusedAndNothingIsWritten) {
    std::vector<RosterRow> rows = store.load(0);
    std::vector<RosterRow> loaded = rows;
    rows[0] = typed(0, QStringLiteral("Ann"), QStringLiteral("Able"), 1);
    rows[2] = typed(2, QStringLiteral("Ben"), QStringLiteral("Baker"), -1);
    Status saved = store.save(0, rows, loaded);
    ASSERT_FALSE(saved.ok());
    EXPECT_TRUE(saved.message().contains(QStringLiteral("Row 3 (Ben Baker)")));
    EXPECT_TRUE(saved.message().contains(QStringLiteral("school")));
    EXPECT_EQ(file.count("SELECT COUNT(*) FROM Roster"), 0);

    rows[2] = typed(2, QString(), QString(), 1);
    saved = store.save(0, rows, loaded);
    EXPECT_TRUE(saved.message().startsWith(QStringLiteral("Row 3 has no name")));

    // A free row that was touched and emptied again is simply skipped.
    rows[2] = typed(2, QString(), QString(), -1);
    ASSERT_TRUE(store.save(0, rows, loaded).ok());
    EXPECT_EQ(file.count("SELECT COUNT(*) FROM Roster"), 1);
}

TEST_F(RosterStoreTest, DatabaseRefusalRollsBackEveryRow) {
    std::vector<RosterRow> rows = store.load(0);
    std::vector<RosterRow> loaded = rows;
    rows[0] = typed(0, QStringLiteral("Ann"), QStringLiteral("Able"), 1);
    rows[1] = typed(1, QStringLiteral("Ben"), QStringLiteral("Baker"), 200);  // no such school
    EXPECT_FALSE(store.save(0, rows, loaded).ok());
    EXPECT_EQ(file.count("SELECT COUNT(*) FROM Roster"), 0);
}

// The editor works on a connection of its own; `file` is another writer on the same file.
TEST_F(RosterStoreTest, RowsAnotherWriterChangedSinceLoadingAreKeptAndTold) {
    const std::unique_ptr<Database> station = file.openAnother();
    const RosterStore mine(*station);
    std::vector<RosterRow> rows = mine.load(0);
    std::vector<RosterRow> loaded = rows;
    ASSERT_EQ(rows[0].fencerNumber, 0);
    // Another writer takes fencer number 0 while it is typed here.
    ChampionshipBuilder::Fencer eve;
    eve.first = QStringLiteral("Eve");
    eve.last = QStringLiteral("Other");
    eve.team = 2;
    build.addFencer(eve);
    rows[0] = typed(0, QStringLiteral("Ann"), QStringLiteral("Able"), 1);
    rows[1] = typed(1, QStringLiteral("Ben"), QStringLiteral("Baker"), 1);
    QStringList told;
    ASSERT_TRUE(mine.save(0, rows, loaded, &told).ok());

    EXPECT_EQ(file.count("SELECT COUNT(*) FROM Roster WHERE FName = 'Eve' AND Team = 2"), 1);
    EXPECT_EQ(file.count("SELECT COUNT(*) FROM Roster WHERE FName = 'Ben' AND FencerNumber = 1"),
              1);
    EXPECT_EQ(file.count("SELECT COUNT(*) FROM Roster WHERE FName = 'Ann'"), 0);
    const SchoolList schools = SchoolList::Load(file.db());
    ASSERT_EQ(told.size(), 1);
    EXPECT_EQ(told[0], QStringLiteral("Row 1, fencer number 0: First Name: typed \"Ann\", "
                                      "stored \"Eve\"; Last Name: typed \"Able\", stored "
                                      "\"Other\"; School: typed \"%1\", stored \"%2\"; HTML Name: "
                                      "typed \"Ann Able\", stored \"Eve Other\"")
                           .arg(schools.abbreviationOf(1), schools.abbreviationOf(2)))
        << told[0].toStdString();
    EXPECT_EQ(rows[0].first, QStringLiteral("Eve"));

    // Ben's row keeps its change mark but is as saved: a later save leaves the rename made
    // elsewhere alone.
    file.exec(QStringLiteral("UPDATE Roster SET FName = 'Benjamin' WHERE FencerNumber = 1"));
    rows[0].addl = QStringLiteral("Captain");
    rows[0].changed = true;
    ASSERT_TRUE(mine.save(0, rows, loaded, &told).ok());
    EXPECT_TRUE(told.isEmpty());
    EXPECT_EQ(file.count("SELECT COUNT(*) FROM Roster WHERE FName = 'Benjamin'"), 1);
    EXPECT_EQ(file.count("SELECT COUNT(*) FROM Roster WHERE AddlText = 'Captain'"), 1);
}

TEST(HtmlNameTest, AccentedLettersBecomeEntitiesAndNothingElseIsEscaped) {
    EXPECT_EQ(
        HtmlEntityText(QStringLiteral("ÀÆÇØßàæçøÿý<&>")),
        QStringLiteral(
            "&Agrave;&AElig;&Ccedil;&Oslash;&szlig;&agrave;&aelig;&ccedil;&oslash;ÿ&yacute;<&>"));
    EXPECT_EQ(HtmlNameFor(QStringLiteral(" José "), QStringLiteral("Müller ")),
              QStringLiteral("Jos&eacute; M&uuml;ller"));
}

}  // namespace
