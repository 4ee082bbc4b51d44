#pragma once

#include "db/Result.h"
#include "db/SchemaDefinition.h"
#include "db/StoredViews.h"

#include <QStringList>

class Database;

// Whether a file holds every table, column and stored query the program uses.
namespace FileLayout {

// The parts the file lacks, each named for the user ("the table Results", "the column
// Roster.Injury", "the stored query vLocator"); empty when nothing is missing.
Result<QStringList> MissingParts(const Database& db, const std::vector<TableDef>& tables,
                                 const std::vector<StoredView>& views);

// The championship's own tables and stored queries.
Result<QStringList> MissingParts(const Database& db);

}  // namespace FileLayout
