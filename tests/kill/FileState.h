#pragma once

#include <QByteArray>
#include <QString>

// What a kill left in a championship file, read through SQLite alone: whether the file is
// there, what the integrity check says, and a digest of every row of every table.
struct FileState {
    bool exists = false;
    QString integrity;       // "ok" for a sound file
    QByteArray fingerprint;  // equal digests, equal contents

    // Opens the file as any later writer would (rolling back what a killed one left).
    static FileState Read(const QString& path);
    // One value of a file, such as the seeded Final Four's top fencer; empty on failure.
    static QString Query(const QString& path, const QString& sql);
};
