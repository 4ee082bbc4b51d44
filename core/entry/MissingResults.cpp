#include "entry/MissingResults.h"

#include "entry/BoutResults.h"
#include "entry/ScheduledBouts.h"

#include <algorithm>
#include <set>
#include <utility>

ReportState StripReport::state() const {
    if (scheduled == 0 || (reported == 0 && toFence() > 0)) {
        return ReportState::Missing;
    }
    return reported >= toFence() ? ReportState::Complete : ReportState::Partial;
}

// Each bout is counted once, from the schedule: an excluded fencer's bouts are skipped
// however many of the strip's fencers are excluded, and a stored pair counts only when
// exactly one of its rows carries the victory, as the entry windows read it.
Result<std::vector<StripReport>> MissingResults::ForEvent(const Database& db, int weapon,
                                                          int lastRound, int lastStripSet) {
    const int strips = lastStripSet + 1;
    std::vector<StripReport> reports;
    for (int round = 0; round <= lastRound; ++round) {
        for (int strip = 0; strip < strips; ++strip) {
            reports.push_back({weapon, round, strip, 0, 0, 0});
        }
    }
    const Result<std::vector<BoutEntry>> stored = BoutResults::ReadAll(db, weapon);
    if (!stored) {
        return stored.status();
    }
    const Result<std::vector<ScheduledBout>> scheduled = ScheduledBouts::ForEvent(db, weapon);
    if (!scheduled) {
        return scheduled.status();
    }
    std::set<std::pair<int, int>> decided;
    for (const BoutEntry& bout : *stored) {
        decided.insert({bout.fencer, bout.opponent});
    }
    for (const ScheduledBout& bout : *scheduled) {
        if (bout.round < 0 || bout.round > lastRound || bout.stripSet < 0 ||
            bout.stripSet >= strips) {
            continue;
        }
        StripReport& strip = reports[static_cast<size_t>(bout.round * strips + bout.stripSet)];
        ++strip.scheduled;
        if (bout.excluded) {
            ++strip.skipped;
        } else if (decided.count(
                       {std::min(bout.left, bout.right), std::max(bout.left, bout.right)}) > 0) {
            ++strip.reported;
        }
    }
    return reports;
}

Result<std::vector<StripReport>> MissingResults::ForChampionship(const Database& db, int lastRound,
                                                                 int lastStripSet) {
    std::vector<StripReport> reports;
    for (int weapon = 0; weapon < 6; ++weapon) {
        const Result<std::vector<StripReport>> event =
            ForEvent(db, weapon, lastRound, lastStripSet);
        if (!event) {
            return event.status();
        }
        reports.insert(reports.end(), event->begin(), event->end());
    }
    return reports;
}
