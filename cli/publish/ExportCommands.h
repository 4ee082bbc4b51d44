#pragma once

#include "CliOutput.h"
#include "CommandLine.h"

#include <QStringList>

// orle-cli export --db PATH --format fie (--event EVENT [--out FILE] | --events LIST
// [--out DIR]): events as FIE XML competitions for the other fencing programs.
int RunExportCommand(const CommandLine& args, const CliOutput& io);
// The lines under the command's usage in its help.
QStringList ExportDetails();
