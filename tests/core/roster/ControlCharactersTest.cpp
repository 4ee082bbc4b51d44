#include "roster/ControlCharacters.h"
#include "roster/RosterCsv.h"
#include "roster/RosterStore.h"
#include "roster/StripNameStore.h"
#include "roster/TeamStore.h"
#include "support/TempChampionship.h"

#include <gtest/gtest.h>

namespace {

TEST(ControlCharactersTest, BelowSpaceAndDelThroughC1AreRefusedAccentsAreNot) {
    for (const char16_t code : {0x00, 0x09, 0x0a, 0x0d, 0x1f, 0x7f, 0x85, 0x9f}) {
        EXPECT_TRUE(ControlCharacters::Contains(QStringLiteral("Ann") + QChar(code))) << int(code);
    }
    EXPECT_FALSE(ControlCharacters::Contains(QStringLiteral("Zoë D'Arcy ~ Épée \u00a0")));
    EXPECT_EQ(ControlCharacters::Problem(QStringLiteral("Ann\tLee"), QStringLiteral("Row 3"),
                                         QStringLiteral("First Name")),
              QStringLiteral("Row 3: the First Name holds a control character (a line break, tab "
                             "or similar). Type it again on one line."));
}

// The roster editor, the team and strip name editors and the roster import share the rule;
// each names the row and writes nothing.
TEST(ControlCharactersTest, EveryEditorAndTheImportRefuseThemByRow) {
    TempChampionship file;
    RosterRow row;
    row.fencerNumber = 0;
    row.team = 1;
    row.first = QStringLiteral("Ann");
    row.last = QStringLiteral("Lee\nSmith");
    row.changed = true;
    std::vector<RosterRow> rows = {RosterRow{}, row};
    std::vector<RosterRow> loaded = RosterStore(file.db()).load(0);
    const Status roster = RosterStore(file.db()).save(0, rows, loaded);
    EXPECT_TRUE(roster.message().startsWith(QStringLiteral("Row 2: the Last Name holds a control")))
        << roster.message().toStdString();
    rows[1].last = QStringLiteral("Lee");
    rows[1].addl = QStringLiteral("left\x7f");
    EXPECT_TRUE(RosterStore(file.db()).save(0, rows, loaded).message().contains("Add'l Text"));
    EXPECT_EQ(file.count("SELECT COUNT(*) FROM Roster"), 0);

    const QString school = *file.db().queryText("SELECT Abbreviation FROM Teams WHERE Team = 1");
    const Status imported = RosterCsv(file.db()).import(
        QStringLiteral("event,first,last,school\nMS,Ann,Lee,%1\nMS,\"Bo\r\n\",Kim,%1\n")
            .arg(school));
    EXPECT_TRUE(imported.message().startsWith(
        QStringLiteral("line 3: the first field holds a control character")))
        << imported.message().toStdString();
    EXPECT_EQ(file.count("SELECT COUNT(*) FROM Roster"), 0);

    EXPECT_TRUE(TeamStore::Problem({QStringLiteral("AB") + QChar(0x85), QStringLiteral("Ab"),
                                    QStringLiteral("Ab U")})
                    .contains(QStringLiteral("Abbreviation holds a control character")));
    EXPECT_FALSE(TeamStore(file.db()).save(250, {"AB", "Ab\t", "Ab U"}, std::nullopt).ok());
    EXPECT_EQ(file.count("SELECT COUNT(*) FROM Teams WHERE Team = 250"), 0);

    StripNameStore strips(file.db());
    StripNameStore::Names names = strips.load();
    StripNameStore::Names stored = names;
    names[4 * 1 + 2] = QStringLiteral("7") + QChar(0);
    const Status stripSaved = strips.save(names, stored);
    EXPECT_TRUE(
        stripSaved.message().startsWith(QStringLiteral("Men's Foil, Strip Set 3: the name")))
        << stripSaved.message().toStdString();
    EXPECT_EQ(strips.load(), stored);
}

}  // namespace
