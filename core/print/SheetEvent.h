#pragma once

#include "db/Database.h"

#include <QString>

// The event a schedule sheet is printed for, with the texts at the head of the sheet.
struct SheetEvent {
    int weapon = 0;
    // The event's name (Weapons.WeaponName), as captioned on the event boxes.
    QString name;
    QString championshipYear;

    // The event's name read from the file; empty when there is no such event.
    static Result<SheetEvent> Load(const Database& db, int weapon,
                                   const QString& championshipYear) {
        const Result<std::optional<QString>> name =
            db.queryText(QStringLiteral("SELECT WeaponName FROM Weapons WHERE Weapon=?"), {weapon});
        if (!name) {
            return name.status();
        }
        return SheetEvent{weapon, name->value_or(QString()), championshipYear};
    }

    // The two title lines of the group, schedule and strip assignments sheets.
    QString titleMarkup() const {
        return QStringLiteral("/c/fb1/fz\"24\"") + championshipYear +
               QStringLiteral(" ORLE Championships/n/c/fz\"48\"") + name;
    }
};
