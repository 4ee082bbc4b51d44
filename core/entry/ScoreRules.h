#pragma once

#include "entry/BoutScore.h"

#include <QString>
#include <optional>

// The rules by which typed score marks become a bout result, shared by pool and dual entry.
class ScoreRules final {
public:
    // What a pair of marks, or a typed dual score, amounts to.
    enum class Reading { NoResult, Invalid, Result };
    struct Read {
        Reading reading = Reading::NoResult;
        BoutScore score;
    };

    // A single mark: "0".."5" or "V".
    static bool IsMark(const QString& mark);
    // Two marks, the first fencer's first: both or neither present, valid and different.
    static Read ReadMarks(const QString& first, const QString& second);
    // A dual score box's text, left mark first: blanks and "-" are ignored, case too.
    static Read ReadDualScore(const QString& typed);
    // The indicator as shown: a sign always, zero as "+0".
    static QString IndicatorText(int indicator);

private:
    static int markValue(const QString& mark, const QString& other);
};
