#include "standings/FinalFourCommands.h"

#include "CliArguments.h"
#include "db/ChangedElsewhere.h"
#include "standings/FinalFourBracket.h"
#include "standings/FinalFourSeeding.h"
#include "standings/SeedingTable.h"

#include <algorithm>

namespace {

std::optional<int> parseNumber(const QString& text) {
    bool ok = false;
    const int number = text.trimmed().toInt(&ok);
    return ok ? std::optional(number) : std::nullopt;
}

std::optional<FinalFourSeeding::Seeds> parseOrder(const QString& text) {
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 4) {
        return std::nullopt;
    }
    FinalFourSeeding::Seeds seeds{};
    for (size_t i = 0; i < seeds.size(); ++i) {
        const std::optional<int> fencer = parseNumber(parts[static_cast<int>(i)]);
        if (!fencer) {
            return std::nullopt;
        }
        seeds[i] = *fencer;
    }
    return seeds;
}

// The bracket as the entry window reads it, with each bout's line.
void writeBracket(const CliOutput& io, const FinalFourBracket& bracket) {
    for (int bout : FinalFourBracket::kBouts) {
        const int top = FinalFourBracket::TopSlot(bout);
        if (bracket.name(top).empty()) {
            continue;
        }
        const int box = FinalFourBracket::ResultSlot(bout);
        const FinalFourBracket::Name& winner = bracket.name(box);
        io.out << FinalFourBracket::BoutName(bout) << ": " << bracket.caption(top) << " v "
               << bracket.caption(top + 1);
        if (!winner.empty()) {
            io.out << "; winner " << winner.text;
            if (!bracket.score(box).text.isEmpty()) {
                io.out << ", " << bracket.score(box).text;
            }
        }
        io.out << '\n';
    }
    io.out.flush();
}

Status loadBracket(const Database& db, int event, FinalFourBracket& bracket) {
    bool seeded = false;
    if (Status s = bracket.Load(db, event, &seeded); !s) {
        return s;
    }
    return seeded ? Status::success()
                  : Status::failure(QStringLiteral("the Final Four of event %1 has not been "
                                                   "seeded (use orle-cli seed)")
                                        .arg(event));
}

// Seeding again wipes the Final Four's results: only when the staff say so, and only
// after a snapshot has kept them.
Status checkNothingFenced(const Database& db, int event, bool force) {
    const Result<int> fenced = FinalFourSeeding::FencedBouts(db, event);
    if (!fenced) {
        return fenced.status();
    }
    if (*fenced == 0) {
        return Status::success();
    }
    if (force) {
        return FinalFourSeeding::KeepFencedBouts(db, event);
    }
    return Status::failure(
        QStringLiteral("The Final Four of event %1 has %2 bout(s) with results; seeding again "
                       "erases them. Use --force to seed anyway.")
            .arg(event)
            .arg(*fenced));
}

}  // namespace

int RunSeedCommand(const CommandLine& args, const CliOutput& io) {
    int exitCode = 0;
    const std::unique_ptr<Database> db = OpenChampionshipFor(
        args, io, {QStringLiteral("event"), QStringLiteral("order"), QStringLiteral("force")},
        &exitCode);
    if (!db) {
        return exitCode;
    }
    const std::optional<int> event = RequiredEvent(args, io, &exitCode);
    if (!event) {
        return exitCode;
    }
    std::optional<FinalFourSeeding::Seeds> seeds;
    if (const std::optional<QString> order = args.value(QStringLiteral("order"))) {
        seeds = parseOrder(*order);
        if (!seeds) {
            return io.usageError(
                QStringLiteral("--order needs four fencer numbers, seeds 1 to 4, "
                               "separated by commas"));
        }
    } else {
        SeedingTable table;
        if (Status s = table.Load(*db, *event); !s) {
            return io.fail(s.message());
        }
        seeds = table.Seeds();
        if (!seeds) {
            return io.fail(
                QStringLiteral("fewer than four fencers of event %1 have results").arg(*event));
        }
    }
    if (Status s = checkNothingFenced(*db, *event, args.has(QStringLiteral("force"))); !s) {
        return io.fail(s.message());
    }
    if (Status s = FinalFourSeeding::Save(*db, *event, *seeds); !s) {
        return io.fail(s.message());
    }
    FinalFourBracket bracket;
    if (Status s = bracket.Load(*db, *event); !s) {
        return io.fail(s.message());
    }
    writeBracket(io, bracket);
    return 0;
}

int RunFinalCommand(const CommandLine& args, const CliOutput& io) {
    int exitCode = 0;
    const std::unique_ptr<Database> db =
        OpenChampionshipFor(args, io,
                            {QStringLiteral("event"), QStringLiteral("bout"),
                             QStringLiteral("winner"), QStringLiteral("score")},
                            &exitCode);
    if (!db) {
        return exitCode;
    }
    const std::optional<int> event = RequiredEvent(args, io, &exitCode);
    if (!event) {
        return exitCode;
    }
    const std::optional<int> bout =
        parseNumber(args.value(QStringLiteral("bout")).value_or(QString()));
    const auto& bouts = FinalFourBracket::kBouts;
    if (!bout || std::find(bouts.begin(), bouts.end(), *bout) == bouts.end()) {
        return io.usageError(QStringLiteral("--bout must be 0, 1, 10 or 11"));
    }
    const std::optional<int> winner =
        parseNumber(args.value(QStringLiteral("winner")).value_or(QString()));
    if (!winner) {
        return io.usageError(QStringLiteral("--winner needs the winner's fencer number"));
    }
    FinalFourBracket bracket;
    if (Status s = loadBracket(*db, *event, bracket); !s) {
        return io.fail(s.message());
    }
    const int top = FinalFourBracket::TopSlot(*bout);
    const QString boutName = FinalFourBracket::BoutName(*bout);
    if (bracket.name(top).empty() || bracket.name(top + 1).empty()) {
        return io.fail(QStringLiteral("the %1 has no fencers yet: both semifinals need a winner")
                           .arg(boutName));
    }
    const int slot = bracket.name(top).fencer == *winner       ? top
                     : bracket.name(top + 1).fencer == *winner ? top + 1
                                                               : -1;
    if (slot < 0) {
        return io.fail(QStringLiteral("fencer %1 does not fence in the %2 (%3 v %4)")
                           .arg(*winner)
                           .arg(boutName)
                           .arg(bracket.name(top).fencer)
                           .arg(bracket.name(top + 1).fencer));
    }
    bracket.ChooseWinner(slot);
    if (const std::optional<QString> score = args.value(QStringLiteral("score"))) {
        bracket.setScore(FinalFourBracket::ResultSlot(*bout), *score);
    }
    QStringList changedElsewhere;
    if (Status s = bracket.Save(*db, *event, &changedElsewhere); !s) {
        return io.fail(s.message());
    }
    if (!changedElsewhere.isEmpty()) {
        return io.fail(ChangedElsewhere::Message(changedElsewhere));
    }
    writeBracket(io, bracket);
    return 0;
}
