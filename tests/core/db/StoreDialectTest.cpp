#include "db/SchemaSql.h"
#include "db/StoreDialect.h"

#include <gtest/gtest.h>
#include <algorithm>

namespace {

const TableDef& tableNamed(const char* name) {
    const auto& tables = ChampionshipTables();
    return *std::find_if(tables.begin(), tables.end(),
                         [&](const TableDef& table) { return qstrcmp(table.name, name) == 0; });
}

TEST(StoreDialectTest, ServerSqlNumbersParametersAndLowersQuotedNames) {
    EXPECT_EQ(StoreDialect::ServerSql(QStringLiteral(
                  "SELECT ifnull(LName, '?'), UCASE (FName) FROM Roster WHERE \"Group\" = ? "
                  "AND Weapon = ?1 AND Subgroup = ? AND AddlText <> 'It''s \"Odd\"?'")),
              QStringLiteral("SELECT coalesce(LName, '?'), upper (FName) FROM Roster WHERE "
                             "\"group\" = $1 AND Weapon = $1 AND Subgroup = $2 AND AddlText <> "
                             "'It''s \"Odd\"?'"));
    // A column that is merely called like a function keeps its name.
    EXPECT_EQ(StoreDialect::ServerSql(QStringLiteral("SELECT ifnull FROM t WHERE a=?3 OR b=?")),
              QStringLiteral("SELECT ifnull FROM t WHERE a=$3 OR b=$4"));
}

// The server would list a school without a name last; the file lists it first.
TEST(StoreDialectTest, ServerSortKeysPutNullsWhereTheFileDoes) {
    EXPECT_EQ(StoreDialect::ServerSql(
                  QStringLiteral("SELECT a FROM (SELECT a, b FROM t ORDER BY b DESC, \"c,d\") AS s "
                                 "ORDER BY 1, upper(a) DESC LIMIT 3")),
              QStringLiteral("SELECT a FROM (SELECT a, b FROM t ORDER BY b DESC NULLS LAST, "
                             "\"c,d\" NULLS FIRST) AS s ORDER BY 1 NULLS FIRST, upper(a) DESC "
                             "NULLS LAST LIMIT 3"));
    EXPECT_EQ(StoreDialect::ServerSql(QStringLiteral("SELECT 'ORDER BY x' FROM t ORDER BY a NULLS "
                                                     "LAST;")),
              QStringLiteral("SELECT 'ORDER BY x' FROM t ORDER BY a NULLS LAST;"));
}

TEST(StoreDialectTest, TheFileKeepsItsSchemaTextAndTheServerGetsItsOwn) {
    const TableDef& roster = tableNamed("Roster");
    const QString file = CreateTableSql(roster, ChampionshipRelations());
    EXPECT_TRUE(file.endsWith(QLatin1String(") STRICT")));
    EXPECT_TRUE(file.contains(
        QLatin1String("\"LName\" TEXT COLLATE NOCASE CHECK (length(\"LName\") <= 50)")));
    EXPECT_TRUE(file.contains(QLatin1String("CONSTRAINT PrimaryKey PRIMARY KEY")));
    EXPECT_TRUE(file.contains(QLatin1String("FOREIGN KEY")));
    EXPECT_TRUE(CreateRelationSql(ChampionshipRelations(), StoreKind::File).isEmpty());

    const QString server = CreateTableSql(roster, ChampionshipRelations(), StoreKind::Server);
    EXPECT_TRUE(server.startsWith(QLatin1String("CREATE TABLE \"roster\" (")));
    EXPECT_TRUE(server.contains(QLatin1String(
        "\"htmlname\" citext CHECK (length(\"htmlname\") <= 150 AND \"htmlname\" <> '')")));
    EXPECT_TRUE(server.contains(QLatin1String("\"injury\" integer CHECK (\"injury\" IN (-1, 0))")));
    EXPECT_TRUE(server.contains(QLatin1String("CONSTRAINT \"roster.primarykey\" PRIMARY KEY")));
    EXPECT_FALSE(server.contains(QLatin1String("FOREIGN KEY")));
    EXPECT_FALSE(server.contains(QLatin1String("STRICT")));
    EXPECT_TRUE(CreateTableSql(tableNamed("ResultsScratchpad"), {}, StoreKind::Server)
                    .contains(QLatin1String("\"pct\" double precision DEFAULT 0")));

    const QStringList relations = CreateRelationSql(ChampionshipRelations(), StoreKind::Server);
    ASSERT_EQ(relations.size(), static_cast<qsizetype>(ChampionshipRelations().size()));
    EXPECT_EQ(relations.first(),
              QStringLiteral("ALTER TABLE \"roster\" ADD CONSTRAINT \"fencernumbersroster\" "
                             "FOREIGN KEY (\"fencernumber\") REFERENCES \"fencernumbers\" "
                             "(\"fencernumber\") ON UPDATE NO ACTION"));
    EXPECT_EQ(CreateIndexSql(roster, StoreKind::Server).first(),
              QStringLiteral("CREATE INDEX \"roster.advanced\" ON \"roster\" (\"advanced\")"));
}

}  // namespace
