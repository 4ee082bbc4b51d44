#include "entry/DualEntry.h"

#include "entry/BoutResults.h"

#include <vector>

Result<DualEntry> DualEntry::Load(const Database& db, const DualLines& lines, int weapon, int round,
                                  int stripSet) {
    DualEntry dual;
    const Result<StripLineup> lineup = StripLineup::LoadDual(db, weapon, round, stripSet);
    if (!lineup) {
        return lineup.status();
    }
    dual.lineup = *lineup;
    for (int k = 0; k < DualLines::kBouts; ++k) {
        const LineupFencer& left = dual.lineup.places[static_cast<size_t>(lines.leftPosition(k))];
        const LineupFencer& right = dual.lineup.places[static_cast<size_t>(lines.rightPosition(k))];
        DualBout& bout = dual.bouts[static_cast<size_t>(k)];
        bout.left = left.fencerNumber;
        bout.right = right.fencerNumber;
        bout.entered = left.entersBouts() && right.entersBouts();
        if (!bout.entered) {
            continue;
        }
        const Result<std::optional<BoutScore>> score =
            BoutResults::Read(db, weapon, bout.left, bout.right);
        if (!score) {
            return score.status();
        }
        bout.score = *score;
    }
    return dual;
}

Status DualEntry::Save(const Database& db, int weapon,
                       const std::array<DualBout, DualLines::kBouts>& bouts) {
    std::vector<BoutEntry> entries;
    for (const DualBout& bout : bouts) {
        if (bout.entered) {
            entries.push_back({bout.left, bout.right, bout.score});
        }
    }
    return BoutResults::Write(db, weapon, entries);
}
