#pragma once

#include "db/Result.h"
#include "db/SqlValue.h"
#include "db/Status.h"
#include "db/StoreDialect.h"

#include <QString>

// What every store of a championship does, a file or a server: run the program's SQL
// (written in the file's words) with bound parameters and read rows back.
class SqlStore {
public:
    virtual ~SqlStore() = default;

    virtual StoreKind kind() const = 0;
    // The file's path or the server's address, as the user sees it.
    virtual QString caption() const = 0;
    // Runs one statement with its parameters.
    virtual Status exec(const QString& sql, const SqlParams& params = {}) const = 0;
    // Runs statements without parameters, separated by semicolons (schema text).
    virtual Status execScript(const QString& sql) const = 0;
    // Every row of a query: none is an empty list, a failed read is the failure.
    virtual Result<SqlRows> rows(const QString& sql, const SqlParams& params = {}) const = 0;
};
