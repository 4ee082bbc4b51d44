#pragma once

#include "db/PgConnection.h"
#include "db/SqlValue.h"
#include "db/Status.h"

#include <QHash>
#include <QString>
#include <memory>

// A statement on a championship server, read as a Statement is: its values are bound one by
// one and it runs at the first step, so a loop over its rows reads the same on both stores.
class ServerStatement final {
public:
    ServerStatement(const PgConnection& server, const QString& sql, const SqlParams& params);

    bool ok() const { return m_failure.isEmpty(); }
    // What failed, the server and why; empty while ok().
    const QString& failure() const { return m_failure; }

    void bind(int index, const SqlValue& value);
    // Runs the statement at the first call; false at the end or on a failure (see ok()).
    bool next();
    // Forgets the rows and the values, ready to run again.
    void reset();

    int columnCount() const;
    // The column's name as the program spells it (the server folds names to lower case).
    QString columnName(int column) const;
    // The row reached by next(), read as the server's rows are.
    const PgRows& row() const { return *m_rows; }

private:
    const PgConnection& m_server;
    QString m_sql;
    SqlParams m_params;
    std::unique_ptr<PgRows> m_rows;
    QString m_failure;
    // The program's spelling of the columns' names, found at the first question.
    mutable std::unique_ptr<QHash<QString, QString>> m_spellings;
};
