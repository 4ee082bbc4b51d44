#pragma once

#include "roster/RosterRow.h"

#include <QString>

class SchoolList;

// Compares two versions of one roster row, as typed and as stored, column by column.
class RosterRowDifferences final {
public:
    // The same fencer data (the change mark aside).
    static bool Same(const RosterRow& a, const RosterRow& b);
    // Each column that differs, by its heading, with the typed and the stored text:
    // `First Name: typed "Ann", stored "Anne"; School: ...`.
    static QString Describe(const RosterRow& typed, const RosterRow& stored,
                            const SchoolList& schools);
};
