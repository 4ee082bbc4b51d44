#pragma once

#include "db/Result.h"
#include "db/SqlValue.h"

#include <optional>

// Reads every store's rows the same way: a file's Statement and a server's PgRows both step
// with next(), tell a failure from the end with ok() and status(), and read columns alike.
namespace ReadRows {

// The first column of the first row; nothing when there is no row or it is null.
template <class Rows>
Result<std::optional<long long>> FirstInt(Rows& rows) {
    if (!rows.next()) {
        if (!rows.ok()) {
            return rows.status();
        }
        return std::optional<long long>();
    }
    if (rows.isNull(0)) {
        return std::optional<long long>();
    }
    return std::optional<long long>(rows.toInt64(0));
}

// Every row with every column, or the failure that ended the reading.
template <class Rows>
Result<SqlRows> All(Rows& rows) {
    SqlRows found;
    while (rows.next()) {
        SqlRow row;
        for (int column = 0; column < rows.columnCount(); ++column) {
            row.push_back(rows.value(column));
        }
        found.push_back(std::move(row));
    }
    if (!rows.ok()) {
        return rows.status();
    }
    return found;
}

}  // namespace ReadRows
