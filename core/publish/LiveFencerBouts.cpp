#include "publish/LiveFencerBouts.h"

#include "entry/ScoreRules.h"
#include "publish/LiveHtml.h"
#include "publish/LiveSiteData.h"

#include <algorithm>

using namespace LiveHtml;

namespace {

struct Totals {
    int wins = 0;
    int losses = 0;
    int scored = 0;
    int received = 0;
};

Row boutRow(const SiteEvent& event, const SiteBout& bout, int fencer, Totals& totals) {
    const bool onLeft = bout.left == fencer;
    const int opponent = onLeft ? bout.right : bout.left;
    const SiteFencer& other = event.fencers.at(opponent);
    Row row = {Number(bout.round + 1),
               Text(other.name + (other.excluded ? QStringLiteral(" excluded") : QString())),
               Text(other.school)};
    if (!bout.score) {
        row.append(Text(QString()));
        return row;
    }
    const BoutScore seen = onLeft ? *bout.score : bout.score->swapped();
    ++(seen.leftWins ? totals.wins : totals.losses);
    totals.scored += seen.leftTouches;
    totals.received += seen.rightTouches;
    row.append(Text((seen.leftWins ? QStringLiteral("V ") : QStringLiteral("D ")) + seen.dualText(),
                    seen.leftWins ? QStringLiteral("win") : QString()));
    return row;
}

QString fencerSection(const SiteEvent& event, int number, const SiteFencer& fencer) {
    QList<Row> rows;
    Totals totals;
    for (const SiteBout& bout : event.bouts) {
        if (bout.left == number || bout.right == number) {
            rows.append(boutRow(event, bout, number, totals));
        }
    }
    const Row header = {Text(QStringLiteral("Round"), QStringLiteral("n")),
                        Text(QStringLiteral("Opponent")), Text(QStringLiteral("School")),
                        Text(QStringLiteral("Result"))};
    const QString summary = QStringLiteral("Victories %1-%2, touches %3-%4, indicator %5")
                                .arg(totals.wins)
                                .arg(totals.losses)
                                .arg(totals.scored)
                                .arg(totals.received)
                                .arg(ScoreRules::IndicatorText(totals.scored - totals.received));
    return QStringLiteral("<section id=\"f%1\">\n").arg(number) +
           Element(
               QStringLiteral("h3"),
               Text(fencer.name + QStringLiteral(" (") + fencer.school + QLatin1Char(')')).html) +
           Table(header, rows) + Element(QStringLiteral("p"), Text(summary).html) +
           QStringLiteral("</section>\n");
}

}  // namespace

QString LiveFencerBouts(const SiteEvent& event) {
    QString html;
    for (const auto& [number, fencer] : event.fencers) {
        const bool drawn =
            std::any_of(event.bouts.begin(), event.bouts.end(),
                        [&](const SiteBout& b) { return b.left == number || b.right == number; });
        if (drawn) {
            html += fencerSection(event, number, fencer);
        }
    }
    return html;
}
