#pragma once

#include <QString>
#include <QVariant>
#include <cstdint>
#include <variant>
#include <vector>

// One value bound to a statement parameter; a Yes/No flag binds as -1/0, as stored.
class SqlValue final {
public:
    SqlValue() = default;
    SqlValue(std::nullptr_t) {}
    SqlValue(int v) : m_value(static_cast<std::int64_t>(v)) {}
    SqlValue(unsigned v) : m_value(static_cast<std::int64_t>(v)) {}
    SqlValue(long v) : m_value(static_cast<std::int64_t>(v)) {}
    SqlValue(long long v) : m_value(static_cast<std::int64_t>(v)) {}
    SqlValue(bool yes) : m_value(static_cast<std::int64_t>(yes ? -1 : 0)) {}
    SqlValue(double v) : m_value(v) {}
    SqlValue(const QString& v) : m_value(v) {}
    SqlValue(const char* v) : m_value(QString::fromUtf8(v)) {}
    // Copies are made out of line: inlined into a brace list of numbers, the copy of the
    // variant makes GCC 12 at -O3 warn that the text a number never holds may be unset.
    SqlValue(const SqlValue& other);
    SqlValue(SqlValue&& other) noexcept;
    SqlValue& operator=(const SqlValue& other);
    SqlValue& operator=(SqlValue&& other) noexcept;
    ~SqlValue();

    bool isNull() const { return std::holds_alternative<std::monostate>(m_value); }
    // Same kind and same value: a number read back from either store equals the one written.
    bool operator==(const SqlValue& other) const { return m_value == other.m_value; }
    // The value as a person reads it, "NULL" for none (for checks and messages).
    QString toDisplayText() const;
    const std::variant<std::monostate, std::int64_t, double, QString>& value() const {
        return m_value;
    }

private:
    std::variant<std::monostate, std::int64_t, double, QString> m_value;
};

using SqlParams = std::vector<SqlValue>;
// One row read back, its values in the order of the query's columns.
using SqlRow = std::vector<SqlValue>;
using SqlRows = std::vector<SqlRow>;
