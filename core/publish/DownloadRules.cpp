#include "publish/DownloadRules.h"

#include "entry/ScoreRules.h"
#include "publish/HtmlEscape.h"
#include "roster/HtmlName.h"

namespace DownloadRules {

QString SchoolInEvent(int event, const QString& school) {
    if (event <= 2 && school == QLatin1String("Columbia/Barnard")) {
        return QStringLiteral("Columbia");
    }
    return school;
}

bool IsTie(const QString& placeText) {
    return placeText.contains(QLatin1Char('T'));
}

QString PlaceWithoutTie(const QString& placeText) {
    QString place = placeText;
    return place.remove(QLatin1Char('T'));
}

bool IsFinalFourPending(const QString& placeText) {
    return placeText.startsWith(QLatin1String("Final"));
}

QString Indicator(int ts, int tr) {
    return ScoreRules::IndicatorText(ts - tr);
}

QString Percent(double pct) {
    return QString::number(pct, 'f', 3);
}

QString WebName(const QString& text) {
    QString name = text;
    const qsizetype comma = name.indexOf(QLatin1Char(','));
    if (comma >= 0) {
        name = name.mid(comma + 1).trimmed() + QLatin1Char(' ') + name.left(comma).trimmed();
    }
    return HtmlNameMarkup(HtmlEntityText(name));
}

}  // namespace DownloadRules
