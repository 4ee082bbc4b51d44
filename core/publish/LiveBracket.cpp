#include "publish/LiveBracket.h"

#include "publish/HtmlEscape.h"
#include "publish/LiveHtml.h"
#include "publish/LiveSiteData.h"

using namespace LiveHtml;

namespace {

// The fencer's name and school from the roster, so every slot of the bracket names him alike.
QString nameOf(const SiteEvent& event, const FinalFourEntry& fencer) {
    const auto it = event.fencers.find(fencer.FencerNumber);
    if (it == event.fencers.end()) {
        return QString();
    }
    return it->second.name + QStringLiteral(" (") + it->second.school + QLatin1Char(')');
}

QString side(const SiteEvent& event, const FinalFourEntry& fencer, const FinalFourEntry& winner) {
    if (fencer.isEmpty()) {
        return Element(QStringLiteral("p"), QStringLiteral("&ndash;"));
    }
    const bool won = !winner.isEmpty() && winner.FencerNumber == fencer.FencerNumber;
    return Element(QStringLiteral("p"), HtmlText(nameOf(event, fencer)),
                   won ? QStringLiteral("win") : QString());
}

QString bout(const SiteEvent& event, const QString& title, const FinalFourEntry& top,
             const FinalFourEntry& bottom, const FinalFourEntry& winner) {
    QString html = Element(QStringLiteral("h3"), HtmlText(title)) + side(event, top, winner) +
                   side(event, bottom, winner);
    if (!winner.isEmpty()) {
        html += Element(QStringLiteral("p"), HtmlText(QStringLiteral("Score ") + winner.Score));
    }
    return Element(QStringLiteral("div"), html, QStringLiteral("bout"));
}

}  // namespace

QString LiveBracket(const SiteEvent& event) {
    const FinalFourPicture& picture = event.event.Standings.Picture;
    if (!picture.FinalFourSeeded()) {
        return QString();
    }
    const auto& seeds = picture.Seeds;
    const auto& finalists = picture.Finalists;
    const auto& places = picture.Places;
    const QString bouts =
        bout(event, QStringLiteral("Semifinal A"), seeds[1], seeds[4], finalists[1]) +
        bout(event, QStringLiteral("Semifinal B"), seeds[3], seeds[2], finalists[2]) +
        bout(event, QStringLiteral("Gold Medal"), finalists[1], finalists[2], places[1]) +
        bout(event, QStringLiteral("Bronze Medal"), finalists[3], finalists[4], places[3]);
    return Element(QStringLiteral("div"),
                   Element(QStringLiteral("h2"), QStringLiteral("Final Four")) +
                       Element(QStringLiteral("div"), bouts, QStringLiteral("bracket")),
                   QStringLiteral("finalfour"));
}
