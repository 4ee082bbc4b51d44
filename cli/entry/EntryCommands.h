#pragma once

#include "CliOutput.h"
#include "CommandLine.h"

// orle-cli bout --db PATH --event N --left A --right B --score TEXT: records or clears one bout.
int RunBoutCommand(const CommandLine& args, const CliOutput& io);
// orle-cli bouts --db PATH --event N [--round R]: lists stored bouts as TSV.
int RunBoutsCommand(const CommandLine& args, const CliOutput& io);
// orle-cli simulate --db PATH [--seed S] [--events 0,1] [--rounds 1-7]: random results.
int RunSimulateCommand(const CommandLine& args, const CliOutput& io);
