#pragma once

#include "CliOutput.h"
#include "CommandLine.h"

// orle-cli reset --db PATH --results|--rosters: wipes the results (and with --rosters the
// rosters too), as Initialize Results does.
int RunResetCommand(const CommandLine& args, const CliOutput& io);
