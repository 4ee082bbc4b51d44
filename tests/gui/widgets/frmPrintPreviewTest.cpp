#include "print/RecordingSink.h"
#include "support/PdfText.h"
#include "support/ScriptedPrompter.h"
#include "widgets/PrintOutcome.h"
#include "widgets/frmPrintPreview.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>

TEST(frmPrintPreview, ItsPrintCommandSendsTheSameDocumentStraightToThePrinter) {
    PrintDocument document;
    document.jobName = QStringLiteral("Complete Roster");
    document.pages.append(PrintDocument::Page());
    document.pages[0].texts.append(
        {QStringLiteral("Roster"), PrintFont(), QRectF(72, 72, 100, 14), TextAlign::Left, 84, 40});
    RecordingSink printer;
    ScriptedPrompter prompter;
    frmPrintPreview preview(document, printer, prompter);
    EXPECT_EQ(preview.windowTitle(), QStringLiteral("Complete Roster"));

    preview.findChild<QPushButton*>(QStringLiteral("bPrint"))->click();
    ASSERT_EQ(printer.documents.size(), 1);
    EXPECT_EQ(printer.documents[0].texts(0), QStringList{QStringLiteral("Roster")});
    EXPECT_TRUE(prompter.asked.empty());
}

// Three pages, each naming its number, for the print dialog's page range.
PrintDocument threePages() {
    PrintDocument document;
    document.jobName = QStringLiteral("Team Schedule");
    for (int p = 1; p <= 3; ++p) {
        PrintDocument::Page page;
        page.texts.append({QStringLiteral("Page %1").arg(p), PrintFont(), QRectF(72, 72, 100, 14),
                           TextAlign::Left, 84, 40});
        document.pages.append(page);
    }
    return document;
}

// A preview of three pages whose print button's printer records what it is given.
class PreviewButtonsTest : public ::testing::Test {
protected:
    QPushButton* button(const char* name) {
        auto* found = preview.findChild<QPushButton*>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    QTemporaryDir dir;
    RecordingSink straight;
    ScriptedPrompter prompter;
    frmPrintPreview preview{threePages(), straight, prompter};
};

TEST_F(PreviewButtonsTest, PrintWithTheDialogPrintsThePagesChosenAndCancelPrintsNothing) {
    const QString out = dir.filePath(QStringLiteral("printer.pdf"));
    QPushButton* bPrintDialog = button("bPrintDialog");
    ASSERT_NE(bPrintDialog, nullptr);
    EXPECT_EQ(bPrintDialog->text(), QStringLiteral("P&rint..."));

    bPrintDialog->click();  // cancelled
    EXPECT_FALSE(QFile::exists(out));

    prompter.printDialog = [&](QPrinter& printer) {
        EXPECT_EQ(printer.toPage(), 3);
        printer.setOutputFileName(out);
        printer.setPrintRange(QPrinter::PageRange);
        printer.setFromTo(2, 3);
    };
    bPrintDialog->click();
    EXPECT_EQ(PdfPageCount(out), 2);
    EXPECT_TRUE(PdfText(out, 1, 1).contains(QStringLiteral("Page 2")));
    EXPECT_TRUE(straight.documents.isEmpty()) << "the print button's printer is not used";
    EXPECT_TRUE(prompter.asked.empty());
}

TEST_F(PreviewButtonsTest, SaveAsPdfWritesEveryPageToTheFileChosen) {
    const QString out = dir.filePath(QStringLiteral("Team Schedule.pdf"));
    QPushButton* bSavePdf = button("bSavePdf");
    ASSERT_NE(bSavePdf, nullptr);
    bSavePdf->click();  // no file chosen
    EXPECT_TRUE(QDir(dir.path()).isEmpty());

    prompter.files.push_back(out);
    bSavePdf->click();
    EXPECT_EQ(PdfPageCount(out), 3);
    EXPECT_TRUE(PdfText(out, 3, 3).contains(QStringLiteral("Page 3")));
    EXPECT_TRUE(prompter.asked.empty());

    prompter.files.push_back(dir.filePath(QStringLiteral("no-such-folder/x.pdf")));
    bSavePdf->click();
    ASSERT_EQ(prompter.asked.size(), 1u);
    EXPECT_EQ(prompter.asked[0].icon, QMessageBox::Warning);
}

TEST(PrintOutcome, TellsWhereThePdfsWentAndEveryFailure) {
    ScriptedPrompter prompter;
    TellPrintOutcome(prompter, nullptr, QStringLiteral("Print Schedules"), Status::success(), {});
    EXPECT_TRUE(prompter.asked.empty());

    TellPrintOutcome(prompter, nullptr, QStringLiteral("Print Schedules"),
                     Status::failure(QStringLiteral("Cannot write x.pdf.")),
                     {QStringLiteral("/data/Printouts/ORLE Schedule - Men's Saber.pdf")});
    ASSERT_EQ(prompter.asked.size(), 2u);
    EXPECT_TRUE(prompter.asked[0].text.contains(QStringLiteral("/data/Printouts")));
    EXPECT_TRUE(prompter.asked[0].text.contains(QStringLiteral("ORLE Schedule - Men's Saber.pdf")));
    EXPECT_EQ(prompter.asked[1].icon, QMessageBox::Warning);
    EXPECT_EQ(prompter.asked[1].text, QStringLiteral("Cannot write x.pdf."));
}
