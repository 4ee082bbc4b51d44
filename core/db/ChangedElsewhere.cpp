#include "db/ChangedElsewhere.h"

QString ChangedElsewhere::Title() {
    return QStringLiteral("Changed Elsewhere");
}

QString ChangedElsewhere::Message(const QStringList& lines) {
    return QStringLiteral(
               "Another station, program or window saved changes to the championship after "
               "this window read it. Where they meet yours, the stored values are kept and are now "
               "shown; what "
               "you typed there was not saved:\n\n%1")
        .arg(lines.join(QLatin1Char('\n')));
}

QString ChangedElsewhere::TypedAndStored(const QString& typed, const QString& stored) {
    return QStringLiteral("typed \"%1\", stored \"%2\"").arg(typed, stored);
}
