#include "db/Transaction.h"
#include "roster/CsvText.h"
#include "roster/RosterCsv.h"
#include "roster/RosterStore.h"
#include "support/ReadValue.h"
#include "support/TempChampionship.h"

#include <gtest/gtest.h>
#include <chrono>
#include <thread>

namespace {

QString abbreviation(const TempChampionship& file, int team) {
    return file.text("SELECT Abbreviation FROM Teams WHERE Team = ?", {team});
}

TEST(CsvTextTest, QuotedFieldsKeepCommasQuotesAndLineBreaks) {
    QString error;
    const auto records =
        CsvText::Parse(QStringLiteral("\xFEFF"
                                      "a,\"b, c\",\"say \"\"hi\"\"\"\r\n\r\n\"two\nlines\",é,\n"),
                       &error);
    ASSERT_TRUE(error.isEmpty());
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].fields, QStringList({"a", "b, c", "say \"hi\""}));
    EXPECT_EQ(records[1].line, 3);
    EXPECT_EQ(records[1].fields, QStringList({"two\nlines", QStringLiteral("é"), ""}));

    CsvText::Parse(QStringLiteral("a\nb,\"open"), &error);
    EXPECT_EQ(error, QStringLiteral("line 2: a quoted field is not closed"));

    const QStringList tricky = {"O'Brien, Jr.", "\"Q\"", " pad", "plain"};
    EXPECT_EQ(CsvText::Parse(CsvText::Line(tricky), &error).front().fields, tricky);
}

TEST(RosterCsvTest, ImportTakesFreeNumbersAndExportGivesTheSameRows) {
    TempChampionship file;
    file.exec(
        "INSERT INTO Roster (Weapon, FencerNumber, Team, LName, FName, HTMLName, \"Group\", "
        "Subgroup) VALUES (1, 0, 2, 'Held', 'Al', 'Al Held', 99, 99)");
    const QString csv = QStringLiteral(
                            "event,first,last,school,status,addl,html\n"
                            "MF,José,\"O'Neil, Jr.\",%1,Final 4,\"\"\"Lefty\"\"\",\n"
                            "5,Ann,Lee,%2,,,\n")
                            .arg(abbreviation(file, 3), abbreviation(file, 4).toLower());
    RosterCsv roster(file.db());
    RosterCsv::Imported imported;
    const Status status = roster.import(csv, &imported);
    ASSERT_TRUE(status.ok()) << status.message().toStdString();
    EXPECT_EQ(imported.fencers, 2);
    EXPECT_EQ(file.count("SELECT FencerNumber FROM Roster WHERE LName = ?",
                         {QStringLiteral("O'Neil, Jr.")}),
              1);
    EXPECT_EQ(file.count(
                  "SELECT COUNT(*) FROM Roster WHERE Weapon = 5 AND FencerNumber = 0 AND Team = 4"),
              1);
    EXPECT_EQ(file.text("SELECT HTMLName FROM Roster WHERE Weapon = 1 AND FencerNumber = 1"),
              QStringLiteral("Jos&eacute; O'Neil, Jr."));

    const QString exported = Value(roster.exportText(1));
    EXPECT_TRUE(
        exported.contains(QStringLiteral("MF,José,\"O'Neil, Jr.\",%1,Final 4,\"\"\"Lefty\"\"\",")
                              .arg(abbreviation(file, 3))));
    EXPECT_EQ(exported.count(QLatin1Char('\n')), 3);
    EXPECT_EQ(Value(roster.exportText(std::nullopt)).count(QLatin1Char('\n')), 4);
}

TEST(RosterCsvTest, EveryBadLineIsReportedAndNothingIsWritten) {
    TempChampionship file;
    QString csv = QStringLiteral("event,first,last,school,status\n");
    const QString school = abbreviation(file, 0);
    for (int n = 0; n < 25; ++n) {
        csv += QStringLiteral("WE,F%1,L%1,%2,No\n").arg(n).arg(school);
    }
    csv +=
        QStringLiteral("XX,A,B,%1,No\nMS,A,B,NOPE,No\nMS,A,B,%1,Maybe\nMS,,,%1,No\n").arg(school);
    const Status status = RosterCsv(file.db()).import(csv);
    ASSERT_FALSE(status.ok());
    const QStringList lines = status.message().split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 5) << status.message().toStdString();
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("line 26: WE is full")));
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("line 27: unknown event \"XX\"")));
    EXPECT_TRUE(lines[2].startsWith(QStringLiteral("line 28: unknown school \"NOPE\"")));
    EXPECT_TRUE(lines[3].startsWith(QStringLiteral("line 29: unknown status \"Maybe\"")));
    EXPECT_TRUE(lines[4].startsWith(QStringLiteral("line 30 has no name")));
    EXPECT_EQ(file.count("SELECT COUNT(*) FROM Roster"), 0);

    EXPECT_FALSE(RosterCsv(file.db()).import(QStringLiteral("event,first,last\n")).ok());
}

TEST(RosterCsvTest, AFencerAlreadyOnTheEventOrEarlierInTheFileIsRefusedUnlessAllowed) {
    TempChampionship file;
    file.exec(
        "INSERT INTO Roster (Weapon, FencerNumber, Team, LName, FName, HTMLName, \"Group\", "
        "Subgroup) VALUES (0, 0, 2, 'Held', 'Al', 'Al Held', 99, 99)");
    const QString csv = QStringLiteral(
                            "event,first,last,school\n"
                            "MS, al ,HELD,%1\n"  // already on the event
                            "MF,Bo,Kim,%1\n"     // another event: a different fencer
                            "MF,Bo,Kim,%2\n"     // another school: a different fencer
                            "MF,bo,kim ,%1\n")   // repeats line 3
                            .arg(abbreviation(file, 2), abbreviation(file, 3));
    const Status refused = RosterCsv(file.db()).import(csv);
    ASSERT_FALSE(refused.ok());
    const QStringList lines = refused.message().split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 2) << refused.message().toStdString();
    EXPECT_TRUE(lines[0].startsWith(
        QStringLiteral("line 2: al HELD (%1) is already on MS").arg(abbreviation(file, 2))))
        << lines[0].toStdString();
    EXPECT_TRUE(lines[1].startsWith(
        QStringLiteral("line 5: bo kim (%1) is already on line 3").arg(abbreviation(file, 2))))
        << lines[1].toStdString();
    EXPECT_TRUE(lines[1].contains(QStringLiteral("--allow-duplicates")));
    EXPECT_EQ(file.count("SELECT COUNT(*) FROM Roster"), 1);

    RosterCsv::Imported imported;
    ASSERT_TRUE(RosterCsv(file.db()).import(csv, &imported, RosterCsv::Duplicates::Allow).ok());
    EXPECT_EQ(imported.fencers, 4);
}

// A second writer holds the file while this import starts; the import must wait for it and
// then take numbers that are still free, not overwrite the other writer's fencer.
TEST(RosterCsvTest, AnImportWaitsForAnotherWriterAndTakesNumbersStillFree) {
    TempChampionship file;
    const std::unique_ptr<Database> other = file.openAnother();
    ASSERT_TRUE(other);
    auto held = std::make_unique<Transaction>(*other);
    ASSERT_TRUE(held->begun().ok());
    std::vector<RosterRow> rows(1);
    rows[0] = {0, 2, QStringLiteral("Al"), QStringLiteral("Held"), 0, {}, {}, true};
    ASSERT_TRUE(RosterStore(*other).write(0, rows).ok());
    std::thread commitLater([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        EXPECT_TRUE(held->commit().ok());
    });
    const Status imported = RosterCsv(file.db()).import(
        QStringLiteral("event,first,last,school\nMS,Bo,Kim,%1\n").arg(abbreviation(file, 3)));
    commitLater.join();
    held.reset();
    ASSERT_TRUE(imported.ok()) << imported.message().toStdString();
    EXPECT_EQ(file.count("SELECT COUNT(*) FROM Roster WHERE Weapon = 0"), 2);
    EXPECT_EQ(file.count("SELECT COUNT(*) FROM Roster WHERE Weapon = 0 AND FencerNumber = 0 AND "
                         "LName = 'Held'"),
              1);
}

}  // namespace
