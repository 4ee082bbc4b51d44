#pragma once

#include <QString>
#include <QTextStream>

// Where a command writes its answer and its complaints; tests capture both.
struct CliOutput {
    QTextStream& out;
    QTextStream& err;

    // Writes "orle-cli: <message>" to the error stream and returns the failure exit code.
    int fail(const QString& message) const {
        err << "orle-cli: " << message << Qt::endl;
        return 1;
    }
};
