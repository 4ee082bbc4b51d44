#include "publish/LiveSiteJson.h"

#include "publish/LiveSiteData.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>

namespace {

constexpr int kFormatVersion = 1;
constexpr double kPctScale = 1000.0;  // three decimals, as the standings command prints

QJsonValue fencerValue(const FinalFourEntry& entry) {
    return entry.isEmpty() ? QJsonValue() : QJsonValue(entry.FencerNumber);
}

QString finalFourState(const SiteEvent& event, const LiveStandingsRow& row) {
    if (event.event.Standings.Picture.FinalFourSeeded()) {
        return row.Advanced ? QStringLiteral("advanced") : QStringLiteral("out");
    }
    const auto it = event.reach.find(row.FencerNumber);
    return it != event.reach.end() && it->second.canReach ? QStringLiteral("in reach")
                                                          : QStringLiteral("out");
}

QJsonArray standings(const SiteEvent& event) {
    QJsonArray rows;
    for (const LiveStandingsRow& row : event.event.Standings.Rows) {
        rows.append(QJsonObject{{"place", row.PlaceText},
                                {"name", row.Name},
                                {"school", row.School},
                                {"v", row.V},
                                {"bouts", row.Bouts},
                                {"pct", std::round(row.Pct * kPctScale) / kPctScale},
                                {"ts", row.TS},
                                {"tr", row.TR},
                                {"ind", row.Ind},
                                {"fencer", row.FencerNumber},
                                {"finalFour", finalFourState(event, row)}});
    }
    return rows;
}

QJsonObject bracketBout(const QString& name, const FinalFourEntry& top,
                        const FinalFourEntry& bottom, const FinalFourEntry& winner) {
    return {{"bout", name},
            {"top", fencerValue(top)},
            {"bottom", fencerValue(bottom)},
            {"winner", fencerValue(winner)},
            {"score", winner.isEmpty() ? QJsonValue() : QJsonValue(winner.Score)}};
}

QJsonValue finalFour(const SiteEvent& event) {
    const FinalFourPicture& p = event.event.Standings.Picture;
    if (!p.FinalFourSeeded()) {
        return QJsonValue();
    }
    QJsonArray seeds;
    for (size_t seed = 1; seed < p.Seeds.size(); ++seed) {
        seeds.append(fencerValue(p.Seeds[seed]));
    }
    return QJsonObject{
        {"seeds", seeds},
        {"bouts",
         QJsonArray{bracketBout("Semifinal A", p.Seeds[1], p.Seeds[4], p.Finalists[1]),
                    bracketBout("Semifinal B", p.Seeds[3], p.Seeds[2], p.Finalists[2]),
                    bracketBout("Gold Medal", p.Finalists[1], p.Finalists[2], p.Places[1]),
                    bracketBout("Bronze Medal", p.Finalists[3], p.Finalists[4], p.Places[3])}}};
}

QJsonObject boutObject(const SiteBout& bout) {
    QJsonObject object{{"round", bout.round + 1},
                       {"strip", bout.stripSet + 1},
                       {"left", bout.left},
                       {"right", bout.right}};
    if (bout.score) {
        object.insert("leftMark", bout.score->leftMark());
        object.insert("rightMark", bout.score->rightMark());
        object.insert("winner", bout.score->leftWins ? bout.left : bout.right);
    }
    return object;
}

QJsonArray fencers(const SiteEvent& event) {
    QJsonArray out;
    for (const auto& [number, fencer] : event.fencers) {
        const auto reach = event.reach.find(number);
        out.append(QJsonObject{
            {"fencer", number},
            {"name", fencer.name},
            {"school", fencer.school},
            {"excluded", fencer.excluded},
            {"mostVictories", reach != event.reach.end() ? reach->second.mostVictories : 0}});
    }
    return out;
}

QJsonObject eventObject(const SiteEvent& event) {
    QJsonArray bouts;
    for (const SiteBout& bout : event.bouts) {
        bouts.append(boutObject(bout));
    }
    QJsonArray strips;
    for (const QString& strip : event.stripNames) {
        strips.append(strip);
    }
    return {{"code", event.code()},
            {"name", event.event.Name},
            {"page", event.pageStem() + QStringLiteral(".html")},
            {"progress", event.event.Standings.RoundStatusText},
            {"standings", standings(event)},
            {"finalFour", finalFour(event)},
            {"strips", strips},
            {"bouts", bouts},
            {"fencers", fencers(event)}};
}

QJsonArray teams(const SiteTeams& variant) {
    QJsonArray rows;
    for (const TitleRaceRow& school : variant.race) {
        QJsonObject events;
        if (const TeamStandingsRow* standing = variant.standingsOf(school.school)) {
            for (int event = FirstEventOf(variant.variant); event <= LastEventOf(variant.variant);
                 ++event) {
                const std::optional<int> won = standing->Events[static_cast<size_t>(event)];
                events.insert(EventCode(event), won ? QJsonValue(*won) : QJsonValue());
            }
        }
        rows.append(QJsonObject{{"place", variant.placeOf(school.school)},
                                {"school", school.school},
                                {"total", school.points},
                                {"left", school.left},
                                {"max", school.max()},
                                {"contender", school.contender},
                                {"events", events}});
    }
    return rows;
}

}  // namespace

QByteArray LiveSiteJson(const LiveSiteData& data) {
    QJsonArray events;
    for (const SiteEvent& event : data.events) {
        events.append(eventObject(event));
    }
    const auto variant = [&](TeamVariant v) { return teams(data.teams[static_cast<size_t>(v)]); };
    const QJsonObject root{
        {"format", kFormatVersion},
        {"championship", data.championshipYear + QStringLiteral(" ORLE Championships")},
        {"updated", data.updated.toString(Qt::ISODate)},
        {"events", events},
        {"teams", QJsonObject{{"all", variant(TeamVariant::AllEvents)},
                              {"men", variant(TeamVariant::Men)},
                              {"women", variant(TeamVariant::Women)}}}};
    return QJsonDocument(root).toJson(QJsonDocument::Compact);
}
