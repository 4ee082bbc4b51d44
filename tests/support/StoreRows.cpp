#include "support/StoreRows.h"

#include "db/ChampionshipCopy.h"
#include "standings/EventCodes.h"
#include "support/ChampionshipBuilder.h"
#include "support/FullEventResults.h"

#include <gtest/gtest.h>
#include <algorithm>

namespace {

bool rowBefore(const SqlRow& a, const SqlRow& b) {
    return std::lexicographical_compare(
        a.begin(), a.end(), b.begin(), b.end(),
        [](const SqlValue& x, const SqlValue& y) { return x.value() < y.value(); });
}

QString describe(const SqlRow& row) {
    QStringList cells;
    for (const SqlValue& value : row) {
        cells << value.toDisplayText();
    }
    return cells.join(QLatin1Char('|'));
}

}  // namespace

QString RowsText(const SqlRows& rows) {
    QStringList lines;
    for (const SqlRow& row : rows) {
        lines << describe(row);
    }
    return lines.join(QLatin1Char('\n'));
}

SqlRows SortedRows(const SqlStore& store, const QString& sql) {
    const Result<SqlRows> read = store.rows(sql);
    EXPECT_TRUE(read.ok()) << sql.toStdString() << ": " << read.status().message().toStdString();
    if (!read) {
        return {};
    }
    SqlRows rows = *read;
    std::sort(rows.begin(), rows.end(), rowBefore);
    return rows;
}

void ExpectSameChampionship(const SqlStore& expected, const SqlStore& actual) {
    for (const TableDef& table : ChampionshipTables()) {
        const Result<SqlRows> want = ChampionshipCopy::ReadTable(expected, table);
        const Result<SqlRows> got = ChampionshipCopy::ReadTable(actual, table);
        ASSERT_TRUE(want.ok() && got.ok()) << table.name;
        SqlRows wantRows = *want;
        SqlRows gotRows = *got;
        std::sort(wantRows.begin(), wantRows.end(), rowBefore);
        std::sort(gotRows.begin(), gotRows.end(), rowBefore);
        ASSERT_EQ(wantRows.size(), gotRows.size()) << table.name;
        for (size_t i = 0; i < wantRows.size(); ++i) {
            EXPECT_TRUE(wantRows[i] == gotRows[i])
                << table.name << ": " << describe(wantRows[i]).toStdString() << " became "
                << describe(gotRows[i]).toStdString();
        }
    }
}

void FillWholeChampionship(const TempChampionship& file) {
    const ChampionshipBuilder builder(file);
    const FullEventResults results(file);
    // Every event drawn; two fenced to the end and the others through their pools, which
    // is a whole championship's kinds of rows in a third of the time.
    for (int weapon = 0; weapon < kEventCount; ++weapon) {
        builder.drawFullEvent(weapon);
        if (weapon == 0 || weapon == kEventCount - 1) {
            results.fenceAllRounds(weapon);
        } else {
            results.fenceRound(weapon, 0);
        }
    }
    file.exec(QStringLiteral("UPDATE Roster SET LName = ?, AddlText = '' WHERE FencerNumber = 3"),
              {QStringLiteral("Ďurčo-Ñúñez")});
    file.exec(
        QStringLiteral("INSERT INTO FinalFour (Weapon, Bout, TopFencer, BottomFencer, "
                       "Winner, Score) VALUES (0, 0, 1, 4, 1, '15-12')"));
    file.exec(QStringLiteral("INSERT INTO ResultsScratchpad (Weapon, FencerNumber, Name, "
                             "MediumTeamName, V, Pct, Ind, TS, TR, RankOrder) "
                             "VALUES (0, 1, 'Name', 'School', 2, ?, -3, 10, 13, ?)"),
              {2.0 / 3.0, 1e-7 / 3.0});
    file.exec(
        QStringLiteral("INSERT INTO TeamScratchpad VALUES ('Yale University', 12, 1, 2, "
                       "3, 4, 5, NULL)"));
}
