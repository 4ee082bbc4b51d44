#pragma once

#include "db/Status.h"
#include "print/BandedReport.h"
#include "publish/ResultsPrintChoice.h"
#include "standings/PlaceOf.h"

#include <QDateTime>
#include <functional>

class Database;

// One printing of the official results: the chosen school reports, then per chosen event its
// list and, when asked, its round-robin table. Each printout goes to the caller as soon as it
// is built, so a window can preview one report before the next is computed.
class ResultsPrintRun final {
public:
    using ReportOutput = std::function<Status(const BandedReport&)>;
    // The event's round-robin table, titled with the run's progress text and its places.
    using GridOutput =
        std::function<Status(int event, const QString& progressText, const PlaceOf& placeOf)>;

    ResultsPrintRun(const Database& db, const QString& championshipYear, QDateTime printedAt)
        : m_db(db), m_year(championshipYear), m_printedAt(std::move(printedAt)) {}

    // Stops at the first failure and returns it.
    Status Run(const ResultsPrintChoice& choice, const ReportOutput& report,
               const GridOutput& grid);

private:
    Status printSchools(int variant, const ReportOutput& report);
    Status printEvent(int event, const QString& eventName, bool withGrid,
                      const ReportOutput& report, const GridOutput& grid);

    const Database& m_db;
    QString m_year;
    QDateTime m_printedAt;
};
