#pragma once

#include <QList>

class Database;
struct CliOutput;

// After bouts are written: keeps a snapshot of each of `rounds` (0..6) of the event that the
// write completed. The bouts stay written and the exit code stands; a snapshot that cannot be
// made is a warning on the error stream.
void KeepRoundSnapshots(const CliOutput& io, const Database& db, int weapon,
                        const QList<int>& rounds);
