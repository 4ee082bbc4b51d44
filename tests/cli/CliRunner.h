#pragma once

#include <QString>
#include <QStringList>

// Runs orle-cli in-process and keeps what it wrote.
struct CliRun {
    int exitCode = 0;
    QString out;
    QString err;
};

CliRun RunCli(const QStringList& words);
