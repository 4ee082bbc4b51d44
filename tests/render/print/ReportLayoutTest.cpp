#include "print/ReportLayout.h"

#include <gtest/gtest.h>

namespace {

ReportRecord record(const QString& column, const QString& value) {
    ReportRecord r;
    r.values.insert(column, value);
    return r;
}

// Two schools, the first with `fencers` fencers, each fencer with two rounds.
BandedReport schoolReport(int fencers) {
    BandedReport report(QStringLiteral("Schools"));
    const PrintFont font;
    report.pageHeader().height = 30;
    report.pageHeader().add(
        ReportElement::label(QStringLiteral("lTitle"), QStringLiteral("Title"), 0, 0, 200, font));
    report.pageFooter().height = 20;
    report.pageFooter().add(ReportElement::label(QStringLiteral("lPage"),
                                                 QStringLiteral("Page %p of %P"), 0, 0, 540, font,
                                                 TextAlign::Right));
    report.groups().append(BandedReport::Group());
    report.groups()[0].header.height = 40;
    report.groups()[0].header.add(ReportElement::field(QStringLiteral("School"), 0, 10, 200, font));
    report.groups().append(BandedReport::Group());
    report.groups()[1].header.height = 20;
    report.groups()[1].header.add(ReportElement::field(QStringLiteral("Fencer"), 20, 0, 200, font));
    report.detail().height = 16;
    report.detail().add(ReportElement::field(QStringLiteral("Round"), 40, 0, 100, font));
    report.detail().add(ReportElement::field(QStringLiteral("School"), 200, 0, 100, font));

    for (int s = 0; s < 2; ++s) {
        ReportRecord school = record(QStringLiteral("School"), QStringLiteral("School %1").arg(s));
        for (int f = 0; f < (s == 0 ? fencers : 1); ++f) {
            ReportRecord fencer =
                record(QStringLiteral("Fencer"), QStringLiteral("Fencer %1.%2").arg(s).arg(f));
            fencer.children << record(QStringLiteral("Round"), QStringLiteral("R1"))
                            << record(QStringLiteral("Round"), QStringLiteral("R2"));
            school.children << fencer;
        }
        report.records() << school;
    }
    return report;
}

}  // namespace

TEST(ReportLayout, NestedRecordsPrintInOrderWithFieldsFromTheirOwnOrEnclosingLevel) {
    const PrintDocument doc = ReportLayout::Layout(schoolReport(1), QPageSize(QPageSize::Letter));
    ASSERT_EQ(doc.pages.size(), 1);
    EXPECT_EQ(doc.texts(0), (QStringList{"Page 1 of 1", "Title", "School 0", "Fencer 0.0", "R1",
                                         "School 0", "R2", "School 0", "School 1", "Fencer 1.0",
                                         "R1", "School 1", "R2", "School 1"}));
}

TEST(ReportLayout, PagesBreakBetweenSectionsAndCarryTheirNumbers) {
    const PrintDocument doc = ReportLayout::Layout(schoolReport(30), QPageSize(QPageSize::Letter));
    ASSERT_GE(doc.pages.size(), 2);
    const QString count = QString::number(doc.pages.size());
    for (qsizetype p = 0; p < doc.pages.size(); ++p) {
        const QStringList texts = doc.texts(p);
        EXPECT_TRUE(texts.contains(QStringLiteral("Page %1 of %2").arg(p + 1).arg(count)));
        EXPECT_TRUE(texts.contains(QStringLiteral("Title")));
        double footerTop = 0;
        for (const auto& t : doc.pages[p].texts) {
            if (t.text.startsWith(QStringLiteral("Page"))) {
                footerTop = t.box.top();
            }
        }
        for (const auto& t : doc.pages[p].texts) {
            if (!t.text.startsWith(QStringLiteral("Page"))) {
                EXPECT_LE(t.box.bottom(), footerTop + 0.01);
            }
        }
        // A fencer heading never ends a page without its first round below it.
        EXPECT_FALSE(texts.last().startsWith(QStringLiteral("Fencer")));
    }
}

TEST(ReportLayout, LabelsSetByNameAndHeadersThatStartNewPages) {
    BandedReport report = schoolReport(1);
    EXPECT_TRUE(
        report.setLabel(QStringLiteral("lTitle"), QStringLiteral("2004 ORLE Championships")));
    EXPECT_FALSE(report.setLabel(QStringLiteral("lMissing"), QStringLiteral("x")));
    report.groups()[0].header.newPageBefore = true;
    const PrintDocument doc = ReportLayout::Layout(report, QPageSize(QPageSize::Letter));
    ASSERT_EQ(doc.pages.size(), 2);
    EXPECT_TRUE(doc.texts(0).contains(QStringLiteral("2004 ORLE Championships")));
    EXPECT_TRUE(doc.texts(1).contains(QStringLiteral("School 1")));
    EXPECT_FALSE(doc.texts(0).contains(QStringLiteral("School 1")));
}

TEST(ReportLayout, AReportWithoutRecordsIsOnePageOfHeadersAndFooter) {
    BandedReport report = schoolReport(1);
    report.records().clear();
    const PrintDocument doc = ReportLayout::Layout(report, QPageSize(QPageSize::Letter));
    ASSERT_EQ(doc.pages.size(), 1);
    EXPECT_EQ(doc.texts(0), (QStringList{"Page 1 of 1", "Title"}));
}

TEST(ReportLayout, TextTooWideForItsFieldPrintsSmallerToStayInside) {
    BandedReport report = schoolReport(1);
    report.records()[0].children[0].values.insert(
        QStringLiteral("Fencer"), QStringLiteral("Maximilian-Alexander Montgomery-Smythe"));
    report.groups()[1].header.elements[0].width = 180;
    const PrintDocument doc = ReportLayout::Layout(report, QPageSize(QPageSize::Letter));
    for (const auto& t : doc.pages[0].texts) {
        if (t.text.startsWith(QStringLiteral("Maximilian"))) {
            EXPECT_LT(t.font.pointSize, 10);
            EXPECT_LE(t.width, 180.01);
        } else {
            EXPECT_EQ(t.font.pointSize, 10) << t.text.toStdString();
        }
    }
}

TEST(ReportLayout, TheReportHeaderOpensTheFirstPageAboveThePageHeaderOnly) {
    BandedReport report = schoolReport(30);
    report.reportHeader().height = 50;
    report.reportHeader().add(ReportElement::label(
        QStringLiteral("lBanner"), QStringLiteral("Banner"), 0, 0, 200, PrintFont()));
    const PrintDocument doc = ReportLayout::Layout(report, QPageSize(QPageSize::Letter));
    ASSERT_GE(doc.pages.size(), 2);
    EXPECT_EQ(doc.texts(0).mid(1, 3), (QStringList{"Banner", "Title", "School 0"}));
    EXPECT_FALSE(doc.texts(1).contains(QStringLiteral("Banner")));
}

namespace {

// One school whose fencers have the given numbers of rounds; round lines read "F<f> R<r>".
BandedReport roundsReport(const QList<int>& rounds) {
    BandedReport report = schoolReport(0);
    report.records().clear();
    ReportRecord school = record(QStringLiteral("School"), QStringLiteral("School 0"));
    for (qsizetype f = 0; f < rounds.size(); ++f) {
        ReportRecord fencer = record(QStringLiteral("Fencer"), QStringLiteral("Fencer %1").arg(f));
        for (int r = 1; r <= rounds[f]; ++r) {
            fencer.children << record(QStringLiteral("Round"),
                                      QStringLiteral("F%1 R%2").arg(f).arg(r));
        }
        school.children << fencer;
    }
    report.records() << school;
    return report;
}

// The texts of a page below its page header ("Title") and above its footer.
QStringList body(const PrintDocument& doc, qsizetype page) {
    QStringList texts = doc.texts(page);
    texts.removeFirst();  // the page footer is drawn first
    texts.removeFirst();  // then the page header
    return texts;
}

}  // namespace

TEST(ReportLayout, AFencersWholeBlockStaysOnOnePageWhenItFits) {
    // Each block is a heading and ten rounds: three fit a page, a fourth would be split.
    const PrintDocument doc = ReportLayout::Layout(roundsReport({10, 10, 10, 10, 10, 10, 10}),
                                                   QPageSize(QPageSize::Letter));
    ASSERT_GE(doc.pages.size(), 3);
    for (qsizetype p = 0; p < doc.pages.size(); ++p) {
        const QStringList texts = body(doc, p);
        for (int f = 0; f < 7; ++f) {
            const qsizetype lines = texts.filter(QStringLiteral("F%1 R").arg(f)).size();
            EXPECT_TRUE(lines == 0 || lines == 10) << "fencer " << f << " page " << p;
        }
    }
    // A page that breaks between fencers starts with the school, continued, then a fencer.
    const QStringList second = body(doc, 1);
    EXPECT_EQ(second.first(), QStringLiteral("School 0 (continued)"));
    EXPECT_TRUE(second.at(1).startsWith(QStringLiteral("Fencer ")));
    EXPECT_FALSE(second.at(1).endsWith(QStringLiteral("(continued)")));
}

TEST(ReportLayout, ABlockLongerThanAPageContinuesUnderItsHeadingsMarkedContinued) {
    const PrintDocument doc =
        ReportLayout::Layout(roundsReport({2, 60}), QPageSize(QPageSize::Letter));
    ASSERT_EQ(doc.pages.size(), 2);
    const QStringList second = body(doc, 1);
    ASSERT_GE(second.size(), 3);
    EXPECT_EQ(second.at(0), QStringLiteral("School 0"));
    EXPECT_EQ(second.at(1), QStringLiteral("Fencer 1 (continued)"));
    EXPECT_TRUE(second.at(2).startsWith(QStringLiteral("F1 R")));
    // Every round printed once, in order across the break.
    QStringList rounds =
        body(doc, 0).filter(QStringLiteral("F1 R")) + second.filter(QStringLiteral("F1 R"));
    ASSERT_EQ(rounds.size(), 60);
    EXPECT_EQ(rounds.last(), QStringLiteral("F1 R60"));
}
