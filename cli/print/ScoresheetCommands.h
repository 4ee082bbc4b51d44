#pragma once

#include "CommandLine.h"
#include "db/Database.h"
#include "db/Status.h"
#include "print/PrintSink.h"

#include <QDate>

// The scoresheets of `orle-cli print pool|dual|final4 --event N ...`, printed into `sink`.
// Options are checked here; a wrong one is a failure saying what is expected.
namespace ScoresheetCommands {

// [--strip NAME] [--tomorrow]
Status PrintPools(const Database& db, const CommandLine& args, const QString& year,
                  const QDate& today, PrintSink& sink);
// [--round R[,R...] | --day 1|2] [--strip NAME] [--tomorrow]; rounds 2..7, all by default.
Status PrintDuals(const Database& db, const CommandLine& args, const QString& year,
                  const QDate& today, PrintSink& sink);
// [--bouts semis|medals|all] [--tomorrow]
Status PrintFinalFour(const Database& db, const CommandLine& args, const QString& year,
                      const QDate& today, PrintSink& sink);

}  // namespace ScoresheetCommands
