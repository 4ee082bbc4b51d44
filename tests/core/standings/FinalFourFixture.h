#pragma once

#include "StandingsFixture.h"

// Six fencers of event 2, each beating every higher number 5-1: the standings order is
// fencer 0 to 5, so the proposed seeds are 0, 1, 2, 3.
class FinalFourFixture : public StandingsFixture {
protected:
    static constexpr int kEvent = 2;

    void SetUp() override {
        fencers(kEvent, 6);
        for (int a = 0; a < 6; ++a) {
            for (int b = a + 1; b < 6; ++b) {
                win(kEvent, a, b, 5, 1);
            }
        }
    }

    // "bout top bottom winner score" per stored row, in bout order.
    QStringList finalFourRows() {
        QStringList out;
        Statement q = file.db().prepare(
            QStringLiteral("SELECT Bout, TopFencer, BottomFencer, Winner, Score FROM FinalFour "
                           "WHERE Weapon = ? ORDER BY Bout"),
            {kEvent});
        while (q.next()) {
            out << QStringLiteral("%1 %2 %3 %4 %5")
                       .arg(q.toInt(0))
                       .arg(q.toInt(1))
                       .arg(q.toInt(2))
                       .arg(q.toInt(3))
                       .arg(q.toText(4))
                       .trimmed();
        }
        return out;
    }
    QString advancedFencers() {
        Statement rows = file.db().prepare(
            QStringLiteral("SELECT FencerNumber FROM Roster WHERE Weapon = ? AND Advanced = -1 "
                           "ORDER BY FencerNumber"),
            {kEvent});
        QStringList numbers;
        while (rows.next()) {
            numbers << rows.toText(0);
        }
        EXPECT_TRUE(rows.ok()) << rows.errorString().toStdString();
        return numbers.join(QLatin1Char(','));
    }
};
