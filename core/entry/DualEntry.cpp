#include "entry/DualEntry.h"

#include "entry/BoutResults.h"

#include <vector>

DualEntry DualEntry::Load(const Database& db, const DualLines& lines, int weapon, int round,
                          int stripSet) {
    DualEntry dual;
    dual.lineup = StripLineup::LoadDual(db, weapon, round, stripSet);
    for (int k = 0; k < DualLines::kBouts; ++k) {
        const LineupFencer& left = dual.lineup.places[static_cast<size_t>(lines.leftPosition(k))];
        const LineupFencer& right = dual.lineup.places[static_cast<size_t>(lines.rightPosition(k))];
        DualBout& bout = dual.bouts[static_cast<size_t>(k)];
        bout.left = left.fencerNumber;
        bout.right = right.fencerNumber;
        bout.entered = left.entersBouts() && right.entersBouts();
        if (bout.entered) {
            bout.score = BoutResults::Read(db, weapon, bout.left, bout.right);
        }
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
