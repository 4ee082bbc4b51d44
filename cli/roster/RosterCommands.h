#pragma once

#include "CliOutput.h"
#include "CommandLine.h"

// orle-cli roster import --db PATH FILE.csv | roster export --db PATH [--event N]
int RunRosterCommand(const CommandLine& args, const CliOutput& io);
// orle-cli draw --db PATH --event N [--seed S]: draws and saves one event's groups.
int RunDrawCommand(const CommandLine& args, const CliOutput& io);
