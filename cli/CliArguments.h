#pragma once

#include "CliOutput.h"
#include "CommandLine.h"
#include "db/ChampionshipStore.h"
#include "db/Database.h"

#include <memory>
#include <optional>

// An event given as its code 0..5 or its abbreviation MS, MF, ME, WS, WF, WE.
std::optional<int> ParseEvent(const QString& text);
// A comma-separated list of events ("0,2" or "MS,WE").
std::optional<QList<int>> ParseEvents(const QString& text);

// Opens the championship file or server database, checked as File > Open does; on failure
// writes the reason and sets *exitCode.
ChampionshipStore::Opened OpenChampionship(const QString& place, const CliOutput& io,
                                           int* exitCode);
// Checks the options against `known`: an unknown option first, then a missing value or an
// option given twice. Returns 0, or the exit code of the usage error it wrote.
int CheckOptions(const CommandLine& args, const CliOutput& io, const QStringList& known);
// Checks the options against `known` and opens the championship named by --db, checked
// as File > Open does. On failure writes the reason and sets *exitCode.
std::unique_ptr<Database> OpenChampionshipFor(const CommandLine& args, const CliOutput& io,
                                              const QStringList& known, int* exitCode);
// The --event option, required; on failure writes the reason and sets *exitCode.
std::optional<int> RequiredEvent(const CommandLine& args, const CliOutput& io, int* exitCode);
