#include "db/SqlValue.h"

SqlValue::SqlValue(const SqlValue& other) = default;
SqlValue::SqlValue(SqlValue&& other) noexcept = default;
SqlValue& SqlValue::operator=(const SqlValue& other) = default;
SqlValue& SqlValue::operator=(SqlValue&& other) noexcept = default;
SqlValue::~SqlValue() = default;

QString SqlValue::toDisplayText() const {
    if (const auto* number = std::get_if<std::int64_t>(&m_value)) {
        return QString::number(*number);
    }
    if (const auto* real = std::get_if<double>(&m_value)) {
        return QString::number(*real, 'g', 17);
    }
    if (const auto* text = std::get_if<QString>(&m_value)) {
        return text->isNull() ? QStringLiteral("''")
                              : QLatin1Char('\'') + *text + QLatin1Char('\'');
    }
    return QStringLiteral("NULL");
}
