#include "cli/CliRunner.h"

#include "CliCommands.h"
#include "print/PrintCommands.h"

#include <QTextStream>

CliRun RunCli(const QStringList& words) {
    // In-process, as orle-cli-print runs: every command, printing included.
    [[maybe_unused]] static const bool printing = [] {
        SetPrintCommand({RunPrintCommand, PrintUsageLines()});
        return true;
    }();
    CliRun run;
    QTextStream out(&run.out);
    QTextStream err(&run.err);
    run.exitCode = RunCliCommand(words, CliOutput{out, err});
    out.flush();
    err.flush();
    return run;
}
