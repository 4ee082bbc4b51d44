#pragma once

#include "CliOutput.h"
#include "CommandLine.h"

// orle-cli publish --db PATH --out DIR [--live] | --stop: writes the live results site once,
// or keeps it live (every later save rewrites it), or stops keeping it live.
int RunPublishCommand(const CommandLine& args, const CliOutput& io);

// After a command that saves: rewrites the site when this machine keeps the file's results
// live. A failure is a warning only: the save itself has succeeded.
void PublishAfterSave(const CommandLine& args, const CliOutput& io);
