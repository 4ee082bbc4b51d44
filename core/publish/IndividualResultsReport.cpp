#include "publish/IndividualResultsReport.h"

#include "print/PersonName.h"
#include "publish/FinalFourFigures.h"
#include "publish/ResultReportParts.h"

using ResultReportParts::Font;
using ResultReportParts::kWidth;

namespace {

// One column of the list: the heading's name and caption, the detail field, the Final Four
// rows' label prefix, and where it stands.
struct Column {
    const char* header;
    const char* caption;
    const char* field;
    const char* rowLabel;
    double left;
    double width;
    TextAlign align;
};

constexpr Column kColumns[] = {
    {"lPlaceHdr", "Place", "Place", "lPlace", 0, 36, TextAlign::Right},
    {"lNameHdr", "Name", "Name", "lName", 48, 182, TextAlign::Left},
    {"lSchoolHdr", "School", "MediumTeamName", "lSchool", 234, 136, TextAlign::Left},
    {"lVHdr", "V", "V", "lV", 370, 28, TextAlign::Right},
    {"lPctHdr", "Pct.", "PctV", "lPct", 402, 44, TextAlign::Right},
    {"lTSHdr", "TS", "TS", "lTS", 450, 26, TextAlign::Right},
    {"lTRHdr", "TR", "TR", "lTR", 480, 26, TextAlign::Right},
    // Ends short of the heading band's edge, so "Ind" does not touch it.
    {"lIndHdr", "Ind", "Indic", "lInd", 510, 26, TextAlign::Right},
};

constexpr double kHeadingHeight = 20;
constexpr double kRowHeight = 16;
constexpr double kSeededPageHeader = kHeadingHeight + 4 * kRowHeight + 10;
constexpr double kSeededReportHeader = 330;
constexpr double kPlainReportHeader = 84;
constexpr double kBracketTop = 92;
// Right ends of the seed lines, the semifinal winners' lines and the medal lines.
constexpr double kSeedEnd = 170;
constexpr double kFinalistEnd = 330;

QString named(const char* name, int k) {
    return QLatin1String(name) + QString::number(k);
}

void addVertical(ReportSection& section, double x, double top, double bottom) {
    section.add(ReportElement::box(x, top, 0.75, bottom - top, 0x000000));
}

// A bracket name sitting on its line, from `left` to `right`.
void addSlot(ReportSection& section, const QString& name, double left, double right, double line,
             double size = 11, bool bold = false) {
    section.add(ReportElement::label(name, QString(), left + 4, line - size * 1.45,
                                     right - left - 8, Font(size, bold)));
    section.add(ReportElement::line(left, line, right - left, 1));
}

void addScore(ReportSection& section, const QString& name, double x, double middle) {
    section.add(
        ReportElement::label(name, QString(), x + 4, middle - 8, 44, Font(10, false, true)));
}

void designBracket(ReportSection& header) {
    const double seedLine[5] = {0, kBracketTop + 16, kBracketTop + 136, kBracketTop + 96,
                                kBracketTop + 56};
    for (int seed = 1; seed <= 4; ++seed) {
        addSlot(header, named("lSeed", seed), 0, kSeedEnd, seedLine[seed]);
    }
    const double semiLine[3] = {0, (seedLine[1] + seedLine[4]) / 2,
                                (seedLine[3] + seedLine[2]) / 2};
    for (int semi = 1; semi <= 2; ++semi) {
        const double top = semi == 1 ? seedLine[1] : seedLine[3];
        const double bottom = semi == 1 ? seedLine[4] : seedLine[2];
        addVertical(header, kSeedEnd, top, bottom);
        addSlot(header, named("lSemiWinner", semi), kSeedEnd, kFinalistEnd, semiLine[semi]);
        addScore(header, named("lSemiScore", semi), kSeedEnd, semiLine[semi] + 14);
    }
    const double gold = (semiLine[1] + semiLine[2]) / 2;
    addVertical(header, kFinalistEnd, semiLine[1], semiLine[2]);
    header.add(ReportElement::label(QStringLiteral("lGoldCaption"), QStringLiteral("GOLD MEDAL:"),
                                    kFinalistEnd + 8, gold - 40, 150, Font(10, true)));
    addSlot(header, QStringLiteral("lGoldWinner"), kFinalistEnd, kWidth, gold, 13, true);
    addScore(header, QStringLiteral("lGoldScore"), kFinalistEnd, gold + 14);

    const double loser1 = seedLine[2] + 44;
    const double loser2 = loser1 + 40;
    addSlot(header, QStringLiteral("lSemiLoser1"), kSeedEnd, kFinalistEnd, loser1);
    addSlot(header, QStringLiteral("lSemiLoser2"), kSeedEnd, kFinalistEnd, loser2);
    addVertical(header, kFinalistEnd, loser1, loser2);
    const double bronze = (loser1 + loser2) / 2;
    header.add(ReportElement::label(QStringLiteral("lBronzeCaption"),
                                    QStringLiteral("BRONZE MEDAL:"), kFinalistEnd + 8, bronze - 40,
                                    150, Font(10, true)));
    addSlot(header, QStringLiteral("lBronzeWinner"), kFinalistEnd, kWidth, bronze, 13, true);
    addScore(header, QStringLiteral("lBronzeScore"), kFinalistEnd, bronze + 14);
}

void designReportHeader(BandedReport& report) {
    ReportSection& header = report.reportHeader();
    header.name = QStringLiteral("ReportHeader");
    header.height = kSeededReportHeader;
    header
        .add(ReportElement::label(QStringLiteral("lTournamentYear"), QString(), 0, 0, kWidth,
                                  Font(14, false, true), TextAlign::Centre))
        .add(ReportElement::label(QStringLiteral("lWeapon"), QString(), 0, 20, kWidth,
                                  Font(26, true), TextAlign::Centre))
        .add(ReportElement::label(QStringLiteral("lRoundComplete"), QString(), 0, 58, kWidth,
                                  Font(14), TextAlign::Centre));
    designBracket(header);
}

void designPageHeader(BandedReport& report) {
    ReportSection& header = report.pageHeader();
    header.name = QStringLiteral("PageHeader");
    header.height = kSeededPageHeader;
    ReportElement background = ReportElement::box(0, 0, kWidth, kHeadingHeight - 2, 0xD8D8D8);
    background.name = QStringLiteral("shBackgroundHdr");
    header.add(background);
    for (const Column& c : kColumns) {
        header.add(ReportElement::label(QLatin1String(c.header), QLatin1String(c.caption), c.left,
                                        3, c.width, Font(11, true), c.align));
    }
    for (int k = 1; k <= 4; ++k) {
        const double top = kHeadingHeight + (k - 1) * kRowHeight + 2;
        for (const Column& c : kColumns) {
            const bool place = QByteArray(c.rowLabel) == "lPlace";
            header.add(ReportElement::label(named(c.rowLabel, k),
                                            place ? QString::number(k) : QString(), c.left, top,
                                            c.width, Font(11, place), c.align));
        }
    }
    header.add(ReportElement::line(0, kSeededPageHeader - 4, kWidth, 1.5));
}

void designDetail(BandedReport& report) {
    report.detail().name = QStringLiteral("Detail");
    report.detail().height = kRowHeight;
    for (const Column& c : kColumns) {
        report.detail().add(
            ReportElement::field(QLatin1String(c.field), c.left, 1, c.width, Font(11), c.align));
    }
    report.detail().initialled(QStringLiteral("Name"), QStringLiteral("NameShort"));
}

// The given name of a bracket entry, whose full name is the given name and the family name.
QString givenName(const FinalFourEntry& entry) {
    const QString family = QLatin1Char(' ') + entry.LName;
    return entry.FullName.endsWith(family) ? entry.FullName.chopped(family.size()) : QString();
}

void setName(BandedReport& report, const QString& label, const FinalFourEntry& entry) {
    report.setLabel(label, entry.FullName,
                    PersonName::WithInitials(entry.FullName, givenName(entry)));
}

void fillBracket(BandedReport& report, const FinalFourPicture& p) {
    for (int k = 1; k <= 4; ++k) {
        setName(report, named("lSeed", k), p.Seeds[static_cast<size_t>(k)]);
    }
    report.setLabel(QStringLiteral("lSemiWinner1"), p.Finalists[1].LName);
    report.setLabel(QStringLiteral("lSemiWinner2"), p.Finalists[2].LName);
    report.setLabel(QStringLiteral("lSemiLoser1"), p.Finalists[3].LName);
    report.setLabel(QStringLiteral("lSemiLoser2"), p.Finalists[4].LName);
    report.setLabel(QStringLiteral("lSemiScore1"), p.Finalists[1].Score);
    report.setLabel(QStringLiteral("lSemiScore2"), p.Finalists[2].Score);
    setName(report, QStringLiteral("lGoldWinner"), p.Places[1]);
    report.setLabel(QStringLiteral("lGoldScore"), p.Places[1].Score);
    setName(report, QStringLiteral("lBronzeWinner"), p.Places[3]);
    report.setLabel(QStringLiteral("lBronzeScore"), p.Places[3].Score);
}

Status fillFinalFourRows(const Database& db, int event, BandedReport& report,
                         const FinalFourPicture& p) {
    for (int k = 1; k <= 4; ++k) {
        const FinalFourEntry& entry = p.Places[static_cast<size_t>(k)];
        if (entry.isEmpty()) {
            continue;
        }
        Status status = Status::success();
        const std::optional<FinalFourFigures> f =
            FinalFourFigures::Load(db, event, entry.FencerNumber, &status);
        if (!status) {
            return status;
        }
        if (!f) {
            continue;
        }
        if (f->ExcludedButCount) {
            report.setLabel(named("lName", k), QStringLiteral("FENCER EXCLUDED"));
            continue;
        }
        report.setLabel(named("lName", k), f->Name,
                        PersonName::WithInitials(f->Name, givenName(entry)));
        report.setLabel(named("lSchool", k), f->School);
        report.setLabel(named("lV", k), QString::number(f->V));
        report.setLabel(named("lPct", k), f->Pct);
        report.setLabel(named("lTS", k), QString::number(f->TS));
        report.setLabel(named("lTR", k), QString::number(f->TR));
        report.setLabel(named("lInd", k), f->Ind);
    }
    return Status::success();
}

// Without a Final Four only the titles and the column headings stay, so the list starts
// right under them.
void hideFinalFour(BandedReport& report) {
    const QStringList titles = {QStringLiteral("lTournamentYear"), QStringLiteral("lWeapon"),
                                QStringLiteral("lRoundComplete"), QStringLiteral("imgLogo")};
    for (ReportElement& e : report.reportHeader().elements) {
        e.visible = titles.contains(e.name);
    }
    report.reportHeader().height = kPlainReportHeader;
    for (ReportElement& e : report.pageHeader().elements) {
        e.visible = e.name.endsWith(QLatin1String("Hdr"));
    }
    report.pageHeader().height = kHeadingHeight + 4;
}

QList<ReportRecord> records(const std::vector<RankedPlace>& places) {
    QList<ReportRecord> out;
    for (const RankedPlace& p : places) {
        ReportRecord r;
        r.values = {{QStringLiteral("Place"), QString::number(p.Place)},
                    {QStringLiteral("Name"), p.Name},
                    {QStringLiteral("NameShort"), PersonName::WithInitials(p.Name, p.GivenName)},
                    {QStringLiteral("MediumTeamName"), p.MediumTeamName},
                    {QStringLiteral("V"), QString::number(p.V)},
                    {QStringLiteral("PctV"), p.PctV},
                    {QStringLiteral("TS"), QString::number(p.TS)},
                    {QStringLiteral("TR"), QString::number(p.TR)},
                    {QStringLiteral("Indic"), p.Indic}};
        out << r;
    }
    return out;
}

}  // namespace

namespace IndividualResultsReport {

Status Build(const Database& db, const QString& championshipYear, int event,
             const QString& eventName, const EventReport& prepared, BandedReport& report) {
    report = BandedReport(QStringLiteral("IndividualResults"));
    report.setJobName(QStringLiteral("ORLE Results - ") + eventName);
    designReportHeader(report);
    designPageHeader(report);
    designDetail(report);
    ResultReportParts::AddPageFooter(report);
    report.setLabel(QStringLiteral("lTournamentYear"),
                    ResultReportParts::TournamentYear(championshipYear));
    report.setLabel(QStringLiteral("lWeapon"), eventName);
    report.setLabel(QStringLiteral("lRoundComplete"), prepared.ProgressText);
    if (prepared.Picture.FinalFourSeeded()) {
        fillBracket(report, prepared.Picture);
        if (Status filled = fillFinalFourRows(db, event, report, prepared.Picture); !filled) {
            return filled;
        }
    } else {
        hideFinalFour(report);
    }
    report.setRecords(records(prepared.Places));
    return Status::success();
}

}  // namespace IndividualResultsReport
