#pragma once

#include <QString>
#include <array>

// The six individual events, 0..5, and the fixed codes that name them outside the file
// (command line, web pages), whatever abbreviations the staff give them.
inline constexpr int kEventCount = 6;
inline constexpr std::array<const char*, kEventCount> kEventCodes = {"MS", "MF", "ME",
                                                                     "WS", "WF", "WE"};

inline QString EventCode(int event) {
    return QString::fromLatin1(kEventCodes.at(static_cast<size_t>(event)));
}
