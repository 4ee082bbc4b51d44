#pragma once

#include <QStringList>

class Database;

// The names of the individual events, indexed by event code, as the Weapon menus show them.
QStringList EventNames(const Database& db);
// The titles of groups 0..7.
QStringList GroupNames(const Database& db);
