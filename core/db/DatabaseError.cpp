#include "db/DatabaseError.h"

#include <sqlite3.h>
#include <QDir>
#include <QRegularExpression>

namespace DatabaseError {
namespace {

QString constraintCause(int extendedCode, const QString& engineMessage) {
    switch (extendedCode) {
        case SQLITE_CONSTRAINT_TRIGGER:
            // A rule a person wrote into the file, worded by that person.
            return engineMessage;
        case SQLITE_CONSTRAINT_FOREIGNKEY:
            return QStringLiteral(
                "the change refers to a fencer, school, event or bout that is not in the file, "
                "or removes one that other entries still use");
        case SQLITE_CONSTRAINT_PRIMARYKEY:
        case SQLITE_CONSTRAINT_UNIQUE:
            return QStringLiteral("an entry with the same number is already there");
        case SQLITE_CONSTRAINT_CHECK:
            return QStringLiteral("a value is outside what the championship file accepts");
        case SQLITE_CONSTRAINT_NOTNULL:
            return QStringLiteral("a required value is missing");
        default:
            return QStringLiteral("the change breaks one of the championship file's rules");
    }
}

// The engine words a missing part of the layout as "no such table: X" and the like.
QString layoutCause(const QString& engineMessage) {
    static const QRegularExpression missing(QStringLiteral("^no such (table|column|view): (\\S+)"));
    static const QRegularExpression noColumn(
        QStringLiteral("^table (\\S+) has no column named (\\S+)"));
    if (const auto match = missing.match(engineMessage); match.hasMatch()) {
        const QString kind = match.captured(1) == QLatin1String("view")
                                 ? QStringLiteral("stored query")
                                 : match.captured(1);
        return QStringLiteral(
                   "the file lacks the %1 %2; it was not made by this program or "
                   "it is damaged")
            .arg(kind, match.captured(2));
    }
    if (const auto match = noColumn.match(engineMessage); match.hasMatch()) {
        return QStringLiteral(
                   "the table %1 in the file lacks the column %2; it was not made by "
                   "this program or it is damaged")
            .arg(match.captured(1), match.captured(2));
    }
    return QStringLiteral("the file does not have the layout this program expects (%1)")
        .arg(engineMessage);
}

}  // namespace

QString ReadWhat() {
    return QStringLiteral("Could not read the championship file");
}

QString SaveWhat() {
    return QStringLiteral("Could not save to the championship file");
}

QString OpenWhat() {
    return QStringLiteral("Could not open the championship file");
}

QString Cause(int extendedCode, const QString& engineMessage) {
    switch (extendedCode & 0xff) {
        case SQLITE_BUSY:
        case SQLITE_LOCKED:
            return QStringLiteral(
                "the file is locked by another program (or another copy of this one) that is "
                "using it; try again when it has finished");
        case SQLITE_FULL:
            return QStringLiteral("the disk is full; free some space and try again");
        case SQLITE_READONLY:
            return QStringLiteral(
                "the file is read-only; check its permissions or copy it to a folder you may "
                "write to");
        case SQLITE_PERM:
        case SQLITE_AUTH:
            return QStringLiteral("you are not allowed to change the file");
        case SQLITE_CORRUPT:
            return QStringLiteral("the file is damaged");
        case SQLITE_NOTADB:
            return QStringLiteral("it is not a championship file (not an SQLite database)");
        case SQLITE_IOERR:
            return QStringLiteral(
                "the disk could not be read or written (a removed stick, a lost network "
                "drive or a failing disk)");
        case SQLITE_CANTOPEN:
            return QStringLiteral(
                "the file could not be opened (it is missing, or you may not read it)");
        case SQLITE_NOMEM:
            return QStringLiteral("the computer ran out of memory");
        case SQLITE_TOOBIG:
            return QStringLiteral("a value is too long to store");
        case SQLITE_MISMATCH:
            return QStringLiteral("a value has the wrong kind for its place in the file");
        case SQLITE_CONSTRAINT:
            return constraintCause(extendedCode, engineMessage);
        case SQLITE_INTERRUPT:
            return QStringLiteral("the work was interrupted");
        default:
            return layoutCause(engineMessage);
    }
}

QString Sentence(const QString& cause) {
    if (cause.isEmpty()) {
        return cause;
    }
    return cause.at(0).toUpper() + cause.mid(1) + QLatin1Char('.');
}

QString Message(const QString& what, const QString& path, const QString& cause) {
    if (path.isEmpty()) {
        return QStringLiteral("%1: %2.").arg(what, cause);
    }
    return QStringLiteral("%1 %2: %3.").arg(what, QDir::toNativeSeparators(path), cause);
}

QString PathOf(sqlite3* db) {
    const char* name = db ? sqlite3_db_filename(db, "main") : nullptr;
    return name ? QString::fromUtf8(name) : QString();
}

Status LastFailure(sqlite3* db, const QString& what) {
    const int code = db ? sqlite3_extended_errcode(db) : SQLITE_NOMEM;
    const QString engineMessage = QString::fromUtf8(db ? sqlite3_errmsg(db) : sqlite3_errstr(code));
    return Status::failure(Message(what, PathOf(db), Cause(code, engineMessage)));
}

}  // namespace DatabaseError
