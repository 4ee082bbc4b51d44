#include "app/ProgramArguments.h"

#include "db/ProgramVersion.h"

ProgramArguments ProgramArguments::Read(const QStringList& words) {
    ProgramArguments read;
    for (const QString& word : words) {
        if (word == QLatin1String("--help") || word == QLatin1String("-h")) {
            return {Action::Help, {}, {}};
        }
        if (word == QLatin1String("--version")) {
            return {Action::Version, {}, {}};
        }
        if (word.startsWith(QLatin1Char('-'))) {
            read.action = Action::Wrong;
            read.complaint = QStringLiteral("unknown option %1").arg(word);
        } else if (!read.path.isEmpty()) {
            read.action = Action::Wrong;
            read.complaint = QStringLiteral("one championship file at a time");
        } else {
            read.path = word;
        }
    }
    return read;
}

QString ProgramArguments::UsageLine() {
    return QStringLiteral("usage: orle [FILE.mdb] | orle --help | orle --version");
}

QString ProgramArguments::HelpText() {
    return UsageLine() + QStringLiteral(
                             "\n\n%1: the scoring table's program.\n"
                             "Opens FILE.mdb, or else the championship file used last.\n"
                             "orle-cli does the same work without windows.\n")
                             .arg(ProgramVersion::ProductTitle());
}

QString ProgramArguments::VersionText() {
    return QStringLiteral("orle ") + ProgramVersion::ReleaseText();
}
