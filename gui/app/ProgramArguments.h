#pragma once

#include <QString>
#include <QStringList>

// What `orle` was asked on its command line: help, its version, or a championship file to
// open instead of the last one (the desktop entry's `orle %f`).
struct ProgramArguments {
    enum class Action { Start, Help, Version, Wrong };

    Action action = Action::Start;
    QString path;
    QString complaint;

    // `words` without the program name. Before the application exists they still hold Qt's
    // own options, so only help and version are acted on then.
    static ProgramArguments Read(const QStringList& words);
    static QString HelpText();
    static QString VersionText();
    static QString UsageLine();
};
