#include "CliCommands.h"

#include <QGuiApplication>
#include <QTextStream>
#include <cstdio>

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

}  // namespace

int main(int argc, char* argv[]) {
    // Printing to PDF measures fonts, which needs a GUI application but never a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    g_defaultHandler = qInstallMessageHandler(quietHandler);
    QGuiApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    return RunCliCommand(app.arguments().mid(1), CliOutput{out, err});
}
