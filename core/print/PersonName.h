#pragma once

#include "print/ReportRecord.h"

#include <QString>

// The short form of a fencer's name on a printout: given names as initials, the family name
// that referees call kept whole.
namespace PersonName {

// "Mary Ann" becomes "M. A.", "Jean-Luc" becomes "J.-L.".
QString Initials(const QString& given);

// `text` with the given name, where it stands as whole words, as its initials:
// "Mary Ann Smith (MIT)" becomes "M. A. Smith (MIT)", "Smith, Mary Ann" becomes
// "Smith, M. A.". Empty when the text does not hold the given name.
QString WithInitials(const QString& text, const QString& given);

// Adds to every row the column `shortColumn`: the text of `column` with the given name of
// `givenColumn` as initials.
void AddInitialled(QList<ReportRecord>& rows, const QString& column, const QString& givenColumn,
                   const QString& shortColumn);

}  // namespace PersonName
