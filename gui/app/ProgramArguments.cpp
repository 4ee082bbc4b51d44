#include "app/ProgramArguments.h"

#include "db/ProgramVersion.h"

ProgramArguments ProgramArguments::Read(const QStringList& words) {
    ProgramArguments read;
    for (const QString& word : words) {
        if (word == QLatin1String("--help") || word == QLatin1String("-h")) {
            return {Action::Help, {}, {}, {}};
        }
        if (word == QLatin1String("--version")) {
            return {Action::Version, {}, {}, {}};
        }
        if (word.startsWith(QLatin1Char('-'))) {
            read.refuse(word, QStringLiteral("unknown option %1").arg(word));
        } else if (!read.path.isEmpty()) {
            read.refuse(word, QStringLiteral("one championship file at a time"));
        } else {
            read.path = word;
        }
    }
    return read;
}

void ProgramArguments::refuse(const QString& word, const QString& why) {
    // The first wrong word is the one named; help and version still win over it.
    if (action != Action::Wrong) {
        action = Action::Wrong;
        complaint = why;
        wrongWord = word;
    }
}

QString ProgramArguments::UsageLine() {
    return QStringLiteral(
        "usage: orle [FILE.mdb | postgresql://HOST/DATABASE] | orle --help | "
        "orle --version");
}

bool ProgramArguments::MayBeQtOption(const QString& word) {
    static const QStringList qtOptions =
        QStringLiteral(
            "platform platformpluginpath platformtheme plugin qwindowgeometry "
            "qwindowicon qwindowtitle reverse session style stylesheet widgetcount "
            "display geometry title name nograb dograb sync visual fn font bg fg btn "
            "background foreground button")
            .split(QLatin1Char(' '));
    QString name = word;
    while (name.startsWith(QLatin1Char('-'))) {
        name.remove(0, 1);
    }
    return word.startsWith(QLatin1Char('-')) &&
           qtOptions.contains(name.section(QLatin1Char('='), 0, 0));
}

QString ProgramArguments::HelpText() {
    return UsageLine() + QStringLiteral(
                             "\n\n%1: the scoring table's program.\n"
                             "Opens FILE.mdb, or a championship on a PostgreSQL server\n"
                             "(postgresql://HOST/DATABASE, as libpq reads it), or else the\n"
                             "championship used last.\n"
                             "orle-cli does the same work without windows.\n")
                             .arg(ProgramVersion::ProductTitle());
}

QString ProgramArguments::VersionText() {
    return QStringLiteral("orle ") + ProgramVersion::ReleaseText();
}
