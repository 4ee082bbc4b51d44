#pragma once

#include "CliOutput.h"
#include "CommandLine.h"

// orle-cli new PATH|URI [--force]: creates a championship file as File > New does, or an
// empty championship in a server database.
int RunNewCommand(const CommandLine& args, const CliOutput& io);
// orle-cli info PATH|URI: checks a championship as File > Open does and describes it.
int RunInfoCommand(const CommandLine& args, const CliOutput& io);
// orle-cli copy --from A --to B [--force]: copies a whole championship between a file and a
// server (either way), every table row for row, in one transaction on the target.
int RunCopyCommand(const CommandLine& args, const CliOutput& io);
