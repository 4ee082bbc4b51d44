#pragma once

#include "CliOutput.h"
#include "CommandLine.h"

// orle-cli standings --db PATH --event N: the live standings of one event as TSV.
int RunStandingsCommand(const CommandLine& args, const CliOutput& io);
// orle-cli teams --db PATH [--variant all|men|women]: the live school standings as TSV.
int RunTeamsCommand(const CommandLine& args, const CliOutput& io);
