#pragma once

#include "db/Database.h"
#include "db/Status.h"
#include "print/ReportRecord.h"

#include <QStringList>

// Builds a report's nested records: each level is one query, and the rows of a level are
// put under the parent rows whose key columns hold the same values.
namespace RecordQuery {

// Every row of the query, by column name. On an error the list is empty and *status says why.
QList<ReportRecord> Rows(const Database& db, const QString& sql, const SqlParams& params,
                         Status* status);

// Gives each parent the children whose `keys` columns equal its own, in the children's
// order. Children without a parent are dropped.
void Relate(QList<ReportRecord>& parents, const QList<ReportRecord>& children,
            const QStringList& keys);

// Groups rows by the values of `columns`, in order of first appearance: one parent per
// group holding those columns, with the group's rows as its children (SHAPE ... COMPUTE BY).
QList<ReportRecord> GroupBy(const QList<ReportRecord>& rows, const QStringList& columns);

}  // namespace RecordQuery
