#include "standings/StandingsCommands.h"

#include "CliArguments.h"
#include "standings/BuildLiveStandings.h"
#include "standings/BuildLiveTeamStandings.h"
#include "standings/TitleRace.h"

namespace {

std::optional<TeamVariant> parseVariant(const QString& text) {
    const QStringList names = {QStringLiteral("all"), QStringLiteral("men"),
                               QStringLiteral("women")};
    const qsizetype index = names.indexOf(text.trimmed().toLower());
    if (index < 0) {
        return std::nullopt;
    }
    return static_cast<TeamVariant>(index);
}

void writeRow(const CliOutput& io, const QStringList& cells) {
    io.out << cells.join(QLatin1Char('\t')) << '\n';
}

int writeTitleRace(const Database& db, TeamVariant variant, const CliOutput& io) {
    std::vector<TitleRaceRow> rows;
    if (Status built = BuildTitleRace(db, variant, rows); !built) {
        return io.fail(built.message());
    }
    writeRow(io, {"school", "points", "left", "max", "contender"});
    for (const TitleRaceRow& row : rows) {
        writeRow(io, {row.school, QString::number(row.points), QString::number(row.left),
                      QString::number(row.max()),
                      row.contender ? QStringLiteral("yes") : QStringLiteral("no")});
    }
    io.out.flush();
    return 0;
}

}  // namespace

int RunStandingsCommand(const CommandLine& args, const CliOutput& io) {
    int exitCode = 0;
    const std::unique_ptr<Database> db =
        OpenChampionshipFor(args, io, {QStringLiteral("event")}, &exitCode);
    if (!db) {
        return exitCode;
    }
    const std::optional<int> event = RequiredEvent(args, io, &exitCode);
    if (!event) {
        return exitCode;
    }
    LiveStandings standings;
    if (Status built = BuildLiveStandings(*db, *event, standings); !built) {
        return io.fail(built.message());
    }
    io.out << "# " << standings.RoundStatusText << '\n';
    writeRow(io, {"place", "name", "school", "vb", "pct", "ts", "tr", "ind", "fencer"});
    for (const LiveStandingsRow& row : standings.Rows) {
        writeRow(io, {row.PlaceText, row.Name, row.School, row.VOverBouts(),
                      QString::number(row.Pct, 'f', 3), QString::number(row.TS),
                      QString::number(row.TR), row.IndText(), QString::number(row.FencerNumber)});
    }
    if (!standings.FinalFourSummary.isEmpty()) {
        for (const QString& line : standings.FinalFourSummary.split(QStringLiteral("\r\n"))) {
            io.out << "# " << line << '\n';
        }
    }
    io.out.flush();
    return 0;
}

int RunTeamsCommand(const CommandLine& args, const CliOutput& io) {
    int exitCode = 0;
    const std::unique_ptr<Database> db = OpenChampionshipFor(
        args, io, {QStringLiteral("variant"), QStringLiteral("race")}, &exitCode);
    if (!db) {
        return exitCode;
    }
    const QString variantText =
        args.value(QStringLiteral("variant")).value_or(QStringLiteral("all"));
    const std::optional<TeamVariant> variant = parseVariant(variantText);
    if (!variant) {
        return io.usageError(
            QStringLiteral("unknown variant %1 (use all, men or women)").arg(variantText));
    }
    if (args.has(QStringLiteral("race"))) {
        return writeTitleRace(*db, *variant, io);
    }
    std::vector<TeamStandingsRow> rows;
    if (Status built = BuildLiveTeamStandings(*db, *variant, rows); !built) {
        return io.fail(built.message());
    }
    writeRow(io, {"place", "school", "total", "left", "MS", "MF", "ME", "WS", "WF", "WE"});
    for (const TeamStandingsRow& row : rows) {
        QStringList cells = {row.PlaceText, row.School, QString::number(row.Total),
                             QString::number(row.Left)};
        for (const std::optional<int>& v : row.Events) {
            cells << (v ? QString::number(*v) : QString());
        }
        writeRow(io, cells);
    }
    io.out.flush();
    return 0;
}
