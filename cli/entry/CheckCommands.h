#pragma once

#include "CliOutput.h"
#include "CommandLine.h"

// orle-cli missing --db PATH [--event N]: every strip of every round and how far its bouts
// have been reported, as TSV.
int RunMissingCommand(const CommandLine& args, const CliOutput& io);
// orle-cli confirm --db PATH --event N --fencer F: the fencer's record bout by bout with
// totals, as TSV.
int RunConfirmCommand(const CommandLine& args, const CliOutput& io);
