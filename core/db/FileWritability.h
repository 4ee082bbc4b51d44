#pragma once

#include <QString>

class Database;

// Why nothing can be saved to the open championship file, in plain words ("the file is
// read-only"); empty when it can be written.
QString ReadOnlyReason(const Database& db);
