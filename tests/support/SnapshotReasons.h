#pragma once

#include <QStringList>

// The reasons of a championship file's snapshots, newest first; a failed listing fails the test.
QStringList SnapshotReasons(const QString& championshipPath);
