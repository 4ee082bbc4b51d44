#include "BenchValue.h"
#include "print/PdfFileSink.h"
#include "print/PrintScoresheets.h"
#include "print/RecordingSink.h"
#include "print/ScheduleReports.h"
#include "print/ScheduleSheets.h"
#include "publish/RoundRobinSheet.h"
#include "support/ChampionshipBuilder.h"
#include "support/FullEventResults.h"
#include "support/TempChampionship.h"

#include <benchmark/benchmark.h>
#include <functional>

namespace {

// A full championship: six events of 24 fencers drawn into groups.
const TempChampionship& FullChampionship() {
    static const TempChampionship file = [] {
        TempChampionship f;
        for (int event = 0; event < 6; ++event) {
            ChampionshipBuilder(f).drawFullEvent(event);
        }
        return f;
    }();
    return file;
}

using Builder = std::function<Status(const Database&, const SheetEvent&, GridSheet&)>;

const QList<Builder>& SixSheets() {
    using namespace ScheduleSheets;
    static const QList<Builder> sheets = {
        Groups,
        Schedule,
        [](const Database& db, const SheetEvent& e, GridSheet& s) {
            return StripAssignments(db, e, ChampionshipDay::One, s);
        },
        [](const Database& db, const SheetEvent& e, GridSheet& s) {
            return StripAssignments(db, e, ChampionshipDay::Two, s);
        },
        [](const Database& db, const SheetEvent& e, GridSheet& s) {
            return RefereeAssignments(db, e, ChampionshipDay::One, s);
        },
        [](const Database& db, const SheetEvent& e, GridSheet& s) {
            return RefereeAssignments(db, e, ChampionshipDay::Two, s);
        },
    };
    return sheets;
}

// The six schedule sheets of one event into one PDF, from the queries to the closed file.
void PrintSixSheetsOfOneEventToPdf(benchmark::State& state) {
    const TempChampionship& file = FullChampionship();
    const QString path = file.folder() + QStringLiteral("/bench.pdf");
    for (auto _ : state) {
        PdfFileSink pdf(path);
        const SheetEvent event = Value(SheetEvent::Load(file.db(), 0, QStringLiteral("2026")));
        for (const Builder& build : SixSheets()) {
            GridSheet sheet;
            if (!build(file.db(), event, sheet) || !pdf.print(sheet)) {
                state.SkipWithError("printing failed");
            }
        }
        if (!pdf.finish()) {
            state.SkipWithError("the PDF could not be written");
        }
    }
}
BENCHMARK(PrintSixSheetsOfOneEventToPdf)->Unit(benchmark::kMillisecond);

// What a window waits for before the printer takes over: queries and page layout only.
void LayOutSixSheetsOfOneEvent(benchmark::State& state) {
    const TempChampionship& file = FullChampionship();
    for (auto _ : state) {
        RecordingSink pages;
        const SheetEvent event = Value(SheetEvent::Load(file.db(), 0, QStringLiteral("2026")));
        for (const Builder& build : SixSheets()) {
            GridSheet sheet;
            Require(build(file.db(), event, sheet));
            Require(pages.print(sheet));
        }
        benchmark::DoNotOptimize(pages.documents);
    }
}
BENCHMARK(LayOutSixSheetsOfOneEvent)->Unit(benchmark::kMillisecond);

// Competitor schedules of every fencer of the championship, laid out (144 pages).
void LayOutAllCompetitorSchedules(benchmark::State& state) {
    const TempChampionship& file = FullChampionship();
    for (auto _ : state) {
        RecordingSink pages;
        BandedReport report;
        Require(ScheduleReports::CompetitorSchedules(file.db(), {0, 1, 2, 3, 4, 5},
                                                     ScheduleReports::kAll, ScheduleReports::kAll,
                                                     QStringLiteral("2026"), report));
        Require(pages.print(report));
        benchmark::DoNotOptimize(pages.documents);
    }
}
BENCHMARK(LayOutAllCompetitorSchedules)->Unit(benchmark::kMillisecond);

// Every scoresheet of one event into one PDF: four pool sheets, 24 dual pages and the four
// Final Four sheets, as "All of Day One", "All of Day Two" and "All of Final Four" print them.
void PrintAllScoresheetsOfOneEventToPdf(benchmark::State& state) {
    const TempChampionship& file = FullChampionship();
    const QString path = file.folder() + QStringLiteral("/scoresheets.pdf");
    ScoresheetChoice all;
    all.rounds.fill(true);
    all.semis = all.medals = true;
    for (auto _ : state) {
        PdfFileSink pdf(path);
        const Scoresheets::Request request{
            Value(SheetEvent::Load(file.db(), 0, QStringLiteral("2026"))), QDate(2026, 3, 21), -1};
        if (!PrintScoresheets(file.db(), request, all, pdf) || !pdf.finish()) {
            state.SkipWithError("printing failed");
        }
    }
}
BENCHMARK(PrintAllScoresheetsOfOneEventToPdf)->Unit(benchmark::kMillisecond);

// Men's saber fully fenced, every fencer with a 60-character name and every school with the
// longest name the file holds, so that nearly every name is shrunk, initialled or cut.
const TempChampionship& LongNamedEvent() {
    static const TempChampionship file = [] {
        TempChampionship f;
        ChampionshipBuilder(f).drawFullEvent(0);
        for (int n = 0; n < 24; ++n) {
            f.exec(QStringLiteral("UPDATE Roster SET FName='Wilhelmina-Mae Maxwell', LName=? "
                                  "WHERE Weapon=0 AND FencerNumber=?"),
                   {QStringLiteral("W%1olfeschlegelsteinhausenbergerdorff")
                        .arg(n, 2, 10, QLatin1Char('0')),
                    n});
        }
        f.exec(
            QStringLiteral("UPDATE Teams SET FullTeamName=substr(Team || ' Wentworth Institute "
                           "of Technology at Wimbledon', 1, 50), MediumTeamName=substr(Team || "
                           "' WENTWORTH MASSACHUSETTS', 1, 20), Abbreviation=substr(Team || "
                           "'WMWM', 1, 5)"));
        FullEventResults(f).fenceAllRounds(0);
        return f;
    }();
    return file;
}

// Every sheet of one event into one PDF with the longest names: the six schedule sheets, every
// scoresheet and the round-robin table, from the queries to the closed file.
void PrintEverySheetOfALongNamedEventToPdf(benchmark::State& state) {
    const TempChampionship& file = LongNamedEvent();
    const QString path = file.folder() + QStringLiteral("/every-sheet.pdf");
    ScoresheetChoice all;
    all.rounds.fill(true);
    all.semis = all.medals = true;
    for (auto _ : state) {
        PdfFileSink pdf(path);
        const SheetEvent event = Value(SheetEvent::Load(file.db(), 0, QStringLiteral("2026")));
        for (const Builder& build : SixSheets()) {
            GridSheet sheet;
            Require(build(file.db(), event, sheet));
            Require(pdf.print(sheet));
        }
        Require(PrintScoresheets(file.db(), {event, QDate(2026, 3, 21), -1}, all, pdf));
        GridSheet table;
        Require(RoundRobinSheet::Build(file.db(), event, QStringLiteral("Final Standings"),
                                       PlaceOf{}, 1, table));
        Require(pdf.print(table));
        Require(pdf.finish());
    }
}
BENCHMARK(PrintEverySheetOfALongNamedEventToPdf)->Unit(benchmark::kMillisecond);

}  // namespace
