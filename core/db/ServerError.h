#pragma once

#include <QString>

struct pg_conn;
struct pg_result;

// Failures of a championship server in words the scoring table staff understand: what could
// not be done, which server, and why; libpq's own text only ever as detail after that.
namespace ServerError {

QString ConnectWhat();
QString ReadWhat();
QString SaveWhat();

// Why a connection could not be made, from libpq's account of it.
QString ConnectCause(const QString& libpqMessage, const QString& database);

// Why a statement failed, from the server's SQLSTATE code and its primary message.
QString StatementCause(const QString& sqlState, const QString& serverMessage);

// The cause of a failed result (or of a lost connection when there is no result).
QString CauseOf(const pg_conn* connection, const pg_result* result);

}  // namespace ServerError
