#pragma once

#include "CliOutput.h"
#include "CommandLine.h"

// orle-cli snapshot --db PATH [--note TEXT]: a copy of the file in Backups, on demand.
int RunSnapshotCommand(const CommandLine& args, const CliOutput& io);
// orle-cli snapshots --db PATH: the file's snapshots, newest first, as TSV.
int RunSnapshotsCommand(const CommandLine& args, const CliOutput& io);
// orle-cli restore --db PATH --from SNAPSHOT: puts a snapshot back, after one of the state now.
int RunRestoreCommand(const CommandLine& args, const CliOutput& io);
