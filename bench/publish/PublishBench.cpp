#include "print/RecordingSink.h"
#include "publish/FullResultsReport.h"
#include "publish/LiveSite.h"
#include "publish/ResultsDownload.h"
#include "publish/ResultsPrintRun.h"
#include "support/TempChampionship.h"

#include "FencedChampionship.h"

#include <benchmark/benchmark.h>
#include <QTemporaryDir>

namespace {

// Six drawn events with all 1,656 bouts fenced and the men's foil Final Four decided.
const TempChampionship& FullChampionship() {
    static const TempChampionship* file = [] {
        auto* made = &NewFencedChampionship();
        made->exec(QStringLiteral(
            "UPDATE Roster SET Advanced = -1 WHERE Weapon = 1 AND FencerNumber < 4"));
        made->exec(
            QStringLiteral("INSERT INTO FinalFour VALUES (1, 0, 0, 3, 0, '5-2'), "
                           "(1, 1, 2, 1, 1, '5-4'), (1, 10, 0, 1, 0, '5-3'), "
                           "(1, 11, 3, 2, 2, '5-1')"));
        return made;
    }();
    return *file;
}

void DownloadOfTheWholeChampionship(benchmark::State& state) {
    const Database& db = FullChampionship().db();
    const auto format = static_cast<ResultsDownload::Format>(state.range(0));
    for (auto _ : state) {
        Status status = Status::success();
        const QByteArray bytes =
            ResultsDownload::Bytes(db, QStringLiteral("2004"), format, &status);
        if (!status || bytes.isEmpty()) {
            state.SkipWithError("download failed");
        }
        benchmark::DoNotOptimize(bytes);
    }
}
BENCHMARK(DownloadOfTheWholeChampionship)
    ->Arg(static_cast<int>(ResultsDownload::Format::Text))
    ->Arg(static_cast<int>(ResultsDownload::Format::Html))
    ->Arg(static_cast<int>(ResultsDownload::Format::Xml))
    ->Unit(benchmark::kMillisecond);

// One event's list with its bracket, laid out into pages, as one print of the results window.
void OneEventsPrintedResults(benchmark::State& state) {
    const Database& db = FullChampionship().db();
    ResultsPrintChoice choice;
    choice.Events = {1};
    for (auto _ : state) {
        RecordingSink sink;
        ResultsPrintRun run(db, QStringLiteral("2004"), QDateTime::currentDateTime());
        const Status status = run.Run(
            choice, [&sink](const BandedReport& report) { return sink.print(report); },
            [](int, const QString&, const PlaceOf&) { return Status::success(); });
        if (!status || sink.documents.size() != 1) {
            state.SkipWithError("printed results failed");
        }
    }
}
BENCHMARK(OneEventsPrintedResults)->Unit(benchmark::kMillisecond);

void FullResultsReportLaidOut(benchmark::State& state) {
    const Database& db = FullChampionship().db();
    for (auto _ : state) {
        BandedReport report;
        RecordingSink sink;
        if (!FullResultsReport::Build(db, QStringLiteral("2004"), report) || !sink.print(report)) {
            state.SkipWithError("full results failed");
        }
        benchmark::DoNotOptimize(sink.documents);
    }
}
BENCHMARK(FullResultsReportLaidOut)->Unit(benchmark::kMillisecond);

}  // namespace

// What a save costs the live site: the whole championship read and every page and the data
// file written into a folder (unchanged files are compared, not rewritten).
void LiveSiteRewrite(benchmark::State& state) {
    const Database& db = FullChampionship().db();
    const QTemporaryDir folder;
    int fresh = 0;
    for (auto _ : state) {
        // A new time each round, so the data file changes as after a real save.
        if (Status s =
                WriteLiveSite(db, folder.path(), QDateTime::currentDateTime().addSecs(++fresh));
            !s) {
            state.SkipWithError("live site failed");
        }
    }
}
BENCHMARK(LiveSiteRewrite)->Unit(benchmark::kMillisecond);
