#include "db/ChampionshipCopy.h"
#include "db/ChampionshipFile.h"
#include "db/ServerChampionship.h"
#include "support/PgCluster.h"
#include "support/StoreRows.h"
#include "support/TempChampionship.h"

#include <gtest/gtest.h>
#include <algorithm>

namespace {

ChampionshipFile::Fill copyFrom(const SqlStore& source) {
    return [&source](const SqlStore& into) {
        return ChampionshipCopy::CopyRows(source, into).status();
    };
}

TEST(ChampionshipCopyOrderTest, EveryTableIsWrittenAfterTheTablesItPointsAt) {
    const std::vector<const TableDef*> order = ChampionshipCopy::TablesInWritingOrder();
    EXPECT_EQ(order.size(), ChampionshipTables().size());
    const auto position = [&](const char* name) {
        return std::find_if(
                   order.begin(), order.end(),
                   [&](const TableDef* table) { return qstrcmp(table->name, name) == 0; }) -
               order.begin();
    };
    for (const RelationDef& relation : ChampionshipRelations()) {
        EXPECT_LT(position(relation.oneTable), position(relation.manyTable)) << relation.name;
    }
}

// A day starts from a file, runs on the server and ends archived in a file: the archive
// holds the same championship, table by table and value by value.
using ChampionshipCopyTest = ServerTest;

TEST_F(ChampionshipCopyTest, AChampionshipGoesToTheServerAndBackUnchanged) {
    const TempChampionship original;
    FillWholeChampionship(original);

    QString error;
    const std::unique_ptr<PgConnection> server =
        PgConnection::Connect(*ServerUri::Parse(uri()), &error);
    ASSERT_TRUE(server) << error.toStdString();
    const Status there = ServerChampionship::Create(*server, false, copyFrom(original.db()));
    ASSERT_TRUE(there) << there.message().toStdString();
    ExpectSameChampionship(original.db(), *server);

    const QString archive = original.folder() + QStringLiteral("/ORLE2026-archive.mdb");
    const Status back = ChampionshipFile::CreateWith(archive, copyFrom(*server));
    ASSERT_TRUE(back) << back.message().toStdString();
    ChampionshipFile::Opened archived = ChampionshipFile::Open(archive);
    ASSERT_TRUE(archived.db) << archived.reason.toStdString();
    ExpectSameChampionship(original.db(), *archived.db);
}

}  // namespace
