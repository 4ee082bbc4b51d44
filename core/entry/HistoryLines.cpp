#include "entry/HistoryLines.h"

#include "db/Database.h"
#include "standings/EventCodes.h"

#include <map>
#include <utility>

namespace HistoryLines {
namespace {

using FencerKey = std::pair<int, int>;

Result<std::map<FencerKey, QString>> fencerNames(const Database& db) {
    Statement rows = db.prepare(
        QStringLiteral("SELECT Weapon, FencerNumber, trim(FName || ' ' || LName) FROM Roster"));
    std::map<FencerKey, QString> names;
    while (rows.next()) {
        names[{rows.toInt(0), rows.toInt(1)}] = rows.toText(2);
    }
    if (!rows.ok()) {
        return rows.status();
    }
    return names;
}

QString fencerText(const std::map<FencerKey, QString>& names, int event, int fencer) {
    const auto found = names.find({event, fencer});
    return found == names.end() || found->second.isEmpty()
               ? QString::number(fencer)
               : QStringLiteral("%1 %2").arg(fencer).arg(found->second);
}

QString subjectOf(const ChangeLog::Change& change, const std::map<FencerKey, QString>& names) {
    if (!change.isBout() || !change.event) {
        return change.subject;
    }
    return QStringLiteral("%1 – %2").arg(fencerText(names, *change.event, *change.fencer),
                                         fencerText(names, *change.event, *change.opponent));
}

HistoryLine lineOf(const ChangeLog::Change& change, const std::map<FencerKey, QString>& names) {
    HistoryLine line;
    line.id = change.id;
    line.when = change.when;
    line.who = change.who;
    line.where = change.where;
    line.what = change.what;
    line.event = change.event && *change.event >= 0 && *change.event < kEventCount
                     ? EventCode(*change.event)
                     : QString();
    line.round = ChangeLog::RoundText(change.round);
    line.strip = change.strip;
    line.subject = subjectOf(change, names);
    line.before = change.before;
    line.after = change.after;
    line.revertible = change.isBout() && change.event.has_value();
    return line;
}

}  // namespace

Result<std::vector<HistoryLine>> Read(const Database& db, const ChangeLog::Filter& filter) {
    const Result<std::vector<ChangeLog::Change>> changes = ChangeLog::Read(db, filter);
    if (!changes) {
        return changes.status();
    }
    const Result<std::map<FencerKey, QString>> names = fencerNames(db);
    if (!names) {
        return names.status();
    }
    std::vector<HistoryLine> lines;
    lines.reserve(changes->size());
    for (const ChangeLog::Change& change : *changes) {
        lines.push_back(lineOf(change, *names));
    }
    return lines;
}

}  // namespace HistoryLines
