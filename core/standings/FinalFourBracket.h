#pragma once

#include "db/Status.h"

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

class Database;

// The Final Four of one event as the entry window keeps it: who fences each bout, who won
// and the typed scores, saved back as the event's FinalFour rows.
//
// Name slots are numbered as the bracket reads: 0, 1 Semifinal A (seeds 1 and 4); 2, 3
// Semifinal B (seeds 3 and 2); 10, 11 the gold medal bout (the semifinal winners); 12, 13
// the bronze medal bout (the semifinal losers); 20 the gold and 21 the bronze medallist.
// A bout's result is the slot one level on, and its score box carries the same number:
// 10 and 11 for the semifinals, 20 and 21 for the medal bouts.
class FinalFourBracket final {
public:
    static constexpr int kNoFencer = 99;
    static constexpr int kScoreLength = 10;

    struct Name {
        int fencer = kNoFencer;
        // "First Last (ABBR)", without the seed.
        QString text;
        bool empty() const { return fencer == kNoFencer; }
    };
    struct ScoreBox {
        QString text;
        bool enabled = false;
    };

    // The bouts as stored, in the order they are saved.
    static constexpr std::array<int, 4> kBouts = {0, 1, 10, 11};
    static constexpr std::array<int, 10> kNameSlots = {0, 1, 2, 3, 10, 11, 12, 13, 20, 21};
    static int TopSlot(int bout) { return 10 * (bout / 10) + 2 * (bout % 10); }
    static int ResultSlot(int bout) { return bout + 10; }
    static QString BoutName(int bout);

    // Reads the event's rows; `seeded` tells whether there were any.
    Status Load(const Database& db, int event, bool* seeded = nullptr);
    void Clear();

    const Name& name(int slot) const { return m_names.at(static_cast<size_t>(slot)); }
    // The name as shown: semifinalists carry their seed, "1. First Last (ABBR)".
    QString caption(int slot) const;
    const ScoreBox& score(int box) const { return m_scores.at(static_cast<size_t>(box)); }
    // Whether `bout` was read the same here and in `other` (read later, by another window).
    bool readAlike(const FinalFourBracket& other, int bout) const {
        return m_loaded[indexOf(bout)] == other.m_loaded[indexOf(bout)];
    }
    void setScore(int box, const QString& text);

    // Picks the fencer of `slot` as his bout's winner; false when that changes nothing
    // because the bout does not have both its fencers yet.
    bool ChooseWinner(int slot);
    // Removes the result of bout box `box` (10, 11, 20, 21) and what depended on it.
    void ClearResult(int box);

    // Writes the bouts changed since loading in one transaction: undecided bouts keep winner
    // 99 and an empty score, medal bouts without both fencers are removed. When another
    // writer changed one of those bouts since, nothing is written (the bouts hang together:
    // the medal bouts are fenced by the semifinal results), and `changedElsewhere` tells each
    // such bout with the typed and the stored result; load again to show the stored bracket.
    Status Save(const Database& db, int event, QStringList* changedElsewhere = nullptr);

private:
    // One FinalFour row as stored, or its absence.
    struct Row {
        bool present = false;
        int top = kNoFencer;
        int bottom = kNoFencer;
        int winner = kNoFencer;
        QString score;
        bool operator==(const Row&) const = default;
    };

    Name& slot(int i) { return m_names.at(static_cast<size_t>(i)); }
    ScoreBox& box(int i) { return m_scores.at(static_cast<size_t>(i)); }
    void clearMedal(int box);
    Status checkScores() const;
    // The row the window means for a bout; nothing when the bout is not the window's to write
    // (a semifinal without its fencers belongs to the seeding).
    std::optional<Row> wantedRow(int bout) const;
    // The rows to write, in the order of kBouts; none where nothing changed.
    using Changes = std::array<std::optional<Row>, 4>;
    // The rows changed here, and each one another writer changed since loading.
    Status findChanges(const Database& db, int event, Changes& changes, QStringList& clashes) const;
    static Status readRow(const Database& db, int event, int bout, Row& row);
    static Status writeRow(const Database& db, int event, int bout, const Row& row);
    QString rowText(const Row& row) const;
    static size_t indexOf(int bout);

    std::array<Name, 22> m_names;
    std::array<ScoreBox, 22> m_scores;
    // The rows as last read or written, in the order of kBouts.
    std::array<Row, 4> m_loaded;
};
