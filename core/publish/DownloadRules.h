#pragma once

#include <QString>

// The small text rules every download format shares: school names, places and indicators.
namespace DownloadRules {

// The men's events list the coordinate school under its men's name.
QString SchoolInEvent(int event, const QString& school);
// "3T" is place 3 shared with others.
bool IsTie(const QString& placeText);
QString PlaceWithoutTie(const QString& placeText);
// The unplaced Final Four fencers ("Final2", "Final4") have no place yet.
bool IsFinalFourPending(const QString& placeText);
// Touches scored less received, with a sign even when even: "+3", "-2", "+0".
QString Indicator(int ts, int tr);
// The percentage with three decimals: "0.667".
QString Percent(double pct);
// A web name for the page: "Last, First" turned to "First Last", accented letters as entities;
// the references typed in it stay, and no markup can come from it.
QString WebName(const QString& text);

}  // namespace DownloadRules
