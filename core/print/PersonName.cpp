#include "print/PersonName.h"

#include <QStringList>

namespace PersonName {

namespace {

// Names end at a blank, a comma before the given name or the school in parentheses.
bool wordEdge(const QString& text, qsizetype at) {
    if (at <= 0 || at >= text.size()) {
        return true;
    }
    const QChar c = text.at(at);
    return c.isSpace() || c == QLatin1Char(',') || c == QLatin1Char('(') || c == QLatin1Char(')');
}

QString initial(const QString& word) {
    QStringList parts;
    for (const QString& part : word.split(QLatin1Char('-'), Qt::SkipEmptyParts)) {
        parts << part.left(1) + QLatin1Char('.');
    }
    return parts.join(QLatin1Char('-'));
}

}  // namespace

QString Initials(const QString& given) {
    QStringList out;
    for (const QString& word : given.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        out << initial(word);
    }
    return out.join(QLatin1Char(' '));
}

QString WithInitials(const QString& text, const QString& given) {
    const QString name = given.simplified();
    if (name.isEmpty()) {
        return QString();
    }
    for (qsizetype at = text.indexOf(name); at >= 0; at = text.indexOf(name, at + 1)) {
        // A given name inside the family name ("John" in "Johnson") is not the given name.
        if (wordEdge(text, at - 1) && wordEdge(text, at + name.size())) {
            QString out = text;
            return out.replace(at, name.size(), Initials(name));
        }
    }
    return QString();
}

void AddInitialled(QList<ReportRecord>& rows, const QString& column, const QString& givenColumn,
                   const QString& shortColumn) {
    for (ReportRecord& row : rows) {
        row.values.insert(shortColumn, WithInitials(row.value(column), row.value(givenColumn)));
    }
}

}  // namespace PersonName
