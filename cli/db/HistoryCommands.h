#pragma once

#include "CliOutput.h"
#include "CommandLine.h"

// orle-cli history --db PATH [--event EVENT [--fencer FENCER]]: the change log, newest first,
// as TSV.
int RunHistoryCommand(const CommandLine& args, const CliOutput& io);
// orle-cli revert --db PATH --change ID: puts a bout back to its result before that change.
int RunRevertCommand(const CommandLine& args, const CliOutput& io);
