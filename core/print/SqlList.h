#pragma once

#include "db/Database.h"

#include <QList>
#include <QStringList>

// Binding a list of numbers to "IN (...)": one placeholder per value.
inline QString SqlPlaceholders(qsizetype count) {
    QStringList marks;
    for (qsizetype i = 0; i < count; ++i) {
        marks << QStringLiteral("?");
    }
    return marks.join(QLatin1Char(','));
}

inline void AppendParams(SqlParams& params, const QList<int>& values) {
    for (int value : values) {
        params.push_back(value);
    }
}
