#pragma once

#include <QString>
#include <QTextStream>

// Exit codes of orle-cli: the work failed, or the command line itself was wrong.
inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;
// Typed text is quoted in a message no longer than this, so a pasted paragraph stays one line.
inline constexpr int kLongestQuotedWord = 80;

// Where a command writes its answer and its complaints; tests capture both.
struct CliOutput {
    QTextStream& out;
    QTextStream& err;
    // The usage of the command being run, shown under a usage error.
    QString usage = QStringLiteral("orle-cli COMMAND ... (orle-cli --help lists the commands)");
    // The command being run, as the change log names where a change came from.
    QString command = QStringLiteral("orle-cli");

    // Writes "orle-cli: <message>" to the error stream and returns the failure exit code.
    int fail(const QString& message) const {
        err << "orle-cli: " << message << Qt::endl;
        return kExitFailure;
    }
    // A command line the command cannot follow: the reason, then how to call it.
    int usageError(const QString& message) const {
        err << "orle-cli: " << message << Qt::endl;
        err << "usage: " << usage << Qt::endl;
        return kExitUsage;
    }
};
