#include "db/ProgramVersion.h"
#include "print/ScheduleSheets.h"
#include "print/SheetLayout.h"
#include "support/ChampionshipBuilder.h"
#include "support/ReadValue.h"
#include "support/TempChampionship.h"

#include <gtest/gtest.h>

namespace {

class ScheduleSheetPagesTest : public ::testing::Test {
protected:
    ScheduleSheetPagesTest() { ChampionshipBuilder(file).drawFullEvent(0); }

    PrintDocument layout(
        const std::function<Status(const Database&, const SheetEvent&, GridSheet&)>& build) const {
        GridSheet sheet;
        EXPECT_TRUE(
            build(file.db(), Value(SheetEvent::Load(file.db(), 0, QStringLiteral("2004"))), sheet));
        return SheetLayout::Layout(sheet, QPageSize(QPageSize::Letter));
    }
    static const PrintDocument::Text& text(const PrintDocument::Page& page, const QString& wanted) {
        for (const auto& t : page.texts) {
            if (t.text == wanted) {
                return t;
            }
        }
        ADD_FAILURE() << "missing " << wanted.toStdString();
        static const PrintDocument::Text none;
        return none;
    }

    TempChampionship file;
};

}  // namespace

TEST_F(ScheduleSheetPagesTest, GroupSheetIsOnePageWithTheFifthGroupLevelWithTheFirstOnTheRight) {
    const PrintDocument doc = layout(ScheduleSheets::Groups);
    ASSERT_EQ(doc.pages.size(), 1);
    const auto& page = doc.pages[0];
    const auto& a = text(page, QStringLiteral("Group A"));
    const auto& e = text(page, QStringLiteral("Group E"));
    EXPECT_DOUBLE_EQ(a.baseline, e.baseline);
    EXPECT_GT(e.left(), 306);  // right half of the page
    EXPECT_LT(a.left() + a.width, 306);
    EXPECT_TRUE(e.font.bold);
    const auto& title = text(page, QStringLiteral("Group Assignments"));
    EXPECT_EQ(title.font.pointSize, 36);
    EXPECT_LT(title.baseline, a.baseline);
    // The heading's rule runs under both of its columns, and the school is right-aligned
    // against the name.
    const auto& school = text(page, QStringLiteral("USAF"));
    const auto& name = text(page, QStringLiteral("First0 Last0"));
    EXPECT_LT(school.left() + school.width, name.left());
    EXPECT_GT(name.left() - (school.left() + school.width), 3);
    bool ruled = false;
    for (const auto& line : page.lines) {
        ruled = ruled || (line.from.y() > a.baseline && line.from.y() < name.baseline &&
                          line.to.x() > name.left() + 100);
    }
    EXPECT_TRUE(ruled);
    const auto& notice = text(page, ProgramVersion::LegalNotice());
    EXPECT_GT(notice.baseline, 700);
    EXPECT_TRUE(notice.font.italic && notice.font.bold);
}

TEST_F(ScheduleSheetPagesTest, AnnouncerGetsEachRoundOnItsOwnPageWithItsStripsInOrder) {
    const PrintDocument doc =
        layout([](const Database& db, const SheetEvent& event, GridSheet& sheet) {
            return ScheduleSheets::StripAssignments(db, event, ChampionshipDay::One, sheet);
        });
    ASSERT_EQ(doc.pages.size(), 4);
    for (int p = 0; p < 4; ++p) {
        const QStringList texts = doc.texts(p);
        EXPECT_TRUE(texts.contains(QStringLiteral("ROUND %1").arg(p + 1))) << p;
        QStringList strips = texts.filter(QStringLiteral("STRIP "));
        EXPECT_EQ(strips, (QStringList{"STRIP 1", "STRIP 2", "STRIP 3", "STRIP 4"})) << p;
        EXPECT_EQ(texts.filter(QStringLiteral("First")).size(), 24) << p;
    }
}

TEST_F(ScheduleSheetPagesTest, RefereeSheetFitsOneLandscapePageWithARuleForEachReferee) {
    const PrintDocument doc =
        layout([](const Database& db, const SheetEvent& event, GridSheet& sheet) {
            return ScheduleSheets::RefereeAssignments(db, event, ChampionshipDay::One, sheet);
        });
    ASSERT_EQ(doc.pages.size(), 1);
    EXPECT_EQ(doc.pageSize(), QSizeF(792, 612));
    const auto& page = doc.pages[0];
    EXPECT_EQ(doc.texts(0).count(QStringLiteral("REF")), 16);
    EXPECT_EQ(doc.texts(0).filter(QStringLiteral(", First")).size(), 96);
    for (const auto& t : page.texts) {
        EXPECT_LE(t.box.right(), 792 - 36 + 0.01) << t.text.toStdString();
        EXPECT_LE(t.box.bottom(), 612 - 36 + 0.01) << t.text.toStdString();
    }
    // Names never run into the next strip's schools.
    const auto& strip2 = text(page, QStringLiteral("STRIP 2"));
    for (const auto& t : page.texts) {
        if (t.text.contains(QStringLiteral(", First")) && t.left() < strip2.box.left()) {
            EXPECT_LT(t.left() + t.width, strip2.box.left() - 30) << t.text.toStdString();
        }
    }
    EXPECT_EQ(page.lines.size(), 16 + 4 * 0);
}
