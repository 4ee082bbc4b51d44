#pragma once

#include "db/SqlStore.h"
#include "support/TempChampionship.h"

#include <QString>

// Every row of a query, in an order of their values, so that two stores can be compared
// whatever order each gives its rows in (a test failure when the read fails).
SqlRows SortedRows(const SqlStore& store, const QString& sql);

// The rows as a person reads them, one line each, for a test's message.
QString RowsText(const SqlRows& rows);

// Expects both stores to hold the same rows in every table of the championship, value for
// value and of the same kind.
void ExpectSameChampionship(const SqlStore& expected, const SqlStore& actual);

// A whole championship in a test file: every event drawn and fenced, a Final Four bout,
// and standings rows with real numbers that must survive copying exactly.
void FillWholeChampionship(const TempChampionship& file);
