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
        bout.loaded = bout.score;
    }
    return dual;
}

QString DualEntry::nameOf(int fencerNumber) const {
    for (const LineupFencer& fencer : lineup.places) {
        if (fencer.fencerNumber == fencerNumber) {
            return fencer.name;
        }
    }
    return QString();
}

Status DualEntry::save(const Database& db, int weapon, QStringList* changedElsewhere) {
    std::vector<BoutChange> changes;
    for (const DualBout& bout : bouts) {
        if (bout.entered && bout.score != bout.loaded) {
            changes.push_back({bout.left, bout.right, bout.loaded, bout.score});
        }
    }
    if (changedElsewhere != nullptr) {
        changedElsewhere->clear();
    }
    std::vector<BoutConflict> conflicts;
    if (Status written = BoutResults::WriteChanges(db, weapon, changes, conflicts); !written) {
        return written;
    }
    for (size_t k = 0; k < bouts.size(); ++k) {
        DualBout& bout = bouts[k];
        for (const BoutConflict& conflict : conflicts) {
            if (conflict.fencer == bout.left && conflict.opponent == bout.right) {
                bout.score = conflict.stored;
                if (changedElsewhere != nullptr) {
                    changedElsewhere->append(
                        QStringLiteral("Bout %1 (%2 v %3): %4")
                            .arg(k + 1)
                            .arg(nameOf(bout.left), nameOf(bout.right), conflict.typedAndStored()));
                }
            }
        }
        bout.loaded = bout.score;
    }
    return Status::success();
}
