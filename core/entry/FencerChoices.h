#pragma once

#include "db/Result.h"

#include <QString>
#include <vector>

class Database;

// A fencer as the confirmation sheet offers him: "Last, First (ABC)" and his number.
struct FencerChoice final {
    int fencerNumber = -1;
    QString caption;
};

// The fencers of an event to choose from, and the name shown above the chosen one's record.
class FencerChoices final {
public:
    static constexpr int kMaxFencers = 24;

    // At most 24 fencers, in order of their caption.
    static Result<std::vector<FencerChoice>> ForEvent(const Database& db, int weapon);
    // "First Last (ABC)" from a caption "Last, First (ABC)".
    static QString DisplayName(const QString& caption);
};
