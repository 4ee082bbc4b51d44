#include "db/StoreDialect.h"

#include <QHash>

namespace StoreDialect {
namespace {

QString quoted(const QString& name) {
    return QLatin1Char('"') + name + QLatin1Char('"');
}

// The file's SQL functions and the server's names for them.
const QHash<QString, QString>& serverFunctions() {
    static const QHash<QString, QString> functions = {
        {QStringLiteral("ifnull"), QStringLiteral("coalesce")},
        {QStringLiteral("ucase"), QStringLiteral("upper")},
    };
    return functions;
}

bool isWordChar(QChar c) {
    return c.isLetterOrNumber() || c == QLatin1Char('_');
}

// Copies a quoted run (text or a name) starting at `at`; a doubled quote stays inside it.
qsizetype quotedRunEnd(const QString& sql, qsizetype at) {
    const QChar quote = sql.at(at);
    qsizetype i = at + 1;
    while (i < sql.size()) {
        if (sql.at(i) == quote) {
            if (i + 1 < sql.size() && sql.at(i + 1) == quote) {
                i += 2;
                continue;
            }
            return i + 1;
        }
        ++i;
    }
    return i;
}

// Turns the SQL into the server's words one piece at a time.
class ServerWords {
public:
    explicit ServerWords(const QString& sql) : m_sql(sql) {}

    QString translate() {
        qsizetype i = 0;
        while (i < m_sql.size()) {
            const QChar c = m_sql.at(i);
            if (c == QLatin1Char('\'')) {
                i = copyRun(i, quotedRunEnd(m_sql, i), false);
            } else if (c == QLatin1Char('"')) {
                i = copyRun(i, quotedRunEnd(m_sql, i), true);
            } else if (c == QLatin1Char('?')) {
                i = parameter(i + 1);
            } else if (c.isLetter() || c == QLatin1Char('_')) {
                i = word(i);
            } else {
                m_out += c;
                ++i;
            }
        }
        return m_out;
    }

private:
    qsizetype copyRun(qsizetype from, qsizetype to, bool lowerCase) {
        const QString run = m_sql.mid(from, to - from);
        m_out += lowerCase ? run.toLower() : run;
        return to;
    }

    // ?N keeps its number; a bare ? takes the next one after the highest so far.
    qsizetype parameter(qsizetype i) {
        qsizetype end = i;
        while (end < m_sql.size() && m_sql.at(end).isDigit()) {
            ++end;
        }
        const int number = end > i ? m_sql.mid(i, end - i).toInt() : m_highest + 1;
        m_highest = std::max(m_highest, number);
        m_out += QLatin1Char('$') + QString::number(number);
        return end;
    }

    qsizetype word(qsizetype i) {
        qsizetype end = i;
        while (end < m_sql.size() && isWordChar(m_sql.at(end))) {
            ++end;
        }
        const QString text = m_sql.mid(i, end - i);
        const auto function = serverFunctions().constFind(text.toLower());
        m_out += function != serverFunctions().constEnd() && followedByParenthesis(end) ? *function
                                                                                        : text;
        return end;
    }

    bool followedByParenthesis(qsizetype i) const {
        while (i < m_sql.size() && m_sql.at(i).isSpace()) {
            ++i;
        }
        return i < m_sql.size() && m_sql.at(i) == QLatin1Char('(');
    }

    const QString& m_sql;
    QString m_out;
    int m_highest = 0;
};

}  // namespace

QString Name(StoreKind store, const char* name) {
    const QString text = QLatin1String(name);
    return quoted(store == StoreKind::Server ? text.toLower() : text);
}

QString ColumnType(StoreKind store, ::ColumnType type) {
    const bool server = store == StoreKind::Server;
    switch (type) {
        case ::ColumnType::Byte:
        case ::ColumnType::Integer:
        case ::ColumnType::YesNo:
            return server ? QStringLiteral("integer") : QStringLiteral("INTEGER");
        case ::ColumnType::Single:
        case ::ColumnType::Double:
            // The file keeps every real number in eight bytes; so does the server, so that
            // a championship copied there and back keeps every number exactly.
            return server ? QStringLiteral("double precision") : QStringLiteral("REAL");
        case ::ColumnType::Text:
            // Names and schools compare and sort without regard to case on both stores.
            return server ? QStringLiteral("citext") : QStringLiteral("TEXT COLLATE NOCASE");
    }
    return QString();
}

QString TableOptions(StoreKind store) {
    return store == StoreKind::File ? QStringLiteral(" STRICT") : QString();
}

QString PrimaryKeyName(StoreKind store, const TableDef& table) {
    if (store == StoreKind::File) {
        return QStringLiteral("PrimaryKey");
    }
    return quoted(QString::fromLatin1(table.name).toLower() + QStringLiteral(".primarykey"));
}

bool RelationsInsideTables(StoreKind store) {
    return store == StoreKind::File;
}

QStringList SetupStatements(StoreKind store) {
    if (store == StoreKind::File) {
        return {};
    }
    // citext is a trusted extension: the owner of the database may add it.
    return {QStringLiteral("CREATE EXTENSION IF NOT EXISTS citext")};
}

QString Always(StoreKind store) {
    return store == StoreKind::File ? QStringLiteral("1") : QStringLiteral("true");
}

QString Differs(StoreKind store, const QString& a, const QString& b) {
    return QStringLiteral("%1 %2 %3")
        .arg(a,
             store == StoreKind::File ? QStringLiteral("IS NOT")
                                      : QStringLiteral("IS DISTINCT FROM"),
             b);
}

QString Same(StoreKind store, const QString& a, const QString& b) {
    return QStringLiteral("%1 %2 %3")
        .arg(a,
             store == StoreKind::File ? QStringLiteral("IS")
                                      : QStringLiteral("IS NOT DISTINCT FROM"),
             b);
}

QString Smaller(StoreKind store, const QString& a, const QString& b) {
    return QStringLiteral("%1(%2, %3)")
        .arg(store == StoreKind::File ? QStringLiteral("min") : QStringLiteral("least"), a, b);
}

QString Larger(StoreKind store, const QString& a, const QString& b) {
    return QStringLiteral("%1(%2, %3)")
        .arg(store == StoreKind::File ? QStringLiteral("max") : QStringLiteral("greatest"), a, b);
}

QString Position(StoreKind store, const QString& text, const QString& part) {
    return QStringLiteral("%1(%2, %3)")
        .arg(store == StoreKind::File ? QStringLiteral("instr") : QStringLiteral("strpos"), text,
             part);
}

QString AsText(StoreKind store, const QString& number) {
    return store == StoreKind::File ? number : QStringLiteral("CAST(%1 AS text)").arg(number);
}

QString UtcNowText(StoreKind store) {
    return store == StoreKind::File
               ? QStringLiteral("strftime('%Y-%m-%d %H:%M:%S', 'now')")
               : QStringLiteral(
                     "to_char(statement_timestamp() AT TIME ZONE 'UTC', 'YYYY-MM-DD HH24:MI:SS')");
}

QString ServerSql(const QString& sql) {
    return ServerWords(sql).translate();
}

}  // namespace StoreDialect
