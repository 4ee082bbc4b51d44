#pragma once

#include "db/ChampionshipFile.h"
#include "db/PgConnection.h"
#include "db/ServerUri.h"

#include <memory>

// A championship kept in a database on a PostgreSQL server: creating one and opening one.
namespace ServerChampionship {

// What a server database holds before a championship is made in it.
enum class Holding { Nothing, Championship, OtherTables };

struct Look {
    Holding holding = Holding::Nothing;
    QStringList otherTables;  // the tables and views that are not the championship's
};
Result<Look> LookInto(const PgConnection& connection);

// Builds a championship in the server database in one transaction: its tables and stored
// queries, then `fill` (the seed rows of a new championship, or the rows of a copied one).
// A database that holds a championship is refused unless `replace`; one that holds other
// tables always is, so that nothing but a championship is ever removed.
Status Create(const PgConnection& connection, bool replace, const ChampionshipFile::Fill& fill);

struct Opened {
    std::unique_ptr<PgConnection> connection;
    QString reason;  // for the user, when the championship was refused
};

// Connects and checks the championship as a file is checked: this program's version text
// and every table, column and stored query the program uses.
Opened Open(const ServerUri& uri);

}  // namespace ServerChampionship
