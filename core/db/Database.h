#pragma once

#include "db/Statement.h"
#include "db/Status.h"

#include <QString>
#include <memory>
#include <optional>

struct sqlite3;

// One open connection to a championship file, with the settings every connection needs.
class Database final {
public:
    enum class Mode { ExistingFile, CreateFile };

    // Opens the file; on failure returns null and sets *error to the reason.
    static std::unique_ptr<Database> open(const QString& path, Mode mode, QString* error);
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    const QString& path() const { return m_path; }
    sqlite3* handle() const { return m_db; }

    Statement prepare(const QString& sql, const SqlParams& params = {}) const;
    // Runs one statement with its parameters.
    Status exec(const QString& sql, const SqlParams& params = {}) const;
    // Runs statements without parameters, separated by semicolons (schema text).
    Status execScript(const QString& sql) const;
    // The first column of the first row, or nothing when there is no row or an error.
    std::optional<long long> queryInt(const QString& sql, const SqlParams& params = {}) const;
    std::optional<QString> queryText(const QString& sql, const SqlParams& params = {}) const;

private:
    Database(sqlite3* db, const QString& path) : m_db(db), m_path(path) {}
    Status configure() const;

    sqlite3* m_db = nullptr;
    QString m_path;
};
