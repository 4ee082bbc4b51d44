#pragma once

#include "db/Result.h"

#include <QDate>
#include <QString>

// A championship kept on a PostgreSQL server, named the way libpq names a database:
// postgresql://[user@]host[:port]/database[?options], with ?host=/folder for a server's
// Unix socket. A password never travels in it: it comes from ~/.pgpass or a service file,
// so none is stored in the settings or shown in a window's title.
class ServerUri final {
public:
    // Whether the text names a server championship rather than a championship file.
    static bool IsServerUri(const QString& text);

    // Reads the URI; refuses one that libpq cannot read, that holds a password or that
    // names no database, with the reason for the user.
    static Result<ServerUri> Parse(const QString& text);

    // What is handed to libpq.
    const QString& text() const { return m_text; }
    // The server database that holds the championship.
    const QString& databaseName() const { return m_database; }
    // What a window's title and the command line show for the championship.
    const QString& caption() const { return m_text; }
    // The year printed in report titles, read from the database's name as from a file's.
    QString championshipYear(const QDate& today) const;

private:
    ServerUri(const QString& text, const QString& database) : m_text(text), m_database(database) {}

    QString m_text;
    QString m_database;
};
