#include "db/ServerError.h"

#include <libpq-fe.h>

namespace ServerError {
namespace {

// A connection failure libpq words in a known way, and what it means for the staff.
struct ConnectReason {
    const char* libpqWords;
    const char* cause;
};

const ConnectReason kConnectReasons[] = {
    {"No such file or directory",
     "no server is running there (its socket is missing); start the server or check the "
     "address"},
    {"Connection refused",
     "no server is accepting connections there; start it or check the "
     "address and port"},
    {"could not translate host name", "the server's name is unknown; check the address"},
    {"timeout expired", "the server did not answer in time; check the network"},
    {"password authentication failed", "the server refused the password from ~/.pgpass"},
    {"no password supplied", "the server wants a password; keep it in ~/.pgpass or a service file"},
    {"Peer authentication failed",
     "the server does not let this computer's user sign in as that user"},
    {"no pg_hba.conf entry", "the server does not accept this computer or user"},
};

// A server that went away mid-day: the staff wait for it or call whoever runs it.
QString LostCause() {
    return QStringLiteral("the server cannot be reached (the connection to it was lost)");
}

QString firstLine(const QString& text) {
    return text.trimmed().section(QLatin1Char('\n'), 0, 0);
}

// SQLSTATE classes and codes the staff can act on.
QString causeForCode(const QString& code) {
    if (code == QLatin1String("23505")) {
        return QStringLiteral("an entry with the same number is already there");
    }
    if (code == QLatin1String("23503")) {
        return QStringLiteral(
            "the change refers to a fencer, school, event or bout that is not in the "
            "championship, or removes one that other entries still use");
    }
    if (code == QLatin1String("23514")) {
        return QStringLiteral("a value is outside what the championship accepts");
    }
    if (code == QLatin1String("23502")) {
        return QStringLiteral("a required value is missing");
    }
    if (code == QLatin1String("40001") || code == QLatin1String("40P01")) {
        return QStringLiteral(
            "another station saved the same entries at the same moment; try again");
    }
    if (code == QLatin1String("42501")) {
        return QStringLiteral("you are not allowed to change the championship on the server");
    }
    if (code == QLatin1String("57014")) {
        return QStringLiteral("the work was interrupted");
    }
    if (code.startsWith(QLatin1String("08")) || code.startsWith(QLatin1String("57P"))) {
        return LostCause();
    }
    if (code.startsWith(QLatin1String("53"))) {
        return QStringLiteral("the server ran out of room (disk or memory)");
    }
    return QString();
}

}  // namespace

QString ConnectWhat() {
    return QStringLiteral("Could not connect to the championship server");
}

QString ReadWhat() {
    return QStringLiteral("Could not read the championship on the server");
}

QString SaveWhat() {
    return QStringLiteral("Could not save to the championship on the server");
}

QString ConnectCause(const QString& libpqMessage, const QString& database) {
    if (libpqMessage.contains(QStringLiteral("database \"%1\" does not exist").arg(database))) {
        return QStringLiteral("the server has no database %1; create it first (createdb %1)")
            .arg(database);
    }
    if (libpqMessage.contains(QLatin1String("role \"")) &&
        libpqMessage.contains(QLatin1String("does not exist"))) {
        return QStringLiteral("the server has no user of that name");
    }
    for (const ConnectReason& reason : kConnectReasons) {
        if (libpqMessage.contains(QLatin1String(reason.libpqWords))) {
            return QString::fromUtf8(reason.cause);
        }
    }
    return QStringLiteral("the server refused the connection (%1)").arg(firstLine(libpqMessage));
}

QString StatementCause(const QString& sqlState, const QString& serverMessage) {
    const QString cause = causeForCode(sqlState);
    if (!cause.isEmpty()) {
        return cause;
    }
    // The server names the missing table or column between double quotes, as the program
    // spells it where it quotes it.
    const QString missing = serverMessage.section(QLatin1Char('"'), 1, 1);
    if (sqlState == QLatin1String("42P01")) {
        return QStringLiteral(
                   "the championship on the server has no table %1, which this "
                   "program needs")
            .arg(missing);
    }
    if (sqlState == QLatin1String("42703")) {
        return QStringLiteral(
                   "the championship on the server has no column %1, which this "
                   "program needs")
            .arg(missing);
    }
    return QStringLiteral("the server refused the request (%1)").arg(firstLine(serverMessage));
}

QString CauseOf(const pg_conn* connection, const pg_result* result) {
    if (result == nullptr || PQstatus(connection) != CONNECTION_OK) {
        return LostCause();
    }
    const char* state = PQresultErrorField(result, PG_DIAG_SQLSTATE);
    const char* primary = PQresultErrorField(result, PG_DIAG_MESSAGE_PRIMARY);
    return StatementCause(QString::fromUtf8(state ? state : ""),
                          QString::fromUtf8(primary ? primary : PQresultErrorMessage(result)));
}

}  // namespace ServerError
