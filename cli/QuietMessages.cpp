#include "QuietMessages.h"

#include <QString>
#include <QtGlobal>

namespace {

QtMessageHandler g_defaultHandler = nullptr;

void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set"))) {
        return;
    }
    g_defaultHandler(type, context, message);
}

}  // namespace

void InstallQuietMessageHandler() {
    g_defaultHandler = qInstallMessageHandler(quietHandler);
}
