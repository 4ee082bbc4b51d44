#include "roster/RosterCsv.h"

#include "db/ChangeLog.h"
#include "db/Database.h"
#include "db/Transaction.h"
#include "roster/ControlCharacters.h"
#include "roster/CsvText.h"
#include "roster/RosterStatus.h"
#include "roster/RosterStore.h"
#include "roster/SchoolList.h"

#include <map>
#include <numeric>
#include <utility>
#include <vector>

namespace {

const QStringList kColumns = {QStringLiteral("event"),  QStringLiteral("first"),
                              QStringLiteral("last"),   QStringLiteral("school"),
                              QStringLiteral("status"), QStringLiteral("addl"),
                              QStringLiteral("html")};
constexpr int kRequiredColumns = 4;  // event, first, last, school

// Event codes by abbreviation, read from the file's Weapons table.
Result<std::map<int, QString>> eventAbbreviations(const Database& db) {
    std::map<int, QString> events;
    Statement query =
        db.prepare(QStringLiteral("SELECT Weapon, Abbreviation FROM Weapons WHERE Weapon < 10"));
    while (query.next()) {
        events[query.toInt(0)] = query.toText(1);
    }
    if (!query.ok()) {
        return query.status();
    }
    return events;
}

std::optional<int> eventFor(const QString& text, const std::map<int, QString>& events) {
    const QString wanted = text.trimmed();
    for (const auto& [code, abbreviation] : events) {
        if (abbreviation.compare(wanted, Qt::CaseInsensitive) == 0 ||
            QString::number(code) == wanted) {
            return code;
        }
    }
    return std::nullopt;
}

int statusFor(const QString& text) {
    if (text.trimmed().isEmpty()) {
        return RosterStatus::No;
    }
    const QStringList& entries = RosterStatus::Entries();
    for (int i = 0; i < entries.size(); ++i) {
        if (entries[i].compare(text.trimmed(), Qt::CaseInsensitive) == 0) {
            return i;
        }
    }
    return -1;
}

// Where each named column sits in a record; -1 for a column the file leaves out.
std::vector<int> columnPositions(const QStringList& header, QString* error) {
    std::vector<int> positions(kColumns.size(), -1);
    for (int i = 0; i < header.size(); ++i) {
        const int column = kColumns.indexOf(header[i].trimmed().toLower());
        if (column < 0) {
            *error = QStringLiteral("line 1: unknown column \"%1\" (expected %2)")
                         .arg(header[i], kColumns.join(QLatin1Char(',')));
            return {};
        }
        positions[static_cast<size_t>(column)] = i;
    }
    for (int c = 0; c < kRequiredColumns; ++c) {
        if (positions[static_cast<size_t>(c)] < 0) {
            *error = QStringLiteral("line 1: the column \"%1\" is missing").arg(kColumns[c]);
            return {};
        }
    }
    return positions;
}

// One named column of a record; empty for a column the file leaves out.
QString fieldOf(const CsvText::Record& record, const std::vector<int>& positions, int column) {
    const int at = positions[static_cast<size_t>(column)];
    return at >= 0 && at < record.fields.size() ? record.fields[at] : QString();
}

// A fencer as the staff tell fencers apart: names and school, ignoring case and edge blanks.
QString fencerKey(int event, const RosterRow& row) {
    return QStringLiteral("%1|%2|%3|%4")
        .arg(event)
        .arg(row.first.trimmed().toCaseFolded(), row.last.trimmed().toCaseFolded())
        .arg(row.team);
}

// The checked lines of one roster file, with the fencer number each new fencer takes.
struct ImportPlan {
    ImportPlan(const Database& db, RosterCsv::Duplicates duplicates, std::map<int, QString> events,
               SchoolList schools)
        : db(db), duplicates(duplicates), events(std::move(events)), schools(std::move(schools)) {}

    // Fails only when the file cannot be read; a wrong line is listed in `problems`.
    Status add(const CsvText::Record& record, const std::vector<int>& positions);

    const Database& db;
    const RosterCsv::Duplicates duplicates;
    const std::map<int, QString> events;
    const SchoolList schools;
    std::map<int, std::vector<int>> freeNumbers;
    std::map<int, std::vector<RosterRow>> rowsByEvent;
    // Who is already known, and where: the event ("MS") or the line ("line 4").
    std::map<QString, QString> seen;
    QStringList problems;

private:
    QString rowProblem(const CsvText::Record& record, const std::vector<int>& positions,
                       std::optional<int> event, const RosterRow& row) const;
    QString duplicateProblem(int event, const RosterRow& row, const QString& where);
    Status loadEvent(int event);
};

Status ImportPlan::loadEvent(int event) {
    if (freeNumbers.count(event)) {
        return Status::success();
    }
    const RosterStore store(db);
    const Result<std::vector<int>> free = store.freeNumbers(event);
    if (!free) {
        return free.status();
    }
    const Result<std::vector<RosterRow>> known = store.load(event);
    if (!known) {
        return known.status();
    }
    freeNumbers[event] = *free;
    for (const RosterRow& row : *known) {
        if (row.team >= 0) {
            seen.emplace(fencerKey(event, row), events.at(event));
        }
    }
    return Status::success();
}

QString ImportPlan::rowProblem(const CsvText::Record& record, const std::vector<int>& positions,
                               std::optional<int> event, const RosterRow& row) const {
    const QString where = QStringLiteral("line %1").arg(record.line);
    for (int c = 0; c < kColumns.size(); ++c) {
        if (QString problem = ControlCharacters::Problem(
                fieldOf(record, positions, c), where, QStringLiteral("%1 field").arg(kColumns[c]));
            !problem.isEmpty()) {
            return problem;
        }
    }
    const auto field = [&](int column) { return fieldOf(record, positions, column); };
    if (!event) {
        return QStringLiteral("%1: unknown event \"%2\"").arg(where, field(0));
    }
    if (row.team < 0) {
        return QStringLiteral("%1: unknown school \"%2\"").arg(where, field(3));
    }
    if (row.status < 0) {
        return QStringLiteral("%1: unknown status \"%2\" (use %3)")
            .arg(where, field(4), RosterStatus::Entries().join(QStringLiteral(", ")));
    }
    return RosterStore::RowProblem(row, where);
}

QString ImportPlan::duplicateProblem(int event, const RosterRow& row, const QString& where) {
    const auto [known, added] = seen.emplace(fencerKey(event, row), where);
    if (added || duplicates == RosterCsv::Duplicates::Allow) {
        return QString();
    }
    return QStringLiteral("%1: %2 (%3) is already on %4 (use --allow-duplicates to import anyway)")
        .arg(where, row.displayName(), schools.abbreviationOf(row.team), known->second);
}

Status ImportPlan::add(const CsvText::Record& record, const std::vector<int>& positions) {
    const auto field = [&](int column) { return fieldOf(record, positions, column); };
    const QString where = QStringLiteral("line %1").arg(record.line);
    const std::optional<int> event = eventFor(field(0), events);
    RosterRow row;
    row.first = field(1).trimmed();
    row.last = field(2).trimmed();
    row.team = schools.teamByAbbreviation(field(3));
    row.status = statusFor(field(4));
    row.addl = field(5);
    row.html = field(6).trimmed();
    row.changed = true;
    if (const QString problem = rowProblem(record, positions, event, row); !problem.isEmpty()) {
        problems << problem;
        return Status::success();
    }
    if (Status loaded = loadEvent(*event); !loaded) {
        return loaded;
    }
    if (const QString problem = duplicateProblem(*event, row, where); !problem.isEmpty()) {
        problems << problem;
        return Status::success();
    }
    std::vector<int>& free = freeNumbers[*event];
    std::vector<RosterRow>& rows = rowsByEvent[*event];
    if (rows.size() >= free.size()) {
        problems << QStringLiteral("%1: %2 is full").arg(where, events.at(*event));
        return Status::success();
    }
    row.fencerNumber = free[rows.size()];
    rows.push_back(row);
    return Status::success();
}

}  // namespace

Status RosterCsv::import(const QString& text, Imported* imported, Duplicates duplicates) const {
    QString error;
    const std::vector<CsvText::Record> records = CsvText::Parse(text, &error);
    if (!error.isEmpty()) {
        return Status::failure(error);
    }
    if (records.empty()) {
        return Status::failure(QStringLiteral("the file is empty"));
    }
    const std::vector<int> positions = columnPositions(records.front().fields, &error);
    if (!error.isEmpty()) {
        return Status::failure(error);
    }
    return importFields({records.begin() + 1, records.end()}, positions, imported, duplicates);
}

Status RosterCsv::importRecords(const std::vector<CsvText::Record>& records, Imported* imported,
                                Duplicates duplicates) const {
    std::vector<int> positions(kColumns.size());
    std::iota(positions.begin(), positions.end(), 0);
    return importFields(records, positions, imported, duplicates);
}

Status RosterCsv::importFields(const std::vector<CsvText::Record>& records,
                               const std::vector<int>& positions, Imported* imported,
                               Duplicates duplicates) const {
    // The free numbers are read under the write lock, so that a second import running at
    // the same time waits and then takes other numbers instead of overwriting these fencers.
    Transaction transaction(m_db);
    if (!transaction.begun()) {
        return transaction.begun();
    }
    Result<std::map<int, QString>> events = eventAbbreviations(m_db);
    if (!events) {
        return events.status();
    }
    Result<SchoolList> schools = SchoolList::Load(m_db);
    if (!schools) {
        return schools.status();
    }
    ImportPlan plan(m_db, duplicates, *events, *schools);
    for (const CsvText::Record& record : records) {
        if (Status read = plan.add(record, positions); !read) {
            return read;
        }
    }
    if (!plan.problems.isEmpty()) {
        return Status::failure(plan.problems.join(QLatin1Char('\n')));
    }
    int count = 0;
    for (const auto& [event, rows] : plan.rowsByEvent) {
        count += static_cast<int>(rows.size());
    }
    if (Status logged = ChangeLog::RecordInstead(m_db, QStringLiteral("import"),
                                                 QStringLiteral("%1 fencers imported").arg(count));
        !logged) {
        return logged;
    }
    const RosterStore store(m_db);
    for (auto& [event, rows] : plan.rowsByEvent) {
        if (Status written = store.write(event, rows); !written) {
            return written;
        }
    }
    Status committed = transaction.commit();
    if (committed && imported) {
        imported->fencers = count;
    }
    return committed;
}

Result<QString> RosterCsv::exportText(std::optional<int> weapon) const {
    const Result<std::map<int, QString>> events = eventAbbreviations(m_db);
    if (!events) {
        return events.status();
    }
    const Result<SchoolList> schools = SchoolList::Load(m_db);
    if (!schools) {
        return schools.status();
    }
    const RosterStore store(m_db);
    QString out = kColumns.join(QLatin1Char(',')) + QLatin1Char('\n');
    for (const auto& [event, abbreviation] : *events) {
        if (weapon && *weapon != event) {
            continue;
        }
        const Result<std::vector<RosterRow>> rows = store.load(event);
        if (!rows) {
            return rows.status();
        }
        for (const RosterRow& row : *rows) {
            if (row.team < 0) {
                continue;
            }
            out +=
                CsvText::Line({abbreviation, row.first, row.last, schools->abbreviationOf(row.team),
                               RosterStatus::Entries().at(row.status), row.addl, row.html}) +
                QLatin1Char('\n');
        }
    }
    return out;
}
