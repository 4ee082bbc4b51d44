#pragma once

#include "CliOutput.h"
#include "CommandLine.h"

// `orle-cli print SHEET --db PATH ... --pdf OUT.pdf`: prints one kind of sheet or report of
// the championship into a PDF file.
int RunPrintCommand(const CommandLine& args, const CliOutput& io);
// One usage line per sheet, for `orle-cli help print`.
QStringList PrintUsageLines();
