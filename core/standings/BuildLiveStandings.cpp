#include "standings/BuildLiveStandings.h"

#include "db/Database.h"
#include "standings/ComputeRoundStatus.h"
#include "standings/LoadFinalFourPicture.h"
#include "standings/MirroredResultsSql.h"
#include "standings/ReadLiveFigures.h"

#include <algorithm>

namespace {

constexpr int kFinalFourRows = 4;

// Figures of the previous listed row; the first row never ties.
struct TieKey {
    int v = 999;
    double pct = 0.0;
    int ts = 0;
    int tr = -999;
    bool advanced = false;

    bool operator==(const TieKey&) const = default;
};

TieKey keyOf(const LiveStandingsRow& row) {
    return {row.V, row.Pct, row.TS, row.TR, row.Advanced};
}

LiveStandingsRow readRow(const Statement& q) {
    LiveStandingsRow row;
    ReadLiveFigures(q, row);
    row.Bouts = q.toInt(5);
    row.FencerNumber = q.toInt(9);
    row.GridRow = q.toInt(10) * 3 + q.toInt(11);
    row.Advanced = q.toInt(12) != 0;
    const QString name = q.toText(7).trimmed() + QLatin1Char(' ') + q.toText(6).trimmed();
    const bool excludedButCount = q.toInt(8) != 0;
    row.Name = excludedButCount ? QStringLiteral("FENCER EXCLUDED") : name;
    row.School = excludedButCount ? QString() : q.toText(13);
    const QString webName = q.toText(14).trimmed();
    row.HTMLName = excludedButCount ? row.Name : (webName.isEmpty() ? name : webName);
    return row;
}

// Equal V, Pct, TS and TR share a place marked "T". A finalist never ties with a fencer
// outside the Final Four, whose places start at 5.
void assignPlaces(std::vector<LiveStandingsRow>& rows) {
    TieKey previous;
    for (size_t i = 0; i < rows.size(); ++i) {
        LiveStandingsRow& row = rows[i];
        if (i > 0 && keyOf(row) == previous) {
            QString& shared = rows[i - 1].PlaceText;
            if (!shared.endsWith(QLatin1Char('T'))) {
                shared += QLatin1Char('T');
            }
            row.PlaceText = shared;
        } else {
            row.PlaceText = QString::number(i + 1);
            previous = keyOf(row);
        }
    }
}

struct BlockRow {
    int sortValue = 0;
    LiveStandingsRow row;
};

// Places 1 and 2 first, then finalists still without a place, then places 3 and 4: the
// values compare as text, so "1" < "2" < "201".."204" < "3" < "4".
bool blockBefore(const BlockRow& a, const BlockRow& b) {
    const int byText = QString::number(a.sortValue).compare(QString::number(b.sortValue));
    if (byText != 0) {
        return byText < 0;
    }
    const auto figures = [](const LiveStandingsRow& r) {
        return std::tuple(r.V, r.Pct, r.Ind, r.TS);
    };
    return figures(a.row) > figures(b.row);
}

void rewriteFinalFourBlock(std::vector<LiveStandingsRow>& rows, const FinalFourPicture& picture) {
    const size_t count = std::min<size_t>(kFinalFourRows, rows.size());
    std::vector<BlockRow> block;
    for (size_t i = 0; i < count; ++i) {
        BlockRow entry{200 + static_cast<int>(i) + 1, rows[i]};
        for (int place = 1; place <= 4; ++place) {
            if (picture.Places[static_cast<size_t>(place)].FencerNumber == rows[i].FencerNumber) {
                entry.sortValue = place;
            }
        }
        block.push_back(entry);
    }
    std::stable_sort(block.begin(), block.end(), blockBefore);
    QString label = QStringLiteral("2");
    for (size_t i = count; i-- > 0;) {
        rows[i] = block[i].row;
        if (block[i].sortValue <= 200) {
            rows[i].PlaceText = QString::number(block[i].sortValue);
        } else if (i >= 2) {
            rows[i].PlaceText = QStringLiteral("Final4");
            label = QStringLiteral("4");
        } else {
            rows[i].PlaceText = QStringLiteral("Final") + label;
        }
    }
}

}  // namespace

Status BuildLiveStandings(const Database& db, int event, LiveStandings& out) {
    out = LiveStandings();
    Statement q = db.prepare(
        QStringLiteral("SELECT ") + QLatin1String(kLiveFigures) +
            QStringLiteral(", Count(Results.Victory) AS Bouts, ") +
            QStringLiteral(
                "Roster.LName, Roster.FName, Roster.ExcludedButCount, Roster.FencerNumber, "
                "Roster.\"Group\", Roster.Subgroup, Roster.Advanced, "
                "ifnull(Teams.MediumTeamName,''), ifnull(Roster.HTMLName,''), "
                "Roster.Excluded FROM") +
            QLatin1String(kMirroredResults) +
            QStringLiteral("WHERE RO1.Excluded = 0 AND Results.Weapon = ?") +
            QLatin1String(kGroupByFencer) + QStringLiteral("ORDER BY Roster.Advanced, ") +
            QLatin1String(kLiveOrder),
        {event});
    std::vector<LiveStandingsRow> rows;
    while (q.next()) {
        if (q.toInt(15) == 0) {
            rows.push_back(readRow(q));
        }
    }
    if (!q.ok()) {
        return Status::failure(q.errorString());
    }
    out.Rows = std::move(rows);
    assignPlaces(out.Rows);

    QString status;
    if (Status s = ComputeRoundStatus(db, event, status); !s) {
        return s;
    }
    const bool anyAdvanced = std::any_of(out.Rows.begin(), out.Rows.end(),
                                         [](const LiveStandingsRow& r) { return r.Advanced; });
    if (anyAdvanced) {
        if (Status s = LoadFinalFourPicture(db, event, out.Picture, &out.Places); !s) {
            return s;
        }
        rewriteFinalFourBlock(out.Rows, out.Picture);
        out.FinalFourSummary = out.Picture.SummaryText();
    }
    out.RoundStatusText =
        FinalFourRoundStatus(status, anyAdvanced, out.Picture.FinalFourInProgress());
    return Status::success();
}
