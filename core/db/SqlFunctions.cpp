#include "db/SqlFunctions.h"

#include <sqlite3.h>
#include <QString>

namespace {

void upperCase(sqlite3_context* context, int, sqlite3_value** args) {
    if (sqlite3_value_type(args[0]) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return;
    }
    const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(args[0]));
    const QByteArray upper =
        QString::fromUtf8(text, sqlite3_value_bytes(args[0])).toUpper().toUtf8();
    sqlite3_result_text(context, upper.constData(), static_cast<int>(upper.size()),
                        SQLITE_TRANSIENT);
}

}  // namespace

void RegisterSqlFunctions(sqlite3* db) {
    sqlite3_create_function_v2(db, "UCASE", 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr,
                               upperCase, nullptr, nullptr, nullptr);
}
