#include "db/StoreDialect.h"

#include "db/StoredViews.h"

#include <QHash>
#include <QRegularExpression>
#include <vector>

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
        translateRange(0, m_sql.size());
        return m_out;
    }

private:
    void translateRange(qsizetype from, qsizetype to) {
        qsizetype i = from;
        while (i < to) {
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
    }

    // The end of the parenthesised run opening at `open` (after its closing parenthesis).
    qsizetype closingEnd(qsizetype open) const {
        int depth = 0;
        qsizetype i = open;
        while (i < m_sql.size()) {
            const QChar c = m_sql.at(i);
            if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
                i = quotedRunEnd(m_sql, i);
                continue;
            }
            if (c == QLatin1Char('(')) {
                ++depth;
            } else if (c == QLatin1Char(')') && --depth == 0) {
                return i + 1;
            }
            ++i;
        }
        return i;
    }

    // CAST(x AS REAL) and CAST(x AS INTEGER) read text the file's way (its leading number,
    // else 0) and cut a real number's fraction off instead of rounding it, through the
    // server's functions made for that.
    qsizetype cast(qsizetype open) {
        const qsizetype end = closingEnd(open);
        const QString inside = m_sql.mid(open + 1, end - open - 2);
        static const QRegularExpression type(QStringLiteral("\\s+AS\\s+(REAL|INTEGER)\\s*$"),
                                             QRegularExpression::CaseInsensitiveOption);
        const QRegularExpressionMatch match = type.match(inside);
        if (!match.hasMatch()) {
            m_out += QStringLiteral("CAST");
            return open;
        }
        m_out += match.captured(1).toUpper() == QLatin1String("REAL")
                     ? QStringLiteral("orle_real(")
                     : QStringLiteral("orle_integer(");
        translateRange(open + 1, open + 1 + match.capturedStart());
        m_out += QLatin1Char(')');
        return end;
    }

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
        if (text.compare(QLatin1String("CAST"), Qt::CaseInsensitive) == 0 &&
            followedByParenthesis(end)) {
            return cast(m_sql.indexOf(QLatin1Char('('), end));
        }
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

// The file sorts nulls before every value and the server after them. Each sort key of an
// ORDER BY is told where its nulls go, so that rows come in the file's order on both stores
// (a school without a name heads its list on either).
class FileNullOrder {
public:
    explicit FileNullOrder(const QString& sql) : m_sql(sql) {}

    QString apply() {
        qsizetype i = 0;
        while (i < m_sql.size()) {
            const QChar c = m_sql.at(i);
            if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
                const qsizetype end = quotedRunEnd(m_sql, i);
                m_out += m_sql.mid(i, end - i);
                m_lastWord.clear();
                i = end;
            } else if (c.isLetter() || c == QLatin1Char('_')) {
                i = word(i);
            } else {
                punctuation(c);
                ++i;
            }
        }
        endClause();
        return m_out;
    }

private:
    bool inClause() const { return !m_clauses.empty() && m_clauses.back() == m_depth; }

    qsizetype word(qsizetype i) {
        qsizetype end = i;
        while (end < m_sql.size() && isWordChar(m_sql.at(end))) {
            ++end;
        }
        const QString text = m_sql.mid(i, end - i).toUpper();
        static const QStringList clauseEnds = {QStringLiteral("LIMIT"), QStringLiteral("OFFSET"),
                                               QStringLiteral("FETCH"), QStringLiteral("FOR")};
        if (inClause() && clauseEnds.contains(text)) {
            endClause();
        }
        m_out += m_sql.mid(i, end - i);
        if (text == QLatin1String("NULLS")) {
            m_keyHasNulls = true;
        }
        if (text == QLatin1String("BY") && m_lastWord == QLatin1String("ORDER")) {
            m_clauses.push_back(m_depth);
            startKey();
        }
        m_lastWord = text;
        return end;
    }

    void punctuation(QChar c) {
        if (c == QLatin1Char('(')) {
            ++m_depth;
        } else if (c == QLatin1Char(')')) {
            if (inClause()) {
                endClause();
            }
            --m_depth;
        } else if (c == QLatin1Char(',') && inClause()) {
            endKey();
            m_out += c;
            startKey();
            return;
        } else if (c == QLatin1Char(';')) {
            endClause();
        }
        if (!c.isSpace()) {
            m_lastWord.clear();
        }
        m_out += c;
    }

    void startKey() {
        m_keyHasNulls = false;
        m_lastWord.clear();
    }

    void endKey() {
        if (!m_keyHasNulls) {
            qsizetype end = m_out.size();
            while (end > 0 && m_out.at(end - 1).isSpace()) {
                --end;
            }
            m_out.insert(end, m_lastWord == QLatin1String("DESC") ? QStringLiteral(" NULLS LAST")
                                                                  : QStringLiteral(" NULLS FIRST"));
        }
        m_keyHasNulls = true;
    }

    void endClause() {
        if (inClause()) {
            endKey();
            m_clauses.pop_back();
        }
    }

    const QString& m_sql;
    QString m_out;
    QString m_lastWord;
    std::vector<int> m_clauses;  // the depths of the ORDER BY clauses still open
    int m_depth = 0;
    bool m_keyHasNulls = false;
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
    // citext is a trusted extension: the owner of the database may add it. The functions
    // give the server the file's conversions (see ServerSql) and its printf('%.Nf', x).
    return {
        QStringLiteral("CREATE EXTENSION IF NOT EXISTS citext"),
        QStringLiteral("CREATE OR REPLACE FUNCTION orle_real(v double precision) RETURNS double "
                       "precision LANGUAGE sql IMMUTABLE AS 'SELECT v'"),
        QStringLiteral("CREATE OR REPLACE FUNCTION orle_real(v numeric) RETURNS double precision "
                       "LANGUAGE sql IMMUTABLE AS 'SELECT v::double precision'"),
        QStringLiteral("CREATE OR REPLACE FUNCTION orle_real(v bigint) RETURNS double precision "
                       "LANGUAGE sql IMMUTABLE AS 'SELECT v::double precision'"),
        // The leading number of a text, as the file reads "12b" as 12 and "B" as 0.
        QStringLiteral(
            "CREATE OR REPLACE FUNCTION orle_real(v text) RETURNS double precision "
            "LANGUAGE sql IMMUTABLE AS $$SELECT coalesce(substring(v from "
            "'^\\s*([-+]{0,1}([0-9]+[.]{0,1}[0-9]*|[.][0-9]+)([eE][-+]{0,1}[0-9]+){0,1})'"
            ")::double precision, 0)$$"),
        QStringLiteral("CREATE OR REPLACE FUNCTION orle_integer(v double precision) RETURNS bigint "
                       "LANGUAGE sql IMMUTABLE AS 'SELECT trunc(v)::bigint'"),
        QStringLiteral("CREATE OR REPLACE FUNCTION orle_integer(v numeric) RETURNS bigint "
                       "LANGUAGE sql IMMUTABLE AS 'SELECT trunc(v)::bigint'"),
        QStringLiteral("CREATE OR REPLACE FUNCTION orle_integer(v bigint) RETURNS bigint "
                       "LANGUAGE sql IMMUTABLE AS 'SELECT v'"),
        QStringLiteral("CREATE OR REPLACE FUNCTION orle_integer(v text) RETURNS bigint "
                       "LANGUAGE sql IMMUTABLE AS 'SELECT trunc(orle_real(v))::bigint'"),
        QStringLiteral("CREATE OR REPLACE FUNCTION printf(f text, v double precision) RETURNS "
                       "text LANGUAGE sql IMMUTABLE AS $$SELECT round(v::numeric, "
                       "substring(f from '^%[.]([0-9]+)f$')::integer)::text$$"),
    };
}

namespace {

// The file's word or the server's for the same thing.
QString WordFor(StoreKind store, const char* fileWord, const char* serverWord) {
    return QLatin1String(store == StoreKind::File ? fileWord : serverWord);
}

QString Between(const QString& a, const QString& word, const QString& b) {
    return QStringLiteral("%1 %2 %3").arg(a, word, b);
}

QString Call(const QString& function, const QString& a, const QString& b) {
    return QStringLiteral("%1(%2, %3)").arg(function, a, b);
}

}  // namespace

QString Always(StoreKind store) {
    return WordFor(store, "1", "true");
}

QString Differs(StoreKind store, const QString& a, const QString& b) {
    return Between(a, WordFor(store, "IS NOT", "IS DISTINCT FROM"), b);
}

QString Same(StoreKind store, const QString& a, const QString& b) {
    return Between(a, WordFor(store, "IS", "IS NOT DISTINCT FROM"), b);
}

QString Smaller(StoreKind store, const QString& a, const QString& b) {
    return Call(WordFor(store, "min", "least"), a, b);
}

QString Larger(StoreKind store, const QString& a, const QString& b) {
    return Call(WordFor(store, "max", "greatest"), a, b);
}

QString Position(StoreKind store, const QString& text, const QString& part) {
    return Call(WordFor(store, "instr", "strpos"), text, part);
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
    return FileNullOrder(ServerWords(sql).translate()).apply();
}

}  // namespace StoreDialect

namespace StoreDialect {

QString ObjectCountSql(StoreKind store, ObjectType type) {
    const bool table = type == ObjectType::Table;
    if (store == StoreKind::File) {
        return QStringLiteral(
                   "SELECT count(*) FROM sqlite_schema WHERE type = '%1' AND name = ?1 "
                   "COLLATE NOCASE")
            .arg(table ? QLatin1String("table") : QLatin1String("view"));
    }
    return QStringLiteral(
               "SELECT count(*) FROM information_schema.tables WHERE table_schema = "
               "current_schema() AND table_type = '%1' AND table_name = lower(?1)")
        .arg(table ? QLatin1String("BASE TABLE") : QLatin1String("VIEW"));
}

}  // namespace StoreDialect

namespace StoreDialect {
namespace {

// Every word of the SQL that could name a column, by its lower-case form.
void addWords(const QString& sql, QHash<QString, QString>& names) {
    static const QRegularExpression word(QStringLiteral("\"([^\"]+)\"|([A-Za-z_][A-Za-z0-9_#]*)"));
    for (auto it = word.globalMatch(sql); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        const QString name = match.hasCaptured(1) ? match.captured(1) : match.captured(2);
        names.insert(name.toLower(), name);
    }
}

// The columns of the championship's tables and stored queries as the program spells them.
const QHash<QString, QString>& schemaNames() {
    static const QHash<QString, QString> names = [] {
        QHash<QString, QString> all;
        for (const StoredView& view : ChampionshipViews()) {
            addWords(view.sql, all);
        }
        for (const TableDef& table : ChampionshipTables()) {
            for (const ColumnDef& column : table.columns) {
                all.insert(QString::fromLatin1(column.name).toLower(),
                           QString::fromLatin1(column.name));
            }
        }
        return all;
    }();
    return names;
}

}  // namespace

QHash<QString, QString> ColumnSpellings(const QString& sql) {
    QHash<QString, QString> names = schemaNames();
    addWords(sql, names);
    return names;
}

}  // namespace StoreDialect
