#include "roster/RosterRowDifferences.h"

#include "db/ChangedElsewhere.h"
#include "roster/RosterStatus.h"
#include "roster/SchoolList.h"

#include <QStringList>
#include <array>

namespace {

struct Column {
    const char* heading;
    QString (*text)(const RosterRow& row, const SchoolList& schools);
};

QString statusText(const RosterRow& row, const SchoolList&) {
    return RosterStatus::Entries().value(row.status);
}

// The columns in the order of the roster grid.
const std::array<Column, 6> kColumns = {{
    {"First Name", [](const RosterRow& r, const SchoolList&) { return r.first; }},
    {"Last Name", [](const RosterRow& r, const SchoolList&) { return r.last; }},
    {"School", [](const RosterRow& r, const SchoolList& s) { return s.abbreviationOf(r.team); }},
    {"Excluded", statusText},
    {"Add'l Text", [](const RosterRow& r, const SchoolList&) { return r.addl; }},
    {"HTML Name", [](const RosterRow& r, const SchoolList&) { return r.html; }},
}};

}  // namespace

bool RosterRowDifferences::Same(const RosterRow& a, const RosterRow& b) {
    return a.fencerNumber == b.fencerNumber && a.team == b.team && a.first == b.first &&
           a.last == b.last && a.status == b.status && a.addl == b.addl && a.html == b.html;
}

QString RosterRowDifferences::Describe(const RosterRow& typed, const RosterRow& stored,
                                       const SchoolList& schools) {
    QStringList parts;
    for (const Column& column : kColumns) {
        const QString mine = column.text(typed, schools);
        const QString theirs = column.text(stored, schools);
        if (mine != theirs) {
            parts << QStringLiteral("%1: %2").arg(QLatin1String(column.heading),
                                                  ChangedElsewhere::TypedAndStored(mine, theirs));
        }
    }
    return parts.join(QStringLiteral("; "));
}
