#pragma once

#include "db/ChampionshipFile.h"
#include "db/SqlStore.h"

#include <QDate>
#include <QString>
#include <memory>

// A championship wherever it is kept: a file path, or a postgresql:// address of a server
// database. Every place that takes a championship file's path takes an address as well.
namespace ChampionshipStore {

struct Opened {
    std::unique_ptr<Database> store;
    ChampionshipFile::OpenFailure failure = ChampionshipFile::OpenFailure::None;
    // The place as it may be shown: the path, or the address; empty for an address that
    // could not be read (it may hold a password, which is never shown).
    QString caption;
    QString reason;  // for the user, when the championship was refused
};

// Opens and checks the championship as File > Open does.
Opened Open(const QString& place);

// Creates a championship at the place: its tables and stored queries, then `fill`, in one
// transaction. One already there (a file, or a championship in the server database) is
// replaced only when `replace`.
Status Create(const QString& place, bool replace, const ChampionshipFile::Fill& fill);

// The year printed in report titles, from the file's or the server database's name.
QString YearOf(const QString& place, const QDate& today);

}  // namespace ChampionshipStore
