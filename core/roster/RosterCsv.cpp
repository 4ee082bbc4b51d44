#include "roster/RosterCsv.h"

#include "db/Database.h"
#include "db/Transaction.h"
#include "roster/CsvText.h"
#include "roster/RosterStatus.h"
#include "roster/RosterStore.h"
#include "roster/SchoolList.h"

#include <map>
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

}  // namespace

Status RosterCsv::import(const QString& text, Imported* imported) const {
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
    const Result<std::map<int, QString>> readEvents = eventAbbreviations(m_db);
    if (!readEvents) {
        return readEvents.status();
    }
    const Result<SchoolList> readSchools = SchoolList::Load(m_db);
    if (!readSchools) {
        return readSchools.status();
    }
    const std::map<int, QString>& events = *readEvents;
    const SchoolList& schools = *readSchools;
    const RosterStore store(m_db);
    std::map<int, std::vector<int>> freeNumbers;
    std::map<int, std::vector<RosterRow>> rowsByEvent;
    QStringList problems;

    for (size_t r = 1; r < records.size(); ++r) {
        const CsvText::Record& record = records[r];
        const QString where = QStringLiteral("line %1").arg(record.line);
        auto field = [&](int column) {
            const int at = positions[static_cast<size_t>(column)];
            return at >= 0 && at < record.fields.size() ? record.fields[at] : QString();
        };
        const std::optional<int> event = eventFor(field(0), events);
        RosterRow row;
        row.first = field(1).trimmed();
        row.last = field(2).trimmed();
        row.team = schools.teamByAbbreviation(field(3));
        row.status = statusFor(field(4));
        row.addl = field(5);
        row.html = field(6).trimmed();
        row.changed = true;
        if (!event) {
            problems << QStringLiteral("%1: unknown event \"%2\"").arg(where, field(0));
            continue;
        }
        if (row.team < 0) {
            problems << QStringLiteral("%1: unknown school \"%2\"").arg(where, field(3));
            continue;
        }
        if (row.status < 0) {
            problems << QStringLiteral("%1: unknown status \"%2\" (use %3)")
                            .arg(where, field(4),
                                 RosterStatus::Entries().join(QStringLiteral(", ")));
            continue;
        }
        if (const QString problem = RosterStore::RowProblem(row, where); !problem.isEmpty()) {
            problems << problem;
            continue;
        }
        if (!freeNumbers.count(*event)) {
            const Result<std::vector<int>> free = store.freeNumbers(*event);
            if (!free) {
                return free.status();
            }
            freeNumbers[*event] = *free;
        }
        std::vector<int>& free = freeNumbers[*event];
        if (rowsByEvent[*event].size() >= free.size()) {
            problems << QStringLiteral("%1: %2 is full").arg(where, events.at(*event));
            continue;
        }
        row.fencerNumber = free[rowsByEvent[*event].size()];
        rowsByEvent[*event].push_back(row);
    }
    if (!problems.isEmpty()) {
        return Status::failure(problems.join(QLatin1Char('\n')));
    }

    Transaction transaction(m_db);
    if (!transaction.begun()) {
        return transaction.begun();
    }
    int count = 0;
    for (auto& [event, rows] : rowsByEvent) {
        if (Status written = store.write(event, rows); !written) {
            return written;
        }
        count += static_cast<int>(rows.size());
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
