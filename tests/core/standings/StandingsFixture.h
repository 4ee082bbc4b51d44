#pragma once

#include "standings/BuildLiveStandings.h"
#include "support/ChampionshipBuilder.h"
#include "support/TempChampionship.h"

#include <gtest/gtest.h>
#include <QStringList>

// A championship file with helpers to write fencers, bouts and Final Four rows directly.
class StandingsFixture : public ::testing::Test {
protected:
    // Fencer n of the event: school n, group n / 3, place n % 3, named "First<n> Last<n>".
    void fencer(int weapon, int number, bool excluded = false, bool excludedButCount = false,
                bool injury = false, int team = -1) {
        ChampionshipBuilder::Fencer f;
        f.weapon = weapon;
        f.number = number;
        f.team = team < 0 ? number : team;
        f.group = number / 3;
        f.subgroup = number % 3;
        f.first = QStringLiteral("First%1").arg(number);
        f.last = QStringLiteral("Last%1").arg(number);
        f.excluded = excluded;
        f.excludedButCount = excludedButCount;
        f.injury = injury;
        builder.addFencer(f);
    }
    void fencers(int weapon, int count) {
        for (int n = 0; n < count; ++n) {
            fencer(weapon, n);
        }
    }
    void win(int weapon, int winner, int loser, int winnerTouches = 5, int loserTouches = 0) {
        builder.addBout(weapon, winner, loser, winnerTouches, loserTouches, true);
    }
    void finalFour(int weapon, int bout, int top, int bottom, int winner = 99,
                   const QString& score = QString()) {
        file.exec(QStringLiteral("INSERT INTO FinalFour (Weapon, Bout, TopFencer, BottomFencer, "
                                 "Winner, Score) VALUES (?, ?, ?, ?, ?, ?)"),
                  {weapon, bout, top, bottom, winner, score});
    }
    void advance(int weapon, std::initializer_list<int> numbers) {
        for (int n : numbers) {
            file.exec(QStringLiteral("UPDATE Roster SET Advanced = -1 WHERE Weapon = ? AND "
                                     "FencerNumber = ?"),
                      {weapon, n});
        }
    }

    LiveStandings live(int weapon) {
        LiveStandings out;
        const Status s = BuildLiveStandings(file.db(), weapon, out);
        EXPECT_TRUE(s.ok()) << s.message().toStdString();
        return out;
    }
    // "place name" per row.
    QStringList places(int weapon) {
        QStringList out;
        for (const LiveStandingsRow& row : live(weapon).Rows) {
            out << row.PlaceText + QLatin1Char(' ') + row.Name;
        }
        return out;
    }

    TempChampionship file;
    ChampionshipBuilder builder{file};
};
