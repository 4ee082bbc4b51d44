#include "publish/ResultsPrintRun.h"

#include "publish/IndividualResultsReport.h"
#include "publish/TeamResultsReport.h"
#include "standings/EventNames.h"
#include "standings/FillTeamScratchpad.h"
#include "standings/PrepareEventReport.h"
#include "standings/RankScratchpad.h"

namespace {

const QString kTeamTitles[3] = {QStringLiteral("Teams"), QStringLiteral("Men's Teams"),
                                QStringLiteral("Women's Teams")};

}  // namespace

Status ResultsPrintRun::Run(const ResultsPrintChoice& choice, const ReportOutput& report,
                            const GridOutput& grid) {
    for (int variant = 0; variant < 3; ++variant) {
        if (choice.Teams[static_cast<size_t>(variant)]) {
            if (Status printed = printSchools(variant, report); !printed) {
                return printed;
            }
        }
    }
    if (choice.Events.isEmpty()) {
        return Status::success();
    }
    if (Status ranked = RankScratchpad(m_db); !ranked) {
        return ranked;
    }
    EventNames names;
    if (Status loaded = names.load(m_db); !loaded) {
        return loaded;
    }
    for (int event : choice.Events) {
        if (Status printed = printEvent(event, names.name(event), choice.Grids, report, grid);
            !printed) {
            return printed;
        }
    }
    return Status::success();
}

Status ResultsPrintRun::printSchools(int variant, const ReportOutput& report) {
    if (Status filled = FillTeamScratchpad(m_db, static_cast<TeamVariant>(variant)); !filled) {
        return filled;
    }
    BandedReport printout;
    if (Status built =
            TeamResultsReport::Build(m_db, m_year, kTeamTitles[variant], m_printedAt, printout);
        !built) {
        return built;
    }
    return report(printout);
}

Status ResultsPrintRun::printEvent(int event, const QString& eventName, bool withGrid,
                                   const ReportOutput& report, const GridOutput& grid) {
    PlaceOf placeOf{};
    EventReport prepared;
    if (Status s = PrepareEventReport(m_db, event, placeOf, prepared); !s) {
        return s;
    }
    BandedReport printout;
    if (Status built =
            IndividualResultsReport::Build(m_db, m_year, event, eventName, prepared, printout);
        !built) {
        return built;
    }
    if (Status shown = report(printout); !shown) {
        return shown;
    }
    return withGrid ? grid(event, prepared.ProgressText, placeOf) : Status::success();
}
