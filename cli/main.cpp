#include "CliCommands.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QTextStream>
#include <cstdio>
#include <memory>

namespace {

QtMessageHandler g_defaultHandler = nullptr;

// A command line tool runs without a desktop session; Qt's note about the missing runtime
// folder would only clutter the error stream that scripts read.
void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set"))) {
        return;
    }
    g_defaultHandler(type, context, message);
}

// Printing to PDF measures fonts, which needs a GUI application but never a screen; every
// other command starts faster on a core application and needs no display plugin at all.
std::unique_ptr<QCoreApplication> makeApplication(int& argc, char* argv[]) {
    QStringList words;
    for (int i = 1; i < argc; ++i) {
        words << QString::fromLocal8Bit(argv[i]);
    }
    if (!CliCommandDraws(words)) {
        return std::make_unique<QCoreApplication>(argc, argv);
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    return std::make_unique<QGuiApplication>(argc, argv);
}

}  // namespace

int main(int argc, char* argv[]) {
    g_defaultHandler = qInstallMessageHandler(quietHandler);
    const std::unique_ptr<QCoreApplication> app = makeApplication(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    return RunCliCommand(QCoreApplication::arguments().mid(1), CliOutput{out, err});
}
