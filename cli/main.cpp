#include "CliCommands.h"
#include "QuietMessages.h"

#include <unistd.h>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>
#include <cerrno>
#include <cstring>

namespace {

// Beside orle-cli in the build folder; in libexec/orle beside bin when installed.
QString printHelperPath() {
    const QDir here(QCoreApplication::applicationDirPath());
    for (const QString& candidate :
         {here.filePath(QStringLiteral("orle-cli-print")),
          here.filePath(QStringLiteral("../libexec/orle/orle-cli-print"))}) {
        if (QFileInfo(candidate).isExecutable()) {
            return QFileInfo(candidate).canonicalFilePath();
        }
    }
    return QString();
}

// Replaces this process by orle-cli-print with the same words; returns only on failure.
int handOverToPrinting(char* argv[], const CliOutput& io) {
    const QByteArray helper = QFile::encodeName(printHelperPath());
    if (helper.isEmpty()) {
        return io.fail(QStringLiteral(
            "printing is done by orle-cli-print, which is missing; install the orle package"));
    }
    argv[0] = const_cast<char*>(helper.constData());
    execv(helper.constData(), argv);
    return io.fail(
        QStringLiteral("cannot start %1: %2")
            .arg(QFile::decodeName(helper), QString::fromLocal8Bit(std::strerror(errno))));
}

}  // namespace

int main(int argc, char* argv[]) {
    InstallQuietMessageHandler();
    // Only Qt Core: the commands that draw nothing start as fast as the file allows.
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    const CliOutput io{out, err};
    const QStringList words = QCoreApplication::arguments().mid(1);
    if (CliCommandPrints(words)) {
        return handOverToPrinting(argv, io);
    }
    return RunCliCommand(words, io);
}
