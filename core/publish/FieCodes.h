#pragma once

#include <QString>
#include <optional>

// The letters the FIE's competition files give an event's weapon and sex, and the statuses
// they give a fencer and a bout.
namespace FieCodes {

// "S" saber, "F" foil, "E" épée.
QString WeaponLetter(int event);
// "M" for the men's events, "F" for the women's.
QString SexLetter(int event);
// The event of that weapon and sex (letters in either case); none for other letters.
std::optional<int> EventFor(const QString& weaponLetter, const QString& sexLetter);

inline const QString kVictory = QStringLiteral("V");
inline const QString kDefeat = QStringLiteral("D");
inline const QString kQualified = QStringLiteral("Q");
inline const QString kNotQualified = QStringLiteral("N");
inline const QString kExcluded = QStringLiteral("E");
inline const QString kWithdrawn = QStringLiteral("A");

}  // namespace FieCodes
