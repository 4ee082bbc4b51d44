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
    // The first word that made the command line wrong.
    QString wrongWord;

    // `words` without the program name. Before the application exists they still hold Qt's
    // own options, so only help and version are acted on then.
    static ProgramArguments Read(const QStringList& words);
    static QString HelpText();
    static QString VersionText();
    static QString UsageLine();
    // Whether a word could be one of Qt's own options (-platform, -style ...), which only
    // the application, once made, takes out of the arguments.
    static bool MayBeQtOption(const QString& word);

private:
    void refuse(const QString& word, const QString& why);
};
