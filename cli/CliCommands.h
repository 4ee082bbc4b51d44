#pragma once

#include "CliOutput.h"
#include "CommandLine.h"

#include <QStringList>
#include <functional>

// Runs one orle-cli command line (without the program name); returns the exit code.
// Besides the commands: --help, --version, help [COMMAND] and COMMAND --help.
int RunCliCommand(const QStringList& words, const CliOutput& io);

// The `print` command, which draws pages: orle-cli-print and the tests give it; orle-cli,
// which loads no GUI libraries, hands every print command line over to orle-cli-print.
struct PrintCommand {
    std::function<int(const CommandLine&, const CliOutput&)> run;
    // One usage line per sheet, for `orle-cli help print`.
    QStringList sheetUsage;
};
void SetPrintCommand(PrintCommand command);

// Whether the command line is for `print` (its help included), which orle-cli-print runs.
bool CliCommandPrints(const QStringList& words);
// Whether the command line draws pages, and so needs a GUI application to measure fonts;
// every other command runs on a core application, without any display.
bool CliCommandDraws(const QStringList& words);

// The commands as the manual page's COMMANDS section lists them (roff): each usage line,
// its summary and further help, from the same table as `orle-cli --help`.
QString CliCommandsInRoff();
// Text made safe to stand in a roff line: dashes, backslashes, quotes, a leading dot.
QString RoffEscaped(const QString& text);
