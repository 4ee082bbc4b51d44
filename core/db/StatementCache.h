#pragma once

#include <QString>
#include <map>
#include <vector>

struct sqlite3_stmt;

// Prepared statements of one connection kept for their next use. Preparing a statement on a
// table with triggers compiles the triggers too, which costs more than running it, so the
// statements of every save are prepared once per connection.
class StatementCache final {
public:
    StatementCache() = default;
    ~StatementCache();
    StatementCache(const StatementCache&) = delete;
    StatementCache& operator=(const StatementCache&) = delete;

    // A statement of this text kept earlier, ready to bind; null when there is none.
    sqlite3_stmt* take(const QString& sql);
    // Keeps a statement that has finished (it is reset and its values cleared here).
    void give(const QString& sql, sqlite3_stmt* statement);

private:
    // Statements used at the same time (a read inside a read) each keep their own.
    static constexpr size_t kKeptPerText = 4;

    std::map<QString, std::vector<sqlite3_stmt*>> m_idle;
};
