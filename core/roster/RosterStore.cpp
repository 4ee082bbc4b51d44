#include "roster/RosterStore.h"

#include "db/Database.h"
#include "db/Transaction.h"
#include "roster/ControlCharacters.h"
#include "roster/HtmlName.h"
#include "roster/RosterRowDifferences.h"
#include "roster/RosterStatus.h"
#include "roster/SchoolList.h"

#include <algorithm>

namespace {

// The column sizes of Roster, checked here so the user learns which row is too long.
constexpr int kNameLength = 50;
constexpr int kAddlLength = 30;
constexpr int kHtmlLength = 150;

bool flag(const Statement& row, int column) {
    return !row.isNull(column) && row.toInt(column) != 0;
}

// Rows nobody typed into (a free number left as it is) are not written.
bool wantsWriting(const RosterRow& row) {
    return row.changed && (row.hasText() || row.team >= 0);
}

// The columns every roster read takes, in the order rowFrom() reads them.
const char* const kRowColumns =
    "Roster.FName, Roster.LName, Roster.HTMLName, Roster.FencerNumber, Roster.Excluded, "
    "Roster.ExcludedButCount, Roster.Injury, Roster.Team, Roster.AddlText";

RosterRow rowFrom(const Statement& query) {
    RosterRow row;
    row.first = query.toText(0);
    row.last = query.toText(1);
    row.html = query.toText(2);
    row.fencerNumber = query.toInt(3);
    row.status = RosterStatus::EntryFor({flag(query, 4), flag(query, 5), flag(query, 6)});
    row.team = query.toInt(7);
    row.addl = query.toText(8);
    return row;
}

RosterRow freeRow(int fencerNumber) {
    RosterRow row;
    row.fencerNumber = fencerNumber;
    return row;
}

// The row of a fencer number; a free row is added for a number not among them.
RosterRow& rowNumbered(std::vector<RosterRow>& rows, int fencerNumber) {
    auto found = std::find_if(rows.begin(), rows.end(),
                              [&](const RosterRow& r) { return r.fencerNumber == fencerNumber; });
    return found != rows.end() ? *found : rows.emplace_back(freeRow(fencerNumber));
}

}  // namespace

std::vector<RosterRow> RosterStore::load(int weapon, Status* status) const {
    std::vector<RosterRow> rows;
    Statement query = m_db.prepare(
        QStringLiteral("SELECT %1 FROM Teams INNER JOIN Roster ON Teams.Team = Roster.Team "
                       "WHERE Roster.Weapon = ? ORDER BY Roster.LName, Roster.FName")
            .arg(QLatin1String(kRowColumns)),
        {weapon});
    while (query.next() && rows.size() < 24) {
        rows.push_back(rowFrom(query));
    }
    Status result = query.ok() ? Status::success() : Status::failure(query.errorString());
    for (int number : freeNumbers(weapon)) {
        if (rows.size() >= 24) {
            break;
        }
        rows.push_back(freeRow(number));
    }
    if (status) {
        *status = result;
    }
    return rows;
}

std::vector<int> RosterStore::freeNumbers(int weapon) const {
    std::vector<int> numbers;
    Statement query = m_db.prepare(
        QStringLiteral("SELECT FencerNumber FROM FencerNumbers WHERE FencerNumber NOT IN "
                       "(SELECT FencerNumber FROM Roster WHERE Weapon = ?) ORDER BY FencerNumber"),
        {weapon});
    while (query.next()) {
        numbers.push_back(query.toInt(0));
    }
    return numbers;
}

QString RosterStore::RowProblem(const RosterRow& row, const QString& where) {
    const QString who = row.displayName().isEmpty()
                            ? where
                            : QStringLiteral("%1 (%2)").arg(where, row.displayName());
    // Named by the grid's column titles, which are also what the roster files hold.
    if (const QString problem =
            ControlCharacters::FirstProblem({{QStringLiteral("First Name"), row.first},
                                             {QStringLiteral("Last Name"), row.last},
                                             {QStringLiteral("Add'l Text"), row.addl},
                                             {QStringLiteral("HTML Name"), row.html}},
                                            where);
        !problem.isEmpty()) {
        return problem;
    }
    if (row.displayName().isEmpty()) {
        return QStringLiteral("%1 has no name. Type the fencer's name before saving.").arg(who);
    }
    if (row.team < 0) {
        return QStringLiteral("%1 has no school. Choose the fencer's school before saving.")
            .arg(who);
    }
    if (row.first.size() > kNameLength || row.last.size() > kNameLength) {
        return QStringLiteral("%1: a name may have at most %2 characters.")
            .arg(who)
            .arg(kNameLength);
    }
    if (row.addl.size() > kAddlLength) {
        return QStringLiteral("%1: the Add'l Text may have at most %2 characters.")
            .arg(who)
            .arg(kAddlLength);
    }
    const QString html = row.html.trimmed().isEmpty() ? HtmlNameFor(row.first, row.last) : row.html;
    if (html.size() > kHtmlLength) {
        return QStringLiteral("%1: the HTML Name may have at most %2 characters.")
            .arg(who)
            .arg(kHtmlLength);
    }
    return QString();
}

Status RosterStore::save(int weapon, std::vector<RosterRow>& rows, std::vector<RosterRow>& loaded,
                         QStringList* changedElsewhere) const {
    Transaction transaction(m_db);
    if (!transaction.begun()) {
        return transaction.begun();
    }
    std::vector<RosterRow> typed = rows;
    std::vector<RosterRow> stored = loaded;
    for (RosterRow& row : typed) {
        if (RosterRowDifferences::Same(row, rowNumbered(stored, row.fencerNumber))) {
            row.changed = false;
        }
    }
    if (Status checked = check(typed); !checked) {
        return checked;
    }
    QStringList kept;
    for (size_t i = 0; i < typed.size(); ++i) {
        if (!wantsWriting(typed[i])) {
            continue;
        }
        if (typed[i].html.trimmed().isEmpty()) {
            typed[i].html = HtmlNameFor(typed[i].first, typed[i].last);
        }
        RosterRow& before = rowNumbered(stored, typed[i].fencerNumber);
        const RosterRow mine = typed[i];
        bool wasKept = false;
        if (Status s = saveRow(weapon, typed[i], before, &wasKept); !s) {
            return s;
        }
        if (wasKept) {
            kept << QStringLiteral("Row %1, fencer number %2: %3")
                        .arg(i + 1)
                        .arg(mine.fencerNumber)
                        .arg(RosterRowDifferences::Describe(mine, before, SchoolList::Load(m_db)));
        }
    }
    if (Status committed = transaction.commit(); !committed) {
        return committed;
    }
    rows = typed;
    loaded = stored;
    if (changedElsewhere != nullptr) {
        *changedElsewhere = kept;
    }
    return Status::success();
}

Status RosterStore::saveRow(int weapon, RosterRow& row, RosterRow& loaded, bool* kept) const {
    RosterRow stored;
    if (Status read = storedRow(weapon, row.fencerNumber, stored); !read) {
        return read;
    }
    *kept = !RosterRowDifferences::Same(stored, loaded) && !RosterRowDifferences::Same(stored, row);
    if (*kept) {
        row = stored;
        loaded = stored;
        return Status::success();
    }
    if (Status written = writeRow(weapon, row); !written) {
        return written;
    }
    return storedRow(weapon, row.fencerNumber, loaded);
}

Status RosterStore::storedRow(int weapon, int fencerNumber, RosterRow& row) const {
    Statement query = m_db.prepare(
        QStringLiteral("SELECT %1 FROM Roster WHERE Roster.Weapon = ? AND Roster.FencerNumber = ?")
            .arg(QLatin1String(kRowColumns)),
        {weapon, fencerNumber});
    row = query.next() ? rowFrom(query) : freeRow(fencerNumber);
    return query.ok() ? Status::success() : Status::failure(query.errorString());
}

Status RosterStore::check(const std::vector<RosterRow>& rows) {
    for (size_t i = 0; i < rows.size(); ++i) {
        if (wantsWriting(rows[i])) {
            const QString where = QStringLiteral("Row %1").arg(i + 1);
            if (const QString problem = RowProblem(rows[i], where); !problem.isEmpty()) {
                return Status::failure(problem);
            }
        }
    }
    return Status::success();
}

Status RosterStore::write(int weapon, std::vector<RosterRow>& rows) const {
    if (Status checked = check(rows); !checked) {
        return checked;
    }
    for (RosterRow& row : rows) {
        if (!wantsWriting(row)) {
            continue;
        }
        if (row.html.trimmed().isEmpty()) {
            row.html = HtmlNameFor(row.first, row.last);
        }
        if (Status s = writeRow(weapon, row); !s) {
            return s;
        }
    }
    return Status::success();
}

Status RosterStore::writeRow(int weapon, const RosterRow& row) const {
    const RosterStatus::Flags flags = RosterStatus::FlagsFor(row.status);
    const bool exists = m_db.queryInt(QStringLiteral("SELECT COUNT(*) FROM Roster WHERE Weapon = ? "
                                                     "AND FencerNumber = ?"),
                                      {weapon, row.fencerNumber})
                            .value_or(0) > 0;
    if (exists) {
        return m_db.exec(
            QStringLiteral("UPDATE Roster SET FName = ?, LName = ?, Excluded = ?, "
                           "ExcludedButCount = ?, Injury = ?, Team = ?, AddlText = ?, HTMLName = ? "
                           "WHERE Weapon = ? AND FencerNumber = ?"),
            {row.first, row.last, flags.excluded, flags.excludedButCount, flags.injury, row.team,
             row.addl, row.html, weapon, row.fencerNumber});
    }
    return m_db.exec(
        QStringLiteral(
            "INSERT INTO Roster (Weapon, FencerNumber, Team, LName, FName, \"Group\", "
            "Subgroup, Excluded, ExcludedButCount, Injury, Advanced, HTMLName, AddlText) "
            "VALUES (?, ?, ?, ?, ?, 99, 99, ?, ?, ?, ?, ?, ?)"),
        {weapon, row.fencerNumber, row.team, row.last, row.first, flags.excluded,
         flags.excludedButCount, flags.injury, false, row.html, row.addl});
}
