#pragma once

#include <QString>
#include <QStringList>

// The message shown when a save meets values that another station, program or window saved
// after this window read them: theirs are kept, and the user is told what was not saved.
class ChangedElsewhere final {
public:
    static QString Title();
    // One line per value kept as stored, each naming what was typed and what is stored.
    static QString Message(const QStringList& lines);
    // "typed X, stored Y" with the texts quoted.
    static QString TypedAndStored(const QString& typed, const QString& stored);
};
