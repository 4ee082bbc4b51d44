#pragma once

#include "db/ChangeLog.h"
#include "db/Result.h"

#include <QString>
#include <vector>

class Database;

// The change log as the history window lists it: one line of texts per change, the fencers
// of a bout named as the roster names them now.
struct HistoryLine {
    long long id = 0;
    QString when;
    QString who;
    QString where;
    QString what;
    QString event;
    QString round;
    QString strip;
    QString subject;
    QString before;
    QString after;
    bool revertible = false;
};

namespace HistoryLines {

Result<std::vector<HistoryLine>> Read(const Database& db, const ChangeLog::Filter& filter);

}  // namespace HistoryLines
