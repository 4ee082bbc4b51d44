#include "roster/RosterStore.h"

#include "db/Database.h"
#include "db/Transaction.h"
#include "roster/ControlCharacters.h"
#include "roster/HtmlName.h"
#include "roster/RosterStatus.h"

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

}  // namespace

std::vector<RosterRow> RosterStore::load(int weapon, Status* status) const {
    std::vector<RosterRow> rows;
    Statement query = m_db.prepare(
        QStringLiteral("SELECT Roster.FName, Roster.LName, Roster.HTMLName, Roster.FencerNumber, "
                       "Roster.Excluded, Roster.ExcludedButCount, Roster.Injury, Roster.Team, "
                       "Roster.AddlText FROM Teams INNER JOIN Roster ON Teams.Team = Roster.Team "
                       "WHERE Roster.Weapon = ? ORDER BY Roster.LName, Roster.FName"),
        {weapon});
    while (query.next() && rows.size() < 24) {
        RosterRow row;
        row.first = query.toText(0);
        row.last = query.toText(1);
        row.html = query.toText(2);
        row.fencerNumber = query.toInt(3);
        row.status = RosterStatus::EntryFor({flag(query, 4), flag(query, 5), flag(query, 6)});
        row.team = query.toInt(7);
        row.addl = query.toText(8);
        rows.push_back(row);
    }
    Status result = query.ok() ? Status::success() : Status::failure(query.errorString());
    for (int number : freeNumbers(weapon)) {
        if (rows.size() >= 24) {
            break;
        }
        RosterRow row;
        row.fencerNumber = number;
        rows.push_back(row);
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

Status RosterStore::save(int weapon, std::vector<RosterRow>& rows) const {
    Transaction transaction(m_db);
    if (!transaction.begun()) {
        return transaction.begun();
    }
    if (Status written = write(weapon, rows); !written) {
        return written;
    }
    return transaction.commit();
}

Status RosterStore::write(int weapon, std::vector<RosterRow>& rows) const {
    for (size_t i = 0; i < rows.size(); ++i) {
        if (wantsWriting(rows[i])) {
            const QString where = QStringLiteral("Row %1").arg(i + 1);
            if (const QString problem = RowProblem(rows[i], where); !problem.isEmpty()) {
                return Status::failure(problem);
            }
        }
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
