#include "entry/RoundSnapshots.h"

#include "db/Database.h"
#include "db/Snapshots.h"
#include "entry/MissingResults.h"
#include "standings/EventNames.h"

#include <QRegularExpression>
#include <array>

namespace RoundSnapshots {
namespace {

constexpr int kRounds = 7;
constexpr int kLastStripSet = 3;

// A reset or a restore starts the rounds over: a round completed again after it is a new
// state worth keeping.
const QStringList& freshStartReasons() {
    static const QStringList reasons = {QStringLiteral("reset"), QStringLiteral("restore")};
    return reasons;
}

struct RoundCount {
    int toFence = 0;
    int missing = 0;
};

// Every round of the event counted from one reading of its schedule and its results.
Result<std::array<RoundCount, kRounds>> countRounds(const Database& db, int weapon) {
    const Result<std::vector<StripReport>> strips =
        MissingResults::ForEvent(db, weapon, kRounds - 1, kLastStripSet);
    if (!strips) {
        return strips.status();
    }
    std::array<RoundCount, kRounds> rounds{};
    for (const StripReport& strip : *strips) {
        RoundCount& round = rounds[static_cast<size_t>(strip.round)];
        round.toFence += strip.toFence();
        round.missing += strip.missing();
    }
    return rounds;
}

bool complete(const RoundCount& round) {
    return round.toFence > 0 && round.missing == 0;
}

// The reasons of the snapshots taken since the last reset or restore.
Result<QStringList> reasonsSinceFreshStart(const QString& championshipPath) {
    const Result<std::vector<Snapshots::Snapshot>> listed = Snapshots::List(championshipPath);
    if (!listed) {
        return listed.status();
    }
    QStringList reasons;
    for (const Snapshots::Snapshot& snapshot : *listed) {
        if (freshStartReasons().contains(snapshot.reason)) {
            break;
        }
        reasons << snapshot.reason;
    }
    return reasons;
}

}  // namespace

QString Reason(const QString& eventAbbreviation, int round) {
    static const QRegularExpression unsafe(QStringLiteral("[^a-z0-9]"));
    return QStringLiteral("round_%1_%2")
        .arg(eventAbbreviation.toLower().remove(unsafe))
        .arg(round + 1);
}

Result<bool> IsComplete(const Database& db, int weapon, int round) {
    if (round < 0 || round >= kRounds) {
        return false;
    }
    const Result<std::array<RoundCount, kRounds>> rounds = countRounds(db, weapon);
    if (!rounds) {
        return rounds.status();
    }
    return complete((*rounds)[static_cast<size_t>(round)]);
}

Result<QStringList> Take(const Database& db, int weapon, const QList<int>& rounds) {
    const Result<std::array<RoundCount, kRounds>> counted = countRounds(db, weapon);
    if (!counted) {
        return counted.status();
    }
    QList<int> completed;
    for (int round : rounds) {
        if (round >= 0 && round < kRounds && complete((*counted)[static_cast<size_t>(round)])) {
            completed << round;
        }
    }
    if (completed.isEmpty()) {
        return QStringList();
    }
    const Result<QString> word = EventNames::Abbreviation(db, weapon);
    if (!word) {
        return word.status();
    }
    const Result<QStringList> kept = reasonsSinceFreshStart(db.path());
    if (!kept) {
        return kept.status();
    }
    QStringList taken;
    for (int round : completed) {
        const QString reason = Reason(*word, round);
        if (kept->contains(reason)) {
            continue;
        }
        const Result<QString> path = Snapshots::Take(db, reason);
        if (!path) {
            return path.status();
        }
        taken << *path;
    }
    return taken;
}

}  // namespace RoundSnapshots
