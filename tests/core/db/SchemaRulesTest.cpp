#include "support/TempChampionship.h"

#include <gtest/gtest.h>

namespace {

class SchemaRulesTest : public ::testing::Test {
protected:
    void addFencer(int weapon, int number, int team = 0) {
        file.exec(QStringLiteral("INSERT INTO Roster (Weapon, FencerNumber, Team, LName, FName, "
                                 "HTMLName, \"Group\", Subgroup, Excluded, ExcludedButCount, "
                                 "Injury, Advanced) VALUES (?, ?, ?, 'L', 'F', 'F L', 99, 99, 0, "
                                 "0, 0, 0)"),
                  {weapon, number, team});
    }
    Status tryExec(const QString& sql, const SqlParams& params = {}) {
        return file.db().exec(sql, params);
    }

    TempChampionship file;
};

TEST_F(SchemaRulesTest, FencerNumbersAreLimitedToTheAllowedSet) {
    addFencer(0, 23);
    EXPECT_FALSE(
        tryExec(QStringLiteral("INSERT INTO Roster (Weapon, FencerNumber, Team, HTMLName) "
                               "VALUES (0, 24, 0, 'x')")));
    EXPECT_FALSE(
        tryExec(QStringLiteral("INSERT INTO Roster (Weapon, FencerNumber, Team, HTMLName) "
                               "VALUES (0, 23, 0, 'duplicate')")));
    EXPECT_FALSE(
        tryExec(QStringLiteral("INSERT INTO Roster (Weapon, FencerNumber, Team, HTMLName) "
                               "VALUES (0, 5, 47, 'unknown school')")));
}

TEST_F(SchemaRulesTest, ResultsKeepTheirFencersAndFollowRenumbering) {
    addFencer(1, 3, 4);
    addFencer(1, 7, 5);
    file.exec(QStringLiteral("INSERT INTO Results VALUES (1, 3, 7, -1, 5), (1, 7, 3, 0, 2)"));

    EXPECT_FALSE(tryExec(QStringLiteral("INSERT INTO Results VALUES (1, 3, 7, 0, 1)")))
        << "a second row for the same bout side";
    EXPECT_FALSE(tryExec(QStringLiteral("INSERT INTO Results VALUES (1, 3, 9, 0, 1)")))
        << "an opponent who is not on the roster";
    EXPECT_FALSE(tryExec(QStringLiteral("DELETE FROM Roster WHERE Weapon=1 AND FencerNumber=7")));
    EXPECT_FALSE(tryExec(QStringLiteral("DELETE FROM Roster WHERE Weapon=1 AND FencerNumber=3")));

    file.exec(
        QStringLiteral("UPDATE Roster SET FencerNumber=12 WHERE Weapon=1 AND FencerNumber=3"));
    EXPECT_EQ(file.count(QStringLiteral("SELECT COUNT(*) FROM Results WHERE FencerNumber=12 AND "
                                        "Opponent=7")),
              1);
    EXPECT_EQ(file.count(QStringLiteral("SELECT COUNT(*) FROM Results WHERE Opponent=12 AND "
                                        "FencerNumber=7")),
              1);

    file.exec(QStringLiteral("UPDATE Teams SET Team=60 WHERE Team=4"));
    EXPECT_EQ(file.count(QStringLiteral("SELECT Team FROM Roster WHERE FencerNumber=12")), 60);

    file.exec(QStringLiteral("DELETE FROM Results WHERE Weapon=1"));
    EXPECT_TRUE(tryExec(QStringLiteral("DELETE FROM Roster WHERE Weapon=1")));
}

TEST_F(SchemaRulesTest, EmptyTextIsRefusedOnlyWhereNotAllowed) {
    EXPECT_FALSE(
        tryExec(QStringLiteral("INSERT INTO Roster (Weapon, FencerNumber, Team, HTMLName) "
                               "VALUES (0, 1, 0, '')")));
    EXPECT_FALSE(tryExec(QStringLiteral("UPDATE Weapons SET WeaponName='' WHERE Weapon=0")));
    EXPECT_FALSE(tryExec(QStringLiteral("UPDATE Groups SET GroupName='' WHERE \"Group\"=0")));

    EXPECT_TRUE(
        tryExec(QStringLiteral("INSERT INTO Roster (Weapon, FencerNumber, Team, LName, "
                               "AddlText, HTMLName) VALUES (0, 1, 0, '', '', 'x')")));
    EXPECT_TRUE(tryExec(QStringLiteral("UPDATE StripNumbers SET StripName='' WHERE Weapon=0")));
    EXPECT_TRUE(
        tryExec(QStringLiteral("UPDATE Teams SET FullTeamName='', MediumTeamName='', "
                               "Abbreviation='' WHERE Team=0")));
    EXPECT_TRUE(tryExec(QStringLiteral("INSERT INTO FinalFour VALUES (0, 0, 1, 1, 99, '')")));
}

TEST_F(SchemaRulesTest, TypesKeepTheirRanges) {
    EXPECT_FALSE(tryExec(QStringLiteral("INSERT INTO Results VALUES (0, 0, 1, 1, 5)")))
        << "Yes is stored as -1";
    EXPECT_FALSE(tryExec(QStringLiteral("UPDATE Teams SET Abbreviation='TOOLONG' WHERE Team=0")));
    EXPECT_FALSE(tryExec(QStringLiteral("INSERT INTO ResultsScratchpad (V) VALUES (256)")));
    EXPECT_FALSE(tryExec(QStringLiteral("INSERT INTO ResultsScratchpad (Ind) VALUES (40000)")));
    EXPECT_FALSE(tryExec(QStringLiteral("INSERT INTO ResultsScratchpad (V) VALUES ('many')")));
    EXPECT_TRUE(tryExec(QStringLiteral("INSERT INTO ResultsScratchpad (Ind) VALUES (-32768)")));
    EXPECT_TRUE(
        tryExec(QStringLiteral("INSERT INTO Roster (Weapon, FencerNumber, Team, HTMLName) "
                               "VALUES (0, 2, 0, 'nulls everywhere else')")));
}

TEST_F(SchemaRulesTest, ScratchpadNumbersDefaultToZero) {
    file.exec(
        QStringLiteral("INSERT INTO ResultsScratchpad (Name, MediumTeamName) VALUES ('A', 'B')"));
    Statement row = file.db().prepare(QStringLiteral(
        "SELECT Weapon, FencerNumber, V, Pct, Ind, TS, TR, RankOrder FROM ResultsScratchpad"));
    ASSERT_TRUE(row.next());
    for (int column = 0; column < row.columnCount(); ++column) {
        EXPECT_FALSE(row.isNull(column)) << row.columnName(column).toStdString();
        EXPECT_EQ(row.toDouble(column), 0.0) << row.columnName(column).toStdString();
    }
}

TEST_F(SchemaRulesTest, TextComparesAndSortsWithoutRegardToCase) {
    EXPECT_EQ(file.count(QStringLiteral("SELECT Team FROM Teams WHERE Abbreviation = ?"), {"usaf"}),
              0);
    EXPECT_EQ(file.count(QStringLiteral("SELECT Team FROM Teams WHERE MediumTeamName = ?"),
                         {"st. JOHN'S"}),
              36);
    file.exec(QStringLiteral("UPDATE Teams SET FullTeamName='aaa college' WHERE Team=46"));
    EXPECT_EQ(file.count(QStringLiteral("SELECT Team FROM Teams ORDER BY FullTeamName LIMIT 1")),
              46);
}

TEST_F(SchemaRulesTest, TextWithQuotesIsStoredAsTyped) {
    const QString name = QStringLiteral("O'Brien \"Bob\"; DROP TABLE Roster; --");
    file.exec(QStringLiteral("UPDATE Teams SET FullTeamName=? WHERE Team=1"), {name});
    EXPECT_EQ(file.text(QStringLiteral("SELECT FullTeamName FROM Teams WHERE Team=1")), name);
    EXPECT_EQ(file.count(QStringLiteral("SELECT COUNT(*) FROM Roster")), 0);
}

}  // namespace
