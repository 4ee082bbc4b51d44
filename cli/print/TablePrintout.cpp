#include "print/TablePrintout.h"

#include "print/PrintSink.h"
#include "publish/RoundRobinSheet.h"
#include "standings/PrepareEventReport.h"
#include "standings/RankScratchpad.h"

Status PrintRoundRobinTable(const Database& db, int event, const QString& championshipYear,
                            PrintSink& sink) {
    if (Status ranked = RankScratchpad(db); !ranked) {
        return ranked;
    }
    PlaceOf placeOf{};
    EventReport report;
    if (Status prepared = PrepareEventReport(db, event, placeOf, report); !prepared) {
        return prepared;
    }
    GridSheet sheet;
    const Result<SheetEvent> printed = SheetEvent::Load(db, event, championshipYear);
    if (!printed) {
        return printed.status();
    }
    if (Status built = RoundRobinSheet::Build(db, *printed, report.ProgressText, placeOf, 1, sheet);
        !built) {
        return built;
    }
    return sink.print(sheet);
}
