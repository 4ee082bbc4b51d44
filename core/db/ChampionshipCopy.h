#pragma once

#include "db/SchemaDefinition.h"
#include "db/SqlStore.h"

#include <vector>

// Moving a whole championship between stores: a file to a server and back.
namespace ChampionshipCopy {

// The championship's tables, each after the tables its relations point at, so that rows
// can be written in this order.
std::vector<const TableDef*> TablesInWritingOrder();

// Every row of one table, in the order of its columns.
Result<SqlRows> ReadTable(const SqlStore& store, const TableDef& table);

// Writes every row of every table of `from` into `to`, whose tables are there and empty;
// gives the number of rows written. The caller holds `to` in one transaction.
Result<long long> CopyRows(const SqlStore& from, const SqlStore& to);

}  // namespace ChampionshipCopy
