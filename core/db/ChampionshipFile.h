#pragma once

#include "db/Database.h"
#include "db/Status.h"

#include <QString>
#include <memory>

// Creating a new championship file and opening an existing one.
namespace ChampionshipFile {

// Builds a complete file (schema, stored queries, seed rows) under a temporary name in the
// target folder and moves it into place only when complete; an existing file at the path
// is replaced only then. On failure nothing is left behind.
Status Create(const QString& path);

enum class OpenFailure { None, CannotOpen, WrongVersion };

struct Opened {
    std::unique_ptr<Database> db;
    OpenFailure failure = OpenFailure::None;
    QString reason;  // for the user, when the file was refused
};

// Opens and checks a file: it must exist, be an SQLite file in good health, carry this
// program's version text and hold every table, column and stored query the program uses.
// Until all of that is known the file is only looked at, so a refused file (and the log
// beside it) keeps every byte.
Opened Open(const QString& path);

// The text shown when a file carries another version, or none.
QString WrongVersionMessage();

}  // namespace ChampionshipFile
