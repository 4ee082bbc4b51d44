#pragma once

#include <QString>

// One slot of the Final Four bracket: a fencer, his names and his part of a bout's score.
struct FinalFourEntry {
    static constexpr short kEmpty = 99;

    short FencerNumber = kEmpty;
    QString LName;
    QString FullName;
    QString HTMLName;
    // The bout's whole score text, as typed (winner's touches first by convention).
    QString Score;
    // This fencer's own touches in the bout, split from the score text.
    QString Touches;

    bool isEmpty() const { return FencerNumber == kEmpty; }
};
