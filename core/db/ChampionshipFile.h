#pragma once

#include "db/Database.h"
#include "db/Status.h"

#include <QString>
#include <functional>
#include <memory>

// Creating a new championship file and opening an existing one.
namespace ChampionshipFile {

// Builds a complete file (schema, stored queries, seed rows) under a temporary name in the
// target folder and moves it into place only when complete; an existing file at the path
// is replaced only then. On failure nothing is left behind.
Status Create(const QString& path);

// What goes into a new file once its tables are there: the seed rows of a new championship,
// or every row of one being copied.
using Fill = std::function<Status(const SqlStore&)>;

// Creates the file as Create() does, with `fill` in place of the seed rows, all in one
// transaction.
Status CreateWith(const QString& path, const Fill& fill);

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
