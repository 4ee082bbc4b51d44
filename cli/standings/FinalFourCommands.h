#pragma once

#include "CliOutput.h"
#include "CommandLine.h"

// orle-cli seed --db PATH --event N [--order A,B,C,D]: seeds the Final Four from the
// standings, or with the four fencers given as seeds 1 to 4.
int RunSeedCommand(const CommandLine& args, const CliOutput& io);
// orle-cli final --db PATH --event N --bout 0|1|10|11 --winner F [--score TEXT]: records
// the winner (and score) of one Final Four bout.
int RunFinalCommand(const CommandLine& args, const CliOutput& io);
