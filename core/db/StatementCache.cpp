#include "db/StatementCache.h"

#include <sqlite3.h>

StatementCache::~StatementCache() {
    for (auto& [sql, statements] : m_idle) {
        for (sqlite3_stmt* statement : statements) {
            sqlite3_finalize(statement);
        }
    }
}

sqlite3_stmt* StatementCache::take(const QString& sql) {
    const auto found = m_idle.find(sql);
    if (found == m_idle.end() || found->second.empty()) {
        return nullptr;
    }
    sqlite3_stmt* statement = found->second.back();
    found->second.pop_back();
    return statement;
}

void StatementCache::give(const QString& sql, sqlite3_stmt* statement) {
    sqlite3_reset(statement);
    sqlite3_clear_bindings(statement);
    std::vector<sqlite3_stmt*>& kept = m_idle[sql];
    if (kept.size() >= kKeptPerText) {
        sqlite3_finalize(statement);
        return;
    }
    kept.push_back(statement);
}
