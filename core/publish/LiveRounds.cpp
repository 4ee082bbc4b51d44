#include "publish/LiveRounds.h"

#include "publish/LiveHtml.h"
#include "publish/LiveSiteData.h"

using namespace LiveHtml;

namespace {

Cell fencerCell(const SiteEvent& event, int number, bool won) {
    const auto it = event.fencers.find(number);
    if (it == event.fencers.end()) {
        return Text(QString());
    }
    QString text = it->second.name + QStringLiteral(" (") + it->second.school + QLatin1Char(')');
    if (it->second.excluded) {
        return Text(text + QStringLiteral(" excluded"), QStringLiteral("excluded"));
    }
    return Text(text, won ? QStringLiteral("win") : QString());
}

Row boutRow(const SiteEvent& event, const SiteBout& bout) {
    const bool fenced = bout.score.has_value();
    const bool leftWon = fenced && bout.score->leftWins;
    return {fencerCell(event, bout.left, leftWon),
            fenced ? Text(bout.score->leftMark(), QStringLiteral("n")) : Text(QString()),
            fenced ? Text(bout.score->rightMark(), QStringLiteral("n")) : Text(QString()),
            fencerCell(event, bout.right, fenced && !leftWon)};
}

QString stripTitle(const SiteEvent& event, int round, int stripSet) {
    const QString strip = event.stripNames.value(stripSet).trimmed();
    bool numbered = false;
    static_cast<void>(strip.toInt(&numbered));
    // Strips are mostly named by their number: "Round 2, Strip 5".
    const QString where = strip.isEmpty() ? QStringLiteral("Strip set %1").arg(stripSet + 1)
                          : numbered      ? QStringLiteral("Strip ") + strip
                                          : strip;
    return QStringLiteral("Round %1, %2").arg(round + 1).arg(where);
}

}  // namespace

QString LiveRounds(const SiteEvent& event) {
    const Row header = {Text(QStringLiteral("Fencer")), Text(QString(), QStringLiteral("n")),
                        Text(QString(), QStringLiteral("n")), Text(QStringLiteral("Opponent"))};
    QString html;
    QList<Row> rows;
    for (size_t i = 0; i < event.bouts.size(); ++i) {
        const SiteBout& bout = event.bouts[i];
        rows.append(boutRow(event, bout));
        const bool last = i + 1 == event.bouts.size() || event.bouts[i + 1].round != bout.round ||
                          event.bouts[i + 1].stripSet != bout.stripSet;
        if (last) {
            html += Element(QStringLiteral("h3"),
                            Text(stripTitle(event, bout.round, bout.stripSet)).html) +
                    Table(header, rows);
            rows.clear();
        }
    }
    return html;
}
