#include "print/ReportLayout.h"
#include "print/ScheduleReports.h"
#include "print/ScheduleSheets.h"
#include "print/Scoresheets.h"
#include "print/SheetLayout.h"
#include "publish/FullResultsReport.h"
#include "publish/ResultsPrintRun.h"
#include "publish/RoundRobinSheet.h"
#include "roster/CompleteRostersReport.h"
#include "support/ChampionshipBuilder.h"
#include "support/FullEventResults.h"
#include "support/ReadValue.h"
#include "support/TempChampionship.h"

#include <gtest/gtest.h>

#include <QRegularExpression>

#include <cmath>
#include <memory>

namespace {

const QPageSize kLetter(QPageSize::Letter);
constexpr double kTolerance = 0.01;

// A 60-character name: two given names and a very long family name, wide letters first.
QString givenName() {
    return QStringLiteral("Wilhelmina-Mae Maxwell");
}
QString familyName(int fencer) {
    return QStringLiteral("W%1olfeschlegelsteinhausenbergerdorff")
        .arg(fencer, 2, 10, QLatin1Char('0'));
}

// Men's saber fully fenced with the Final Four seeded, every fencer named with 60 characters
// and the four schools with the longest names the file holds.
class LongNamesPrintoutsTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        file = std::make_unique<TempChampionship>();
        ChampionshipBuilder(*file).drawFullEvent(0);
        for (int n = 0; n < 24; ++n) {
            file->exec(QStringLiteral("UPDATE Roster SET FName=?, LName=?, Team=? "
                                      "WHERE Weapon=0 AND FencerNumber=?"),
                       {givenName(), familyName(n), n % 4, n});
        }
        for (int team = 0; team < 4; ++team) {
            const QString n = QString::number(team);
            file->exec(QStringLiteral("UPDATE Teams SET FullTeamName=?, MediumTeamName=?, "
                                      "Abbreviation=? WHERE Team=?"),
                       {(n + QStringLiteral(" Wentworth Institute of Technology at Wimbledon Wm"))
                            .left(50),
                        (n + QStringLiteral(" WENTWORTH MASSACHUSETTS")).left(20),
                        (n + QStringLiteral("WMWM")).left(5), team});
        }
        FullEventResults(*file).fenceAllRounds(0);
        file->exec(QStringLiteral(
            "UPDATE Roster SET Advanced = -1 WHERE Weapon = 0 AND FencerNumber < 4"));
        file->exec(
            QStringLiteral("INSERT INTO FinalFour VALUES (0, 0, 0, 3, 0, '5-1'), "
                           "(0, 1, 2, 1, 1, '5-4'), (0, 10, 0, 1, 1, '5-2'), "
                           "(0, 11, 3, 2, 3, '5-0')"));
    }
    static void TearDownTestSuite() { file.reset(); }

    static const Database& db() { return file->db(); }
    static SheetEvent event() { return Value(SheetEvent::Load(db(), 0, QStringLiteral("2004"))); }
    static Scoresheets::Request request() { return {event(), QDate(2004, 3, 21), -1}; }

    // Every grid sheet of the event: the six schedule sheets, the pool sheets and the
    // round-robin table.
    static QList<std::pair<QString, GridSheet>> sheets() {
        using namespace ScheduleSheets;
        const QList<std::pair<QString, Builder>> builders = {
            {"groups", Groups},
            {"schedule", Schedule},
            {"strips day one", OnDay(StripAssignments, ChampionshipDay::One)},
            {"strips day two", OnDay(StripAssignments, ChampionshipDay::Two)},
            {"referees day one", OnDay(RefereeAssignments, ChampionshipDay::One)},
            {"referees day two", OnDay(RefereeAssignments, ChampionshipDay::Two)},
        };
        QList<std::pair<QString, GridSheet>> out;
        for (const auto& [name, build] : builders) {
            GridSheet sheet;
            EXPECT_TRUE(build(db(), event(), sheet).ok()) << name.toStdString();
            out.append({name, sheet});
        }
        QList<GridSheet> pools;
        EXPECT_TRUE(Scoresheets::PoolSheets(db(), request(), pools).ok());
        for (const GridSheet& pool : pools) {
            out.append({QStringLiteral("pool sheet"), pool});
        }
        GridSheet table;
        EXPECT_TRUE(RoundRobinSheet::Build(db(), event(), QStringLiteral("Final Standings"),
                                           PlaceOf{}, 1, table)
                        .ok());
        out.append({QStringLiteral("round-robin table"), table});
        return out;
    }

    // Every banded report: results, schedules, scoresheets and the roster list.
    static QList<std::pair<QString, BandedReport>> reports() {
        QList<std::pair<QString, BandedReport>> out;
        BandedReport report;
        EXPECT_TRUE(FullResultsReport::Build(db(), QStringLiteral("2004"), report).ok());
        out.append({QStringLiteral("full results"), report});
        EXPECT_TRUE(ScheduleReports::CompetitorSchedules(db(), {0}, ScheduleReports::kAll,
                                                         ScheduleReports::kAll,
                                                         QStringLiteral("2004"), report)
                        .ok());
        out.append({QStringLiteral("competitor schedules"), report});
        EXPECT_TRUE(ScheduleReports::TeamSchedules(db(), {0}, ScheduleReports::kAll,
                                                   QStringLiteral("2004"), report)
                        .ok());
        out.append({QStringLiteral("team schedules"), report});
        EXPECT_TRUE(Scoresheets::DualScoresheets(db(), request(), {1, 2, 3, 4, 5, 6}, report).ok());
        out.append({QStringLiteral("dual scoresheets"), report});
        EXPECT_TRUE(Scoresheets::Final4Scoresheets(db(), request(), {0, 1, 10, 11}, report).ok());
        out.append({QStringLiteral("Final Four scoresheets"), report});
        EXPECT_TRUE(BuildCompleteRosters(db(), QStringLiteral("2004"), report).ok());
        out.append({QStringLiteral("roster list"), report});
        ResultsPrintChoice choice;
        choice.Events = {0};
        choice.Teams = {true, true, false};
        const Status run =
            ResultsPrintRun(db(), QStringLiteral("2004"),
                            QDateTime(QDate(2004, 3, 22), QTime(15, 5)))
                .Run(
                    choice,
                    [&](const BandedReport& r) {
                        out.append({r.name(), r});
                        return Status::success();
                    },
                    [](int, const QString&, const PlaceOf&) { return Status::success(); });
        EXPECT_TRUE(run.ok()) << run.message().toStdString();
        return out;
    }

    static inline std::unique_ptr<TempChampionship> file;
};

// No text runs out of the box it is aligned in (its cell or control) or off the paper.
void expectEveryTextInside(const PrintDocument& doc, const QString& what) {
    const QRectF paper(QPointF(0, 0), doc.pageSize());
    for (qsizetype p = 0; p < doc.pages.size(); ++p) {
        for (const PrintDocument::Text& t : doc.pages[p].texts) {
            const QRectF extent = t.extent();
            const QRectF room = t.box.adjusted(-kTolerance, -kTolerance, kTolerance, kTolerance);
            EXPECT_TRUE(room.contains(extent))
                << what.toStdString() << ", page " << p + 1 << ": \"" << t.text.toStdString()
                << "\" is " << extent.width() << " wide in " << t.box.width();
            EXPECT_TRUE(paper.contains(extent))
                << what.toStdString() << ", page " << p + 1 << ": " << t.text.toStdString();
        }
    }
}

// A text printed by one of the section's controls: the same place across and the same style.
bool printedBy(const PrintDocument::Text& t, const ReportSection& section, double margin) {
    for (const ReportElement& e : section.elements) {
        if (e.kind != ReportElement::Kind::Label && e.kind != ReportElement::Kind::Field) {
            continue;
        }
        if (e.width > 0 && std::abs(t.box.left() - margin - e.left) < kTolerance &&
            std::abs(t.box.width() - e.width) < kTolerance && t.font.bold == e.font.bold &&
            t.font.italic == e.font.italic && t.font.family == e.font.family) {
            return true;
        }
    }
    return false;
}

// Every page after the first starts with the outermost heading, and no line of detail
// prints on a page before the innermost heading (with its column captions) has.
void expectHeadingsOnEveryPage(const BandedReport& report, const PrintDocument& doc,
                               const QString& what) {
    if (report.groups().isEmpty()) {
        return;
    }
    const double top = 36 + (report.pageHeader().isEmpty() ? 0 : report.pageHeader().height);
    const double bottom = doc.pageSize().height() - 36 -
                          (report.pageFooter().isEmpty() ? 0 : report.pageFooter().height);
    const ReportSection& outer = report.groups().first().header;
    const ReportSection& inner = report.groups().last().header;
    for (qsizetype p = 1; p < doc.pages.size(); ++p) {
        QList<const PrintDocument::Text*> body;
        for (const PrintDocument::Text& t : doc.pages[p].texts) {
            if (t.box.top() >= top - kTolerance && t.box.bottom() <= bottom + kTolerance) {
                body << &t;
            }
        }
        ASSERT_FALSE(body.isEmpty()) << what.toStdString() << ", page " << p + 1;
        EXPECT_TRUE(printedBy(*body.first(), outer, report.leftMargin()))
            << what.toStdString() << ", page " << p + 1 << " starts with "
            << body.first()->text.toStdString();
        bool headed = false;
        for (const PrintDocument::Text* t : body) {
            bool heading = false;
            for (const BandedReport::Group& group : report.groups()) {
                heading = heading || printedBy(*t, group.header, report.leftMargin());
            }
            headed = headed || printedBy(*t, inner, report.leftMargin());
            if (!heading && printedBy(*t, report.detail(), report.leftMargin())) {
                EXPECT_TRUE(headed) << what.toStdString() << ", page " << p + 1 << ": "
                                    << t->text.toStdString() << " before its heading";
                break;
            }
        }
    }
}

}  // namespace

TEST_F(LongNamesPrintoutsTest, EveryGridSheetKeepsEveryTextInsideItsCellAndThePage) {
    for (const auto& [name, sheet] : sheets()) {
        expectEveryTextInside(SheetLayout::Layout(sheet, kLetter), name);
    }
}

TEST_F(LongNamesPrintoutsTest, EveryReportKeepsItsTextsInsideAndItsHeadingsOnEveryPage) {
    const auto all = reports();
    EXPECT_EQ(all.size(), 9);
    for (const auto& [name, report] : all) {
        const PrintDocument doc = ReportLayout::Layout(report, kLetter);
        expectEveryTextInside(doc, name);
        expectHeadingsOnEveryPage(report, doc, name);
    }
}

TEST_F(LongNamesPrintoutsTest, NamesTooLongForTheirCellKeepTheFamilyNameWhole) {
    const QRegularExpression initialled(
        QStringLiteral("^W\\.-M\\. M\\. W\\d\\dolfeschlegelsteinhausenbergerdorff$"));
    GridSheet sheet;
    ASSERT_TRUE(ScheduleSheets::Groups(db(), event(), sheet).ok());
    EXPECT_EQ(SheetLayout::Layout(sheet, kLetter).texts(0).filter(initialled).size(), 24);
    // The results list, its Final Four rows and the bracket's seeds.
    for (const auto& [name, report] : reports()) {
        if (name == QLatin1String("IndividualResults")) {
            const QStringList texts = ReportLayout::Layout(report, kLetter).texts(0);
            EXPECT_EQ(texts.filter(QStringLiteral("W.-M.")), texts.filter(initialled));
            EXPECT_GE(texts.filter(initialled).size(), 20);
        }
    }
}

TEST_F(LongNamesPrintoutsTest, ColumnHeadingsKeepClearOfTheEdgeOfTheirBand) {
    for (const auto& [name, report] : reports()) {
        if (name != QLatin1String("TeamResults") && name != QLatin1String("IndividualResults")) {
            continue;
        }
        const PrintDocument doc = ReportLayout::Layout(report, kLetter);
        const auto& page = doc.pages.first();
        double bandRight = 0;
        for (const auto& box : page.boxes) {
            if (box.shade >= 0) {
                bandRight = box.rect.right();
            }
        }
        for (const auto& t : page.texts) {
            if (t.text == QLatin1String("WS") || t.text == QLatin1String("Ind")) {
                EXPECT_LE(t.extent().right(), bandRight - 2) << name.toStdString();
            }
        }
    }
}
