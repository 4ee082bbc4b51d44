#pragma once

#include <vector>

// The championship file's tables, indexes and relations, as data; SchemaSql turns
// them into SQL.
enum class ColumnType { Byte, Integer, Single, Double, YesNo, Text };

struct ColumnDef {
    const char* name;
    ColumnType type;
    int textSize = 0;           // Text(n)
    bool emptyAllowed = false;  // Text: accepts ''
    bool defaultZero = false;
};

struct IndexDef {
    const char* name;
    std::vector<const char*> columns;
    bool primary = false;
    bool unique = false;
};

struct TableDef {
    const char* name;
    std::vector<ColumnDef> columns;
    std::vector<IndexDef> indexes;
    // A table that later versions add (live results settings, change log): a file made
    // before it is still opened, and the table is created when it is first needed.
    bool optionalAtOpen = false;
};

struct RelationDef {
    const char* name;
    const char* oneTable;
    std::vector<const char*> oneColumns;
    const char* manyTable;
    std::vector<const char*> manyColumns;
    bool cascadeUpdates;
};

// The fifteen tables in the order they are created.
const std::vector<TableDef>& ChampionshipTables();
// The eight relations in the order they are created.
const std::vector<RelationDef>& ChampionshipRelations();
