// orle-cli-manpage TEMPLATE OUTPUT: writes orle-cli(1) from its template, with the commands
// listed from the same table as `orle-cli --help`, so the manual cannot miss a command.
#include "CliCommands.h"

#include <QFile>
#include <QString>
#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fputs("usage: orle-cli-manpage TEMPLATE OUTPUT\n", stderr);
        return 2;
    }
    QFile input(QString::fromLocal8Bit(argv[1]));
    if (!input.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "orle-cli-manpage: cannot read %s\n", argv[1]);
        return 1;
    }
    QString page = QString::fromUtf8(input.readAll());
    page.replace(QStringLiteral("@ORLE_CLI_COMMANDS@\n"), CliCommandsInRoff());
    QFile output(QString::fromLocal8Bit(argv[2]));
    if (!output.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        output.write(page.toUtf8()) < 0 || !output.flush()) {
        std::fprintf(stderr, "orle-cli-manpage: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
