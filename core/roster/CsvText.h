#pragma once

#include <QString>
#include <QStringList>
#include <vector>

// Comma-separated text: fields in double quotes may hold commas, line breaks and doubled
// quotes.
class CsvText final {
public:
    struct Record {
        int line = 0;  // the line on which the record starts, from 1
        QStringList fields;
    };

    // The records of `text`, blank lines skipped; on an unterminated quote returns what was
    // read before it and sets *error.
    static std::vector<Record> Parse(const QString& text, QString* error);
    // One field, quoted when it holds a comma, a quote, a line break or edge blanks.
    static QString Field(const QString& value);
    static QString Line(const QStringList& fields);
};
