#include "roster/CsvText.h"

namespace {

bool isBlank(const QStringList& fields) {
    return fields.size() == 1 && fields.first().isEmpty();
}

}  // namespace

std::vector<CsvText::Record> CsvText::Parse(const QString& input, QString* error) {
    QString text = input;
    if (text.startsWith(QChar(0xFEFF))) {
        text.remove(0, 1);
    }
    std::vector<Record> records;
    Record current{1, {}};
    QString field;
    bool quoted = false;
    int line = 1;
    int quoteLine = 0;
    auto endRecord = [&](int nextLine) {
        current.fields << field;
        field.clear();
        if (!isBlank(current.fields)) {
            records.push_back(current);
        }
        current = Record{nextLine, {}};
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == QLatin1Char('"') && i + 1 < text.size() && text[i + 1] == QLatin1Char('"')) {
                field += c;
                ++i;
            } else if (c == QLatin1Char('"')) {
                quoted = false;
            } else {
                line += c == QLatin1Char('\n') ? 1 : 0;
                field += c;
            }
        } else if (c == QLatin1Char('"')) {
            quoted = true;
            quoteLine = line;
        } else if (c == QLatin1Char(',')) {
            current.fields << field;
            field.clear();
        } else if (c == QLatin1Char('\n')) {
            ++line;
            endRecord(line);
        } else if (c != QLatin1Char('\r')) {
            field += c;
        }
    }
    if (quoted) {
        if (error) {
            *error = QStringLiteral("line %1: a quoted field is not closed").arg(quoteLine);
        }
        return records;
    }
    endRecord(line);
    return records;
}

QString CsvText::Field(const QString& value) {
    const bool needsQuotes = value.contains(QLatin1Char(',')) || value.contains(QLatin1Char('"')) ||
                             value.contains(QLatin1Char('\n')) ||
                             value.contains(QLatin1Char('\r')) || value != value.trimmed();
    if (!needsQuotes) {
        return value;
    }
    QString escaped = value;
    escaped.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + escaped + QLatin1Char('"');
}

QString CsvText::Line(const QStringList& fields) {
    QStringList out;
    for (const QString& f : fields) {
        out << Field(f);
    }
    return out.join(QLatin1Char(','));
}
