#include "print/ScoresheetStrips.h"

Result<QList<ScoresheetStrip>> ScoresheetStrips(const Database& db, int weapon) {
    QList<ScoresheetStrip> strips;
    Statement rows =
        db.prepare(QStringLiteral("SELECT StripSet, StripName FROM StripNumbers WHERE Weapon=? "
                                  "ORDER BY CAST(StripName AS REAL), StripName"),
                   {weapon});
    while (rows.next()) {
        strips.append({rows.toInt(0), rows.toText(1).trimmed()});
    }
    if (!rows.ok()) {
        return rows.status();
    }
    return strips;
}
