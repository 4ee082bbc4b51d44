#include "print/RecordingSink.h"
#include "support/ScriptedPrompter.h"
#include "widgets/PrintOutcome.h"
#include "widgets/frmPrintPreview.h"

#include <gtest/gtest.h>
#include <QPushButton>

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
