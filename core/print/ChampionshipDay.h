#pragma once

// Day one of the championship fences rounds 0 to 3 (printed 1 to 4), day two rounds 4 to 6.
enum class ChampionshipDay { One, Two };

inline int FirstRoundOf(ChampionshipDay day) {
    return day == ChampionshipDay::One ? 0 : 4;
}
inline int LastRoundOf(ChampionshipDay day) {
    return day == ChampionshipDay::One ? 3 : 6;
}
