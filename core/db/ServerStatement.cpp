#include "db/ServerStatement.h"

#include "db/StoreDialect.h"

ServerStatement::ServerStatement(const PgConnection& server, const QString& sql,
                                 const SqlParams& params)
    : m_server(server), m_sql(sql), m_params(params) {}

void ServerStatement::bind(int index, const SqlValue& value) {
    const auto at = static_cast<size_t>(index - 1);
    if (m_params.size() <= at) {
        m_params.resize(at + 1);
    }
    m_params[at] = value;
}

bool ServerStatement::next() {
    if (!ok()) {
        return false;
    }
    if (!m_rows) {
        m_rows = std::make_unique<PgRows>(m_server.query(m_sql, m_params));
        if (!m_rows->ok()) {
            m_failure = m_rows->status().message();
            return false;
        }
    }
    return m_rows->next();
}

void ServerStatement::reset() {
    m_rows.reset();
    m_params.clear();
    m_failure.clear();
}

int ServerStatement::columnCount() const {
    return m_rows ? m_rows->columnCount() : 0;
}

QString ServerStatement::columnName(int column) const {
    if (!m_spellings) {
        m_spellings =
            std::make_unique<QHash<QString, QString>>(StoreDialect::ColumnSpellings(m_sql));
    }
    const QString name = m_rows->columnName(column);
    return m_spellings->value(name, name);
}
