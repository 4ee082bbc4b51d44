#pragma once

#include "CliOutput.h"
#include "CommandLine.h"

// orle-cli download --db PATH --format text|html|xml [--out FILE]: the results download file.
int RunDownloadCommand(const CommandLine& args, const CliOutput& io);
