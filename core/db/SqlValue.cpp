#include "db/SqlValue.h"

SqlValue::SqlValue(const SqlValue& other) = default;
SqlValue::SqlValue(SqlValue&& other) noexcept = default;
SqlValue& SqlValue::operator=(const SqlValue& other) = default;
SqlValue& SqlValue::operator=(SqlValue&& other) noexcept = default;
SqlValue::~SqlValue() = default;
