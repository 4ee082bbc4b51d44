#pragma once

#include "CliOutput.h"
#include "CommandLine.h"

// orle-cli new PATH [--force]: creates a championship file as File > New does.
int RunNewCommand(const CommandLine& args, const CliOutput& io);
// orle-cli info PATH: checks a file as File > Open does and describes it.
int RunInfoCommand(const CommandLine& args, const CliOutput& io);
