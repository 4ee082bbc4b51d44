#pragma once

// Each result row joined with its mirror row (the opponent's side of the same bout), the
// fencer's roster and school rows and the opponent's roster row RO1. Every standings
// query aggregates over this.
inline constexpr const char* kMirroredResults =
    " Results"
    " INNER JOIN Results AS RE1 ON RE1.Weapon = Results.Weapon"
    " AND RE1.FencerNumber = Results.Opponent AND RE1.Opponent = Results.FencerNumber"
    " INNER JOIN Roster ON Roster.Weapon = Results.Weapon"
    " AND Roster.FencerNumber = Results.FencerNumber"
    " INNER JOIN Teams ON Teams.Team = Roster.Team"
    " INNER JOIN Roster AS RO1 ON RO1.Weapon = Results.Weapon"
    " AND RO1.FencerNumber = Results.Opponent ";

// Victories, winning share of the bouts fenced (real division; 1 when none), indicator,
// touches scored and received.
inline constexpr const char* kLiveFigures =
    "-Sum(Results.Victory) AS V, "
    "CAST(-Sum(Results.Victory) AS REAL) / "
    "CASE WHEN Count(Results.Victory) = 0 THEN 1 ELSE Count(Results.Victory) END AS VPct, "
    "Sum(Results.Touches) - Sum(RE1.Touches) AS Ind, Sum(Results.Touches) AS TS, "
    "Sum(RE1.Touches) AS TR";

inline constexpr const char* kLiveOrder =
    "V DESC, VPct DESC, Ind DESC, TS DESC, Roster.LName, Roster.FName";

// One row per fencer. Grouping by the keys of the fencer's roster row and school lets the
// query show the fencer's names and school beside the sums on either store: a server
// accepts only columns that the grouped keys determine.
inline constexpr const char* kGroupByFencer =
    " GROUP BY Roster.Weapon, Roster.FencerNumber, Teams.Team ";
