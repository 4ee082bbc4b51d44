#include "entry/DualLines.h"

#include "db/Database.h"

Result<DualLines> DualLines::Load(const Database& db) {
    DualLines lines;
    for (auto& row : lines.m_lineOf) {
        row.fill(-1);
    }
    Statement rows = db.prepare(
        QStringLiteral("SELECT Subround, Bout, Subgroup FROM vSchedule ORDER BY Subround, Bout"));
    while (rows.next()) {
        const int subround = rows.toInt(0);
        const int line = rows.toInt(1);
        const int position = rows.toInt(2);
        if (subround >= 0 && subround < 3 && line >= 0 && line < 6 && position >= 0 &&
            position < 6) {
            lines.m_lineOf[position][subround] = line;
        }
    }
    if (!rows.ok()) {
        return rows.status();
    }
    return lines.complete() ? lines : SeedOrder();
}

DualLines DualLines::SeedOrder() {
    DualLines lines;
    lines.m_lineOf = {{{1, 0, 0}, {2, 2, 1}, {0, 1, 2}, {5, 4, 3}, {4, 5, 5}, {3, 3, 4}}};
    return lines;
}

int DualLines::positionAt(int subround, int line) const {
    for (int p = 0; p < 6; ++p) {
        if (m_lineOf[p][subround] == line) {
            return p;
        }
    }
    return -1;
}

// Every sub-round must put each position on its own line, left positions on the left.
bool DualLines::complete() const {
    for (int s = 0; s < 3; ++s) {
        for (int line = 0; line < 6; ++line) {
            const int p = positionAt(s, line);
            if (p < 0 || (p < 3) != (line < 3)) {
                return false;
            }
        }
    }
    return true;
}
