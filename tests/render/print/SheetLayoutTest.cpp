#include "print/SheetLayout.h"
#include "print/TextMeasure.h"

#include <gtest/gtest.h>

namespace {

const PrintDocument::Text* find(const PrintDocument::Page& page, const QString& text) {
    for (const auto& t : page.texts) {
        if (t.text == text) {
            return &t;
        }
    }
    return nullptr;
}

GridSheet numberedSheet(int rows) {
    GridSheet sheet(2, rows);
    sheet.setHeader(QStringLiteral("/c/fz\"20\"Heading/n/n"));
    sheet.setFooter(QStringLiteral("/cFooter"));
    for (int r = 1; r <= rows; ++r) {
        sheet.setText(1, r, QStringLiteral("row %1").arg(r));
    }
    return sheet;
}

}  // namespace

TEST(SheetLayout, RowsBreakAcrossPagesWithHeaderOnTopAndFooterAtTheBottomOfEach) {
    const PrintDocument doc = SheetLayout::Layout(numberedSheet(120), QPageSize(QPageSize::Letter));
    ASSERT_GE(doc.pages.size(), 2);
    int rowsSeen = 0;
    for (const auto& page : doc.pages) {
        const auto* heading = find(page, QStringLiteral("Heading"));
        const auto* footer = find(page, QStringLiteral("Footer"));
        ASSERT_TRUE(heading && footer);
        EXPECT_NEAR(heading->box.center().x(), 306, 0.5);  // centred on 8.5 inches
        EXPECT_GT(footer->box.bottom(), 792 - 40);         // at the foot of 11 inches
        EXPECT_LE(footer->box.bottom(), 792 - 35);
        for (const auto& t : page.texts) {
            if (t.text.startsWith(QStringLiteral("row "))) {
                ++rowsSeen;
                EXPECT_GT(t.box.top(), heading->box.bottom());
                EXPECT_LT(t.box.bottom(), footer->box.top());
            }
        }
    }
    EXPECT_EQ(rowsSeen, 120);
}

TEST(SheetLayout, PrintingStopsAtTheRowCount) {
    GridSheet sheet = numberedSheet(10);
    sheet.setRowCount(4);
    const PrintDocument doc = SheetLayout::Layout(sheet, QPageSize(QPageSize::Letter));
    ASSERT_EQ(doc.pages.size(), 1);
    EXPECT_TRUE(find(doc.pages[0], QStringLiteral("row 4")));
    EXPECT_FALSE(find(doc.pages[0], QStringLiteral("row 5")));
}

TEST(SheetLayout, CellsKeepTheirFontAlignmentAndBorder) {
    GridSheet sheet(3, 2);
    sheet.setColumnWidth(1, 100);
    sheet.setColumnWidth(2, 100);
    sheet.setColumnWidth(3, 100);
    sheet.setMargins(72, 72);
    GridSheet::Cell& right = sheet.at(1, 1);
    right.text = QStringLiteral("ABC");
    right.align = TextAlign::Right;
    GridSheet::Cell& heading = sheet.at(2, 1);
    heading.text = QStringLiteral("Group A");
    heading.font.bold = true;
    heading.font.pointSize = 14;
    heading.bottomBorder = true;

    const PrintDocument doc = SheetLayout::Layout(sheet, QPageSize(QPageSize::Letter));
    const auto& page = doc.pages.at(0);
    const auto* abc = find(page, QStringLiteral("ABC"));
    const auto* group = find(page, QStringLiteral("Group A"));
    ASSERT_TRUE(abc && group);
    // 300 points of grid centred between 1-inch margins: the grid starts at 72 + 84.
    EXPECT_NEAR(abc->left() + abc->width, 156 + 100 - 3, 0.01);
    EXPECT_NEAR(group->left(), 256 + 3, 0.01);
    EXPECT_TRUE(group->font.bold);
    EXPECT_EQ(group->font.pointSize, 14);
    ASSERT_EQ(page.lines.size(), 1);
    EXPECT_NEAR(page.lines[0].from.x(), 256, 0.01);
    EXPECT_NEAR(page.lines[0].to.x(), 356, 0.01);
    EXPECT_GT(page.lines[0].from.y(), group->baseline);
}

TEST(SheetLayout, FitToPageScalesALandscapeSheetOntoOnePage) {
    GridSheet sheet = numberedSheet(120);
    sheet.setLandscape(true);
    sheet.setFitToPage(true);
    const PrintDocument doc = SheetLayout::Layout(sheet, QPageSize(QPageSize::Letter));
    EXPECT_EQ(doc.pageSize(), QSizeF(792, 612));
    ASSERT_EQ(doc.pages.size(), 1);
    const auto& page = doc.pages[0];
    EXPECT_TRUE(find(page, QStringLiteral("row 120")));
    for (const auto& t : page.texts) {
        EXPECT_LE(t.box.bottom(), 612 - 36 + 0.01) << t.text.toStdString();
    }
    EXPECT_LT(find(page, QStringLiteral("Heading"))->font.pointSize, 20);
}

TEST(SheetLayout, AnEmptySheetStillPrintsItsHeaderAndFooter) {
    GridSheet sheet = numberedSheet(0);
    const PrintDocument doc = SheetLayout::Layout(sheet, QPageSize(QPageSize::Letter));
    ASSERT_EQ(doc.pages.size(), 1);
    EXPECT_EQ(doc.texts(0), (QStringList{QStringLiteral("Heading"), QStringLiteral("Footer")}));
}

TEST(SheetLayout, RuledTablesRepeatTheirColumnHeadersOnEveryPageAndSkipHiddenColumns) {
    GridSheet sheet = numberedSheet(120);
    sheet.setColumnCount(3);
    sheet.setColumnHeader(1, QStringLiteral("Name"));
    sheet.setColumnHeader(2, QStringLiteral("Secret"));
    sheet.setColumnHeader(3, QStringLiteral("V"));
    sheet.setText(2, 1, QStringLiteral("hidden"));
    sheet.setColumnHidden(2, true);
    sheet.setPrintColumnHeaders(true);
    sheet.setGridLines(true);
    const PrintDocument doc = SheetLayout::Layout(sheet, QPageSize(QPageSize::Letter));
    ASSERT_GE(doc.pages.size(), 2);
    for (const auto& page : doc.pages) {
        const auto* name = find(page, QStringLiteral("Name"));
        const auto* v = find(page, QStringLiteral("V"));
        ASSERT_TRUE(name && v);
        EXPECT_TRUE(name->font.bold);
        EXPECT_FALSE(find(page, QStringLiteral("Secret")) || find(page, QStringLiteral("hidden")));
        // Name and V sit side by side: the hidden column takes no room.
        EXPECT_NEAR(name->box.right() + 6, v->box.left(), 0.01);
        qsizetype rows = 0;
        for (const auto& t : page.texts) {
            if (t.text.startsWith(QStringLiteral("row "))) {
                EXPECT_GE(t.box.top(), name->box.bottom() - 0.01);
                ++rows;
            }
        }
        // One ruled box per printed cell, the header band shaded.
        EXPECT_EQ(page.boxes.size(), 2 * (rows + 1));
        EXPECT_EQ(page.boxes.first().shade, 0xE0E0E0);
        EXPECT_GT(page.boxes.last().penWidth, 0);
    }
}

TEST(SheetLayout, ALongTextWidensItsColumnWithinThePageBeforeItShrinks) {
    GridSheet sheet(3, 2);
    sheet.setDefaultFont({QStringLiteral("Arial"), 12});
    sheet.setColumnWidth(1, 100);
    sheet.setColumnWidth(2, 60);
    sheet.setColumnWidth(3, 100);
    const QString name = QStringLiteral("Wilhelmina-Mae Maxwell Wolfeschlegelstein");
    sheet.setText(1, 1, name);
    sheet.setText(2, 1, QStringLiteral("ARMY"));
    const PrintDocument wide = SheetLayout::Layout(sheet, QPageSize(QPageSize::Letter));
    const auto* whole = find(wide.pages[0], name);
    ASSERT_TRUE(whole);
    EXPECT_EQ(whole->font.pointSize, 12);
    EXPECT_LE(whole->extent().right(), find(wide.pages[0], QStringLiteral("ARMY"))->box.left());
    // With the page nearly taken by the other columns, the name shrinks into what is left.
    sheet.setColumnWidth(3, 300);
    const PrintDocument narrow = SheetLayout::Layout(sheet, QPageSize(QPageSize::Letter));
    const auto* smaller = find(narrow.pages[0], name);
    ASSERT_TRUE(smaller);
    EXPECT_LT(smaller->font.pointSize, 12);
    EXPECT_GE(smaller->font.pointSize, 7);
    EXPECT_LE(smaller->extent().right(), smaller->box.right() + 0.01);
}
