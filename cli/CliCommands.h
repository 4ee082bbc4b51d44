#pragma once

#include "CliOutput.h"

#include <QStringList>

// Runs one orle-cli command line (without the program name); returns the exit code.
// Besides the commands: --help, --version, help [COMMAND] and COMMAND --help.
int RunCliCommand(const QStringList& words, const CliOutput& io);

// Whether the command line draws pages (and so needs a GUI application to measure fonts);
// every other command runs on a core application, without any display.
bool CliCommandDraws(const QStringList& words);
