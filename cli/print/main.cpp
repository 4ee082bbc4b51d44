#include "CliCommands.h"
#include "QuietMessages.h"
#include "print/PrintCommands.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QTextStream>
#include <memory>

// orle-cli-print: the `print` command of orle-cli, which hands it over here so that the
// commands that draw nothing need not load the GUI libraries. Run as orle-cli's own words.
int main(int argc, char* argv[]) {
    InstallQuietMessageHandler();
    QStringList words;
    for (int i = 1; i < argc; ++i) {
        words << QString::fromLocal8Bit(argv[i]);
    }
    // Printing to PDF measures fonts, which needs a GUI application but never a screen;
    // help needs neither.
    std::unique_ptr<QCoreApplication> app;
    if (CliCommandDraws(words)) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    SetPrintCommand({RunPrintCommand, PrintUsageLines()});
    QTextStream out(stdout);
    QTextStream err(stderr);
    return RunCliCommand(QCoreApplication::arguments().mid(1), CliOutput{out, err});
}
