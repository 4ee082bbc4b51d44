#include "cli/CliRunner.h"

#include "CliCommands.h"

#include <QTextStream>

CliRun RunCli(const QStringList& words) {
    CliRun run;
    QTextStream out(&run.out);
    QTextStream err(&run.err);
    run.exitCode = RunCliCommand(words, CliOutput{out, err});
    out.flush();
    err.flush();
    return run;
}
