#pragma once

#include <QString>

// One row of an event's roster: a fencer, or a free fencer number waiting for one.
struct RosterRow {
    int fencerNumber = -1;
    int team = -1;  // -1 until a school is chosen
    QString first;
    QString last;
    int status = 0;  // index into RosterStatus::Entries()
    QString addl;
    QString html;
    bool changed = false;

    bool hasText() const {
        return !first.trimmed().isEmpty() || !last.trimmed().isEmpty() ||
               !addl.trimmed().isEmpty() || !html.trimmed().isEmpty();
    }
    QString displayName() const {
        return (first.trimmed() + QLatin1Char(' ') + last.trimmed()).trimmed();
    }
};
