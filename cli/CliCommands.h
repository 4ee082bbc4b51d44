#pragma once

#include "CliOutput.h"

#include <QStringList>

// Runs one orle-cli command line (without the program name); returns the exit code.
int RunCliCommand(const QStringList& words, const CliOutput& io);
