#include "cli/CliRunner.h"
#include "support/ChampionshipBuilder.h"
#include "support/PdfText.h"
#include "support/TempChampionship.h"

#include <gtest/gtest.h>

namespace {

class ScoresheetCommandsTest : public ::testing::Test {
protected:
    ScoresheetCommandsTest() { ChampionshipBuilder(file).drawFullEvent(3); }
    CliRun print(const QStringList& words) const {
        return RunCli(
            QStringList{QStringLiteral("print")} + words +
            QStringList{QStringLiteral("--db"), file.path(), QStringLiteral("--pdf"), pdf});
    }

    TempChampionship file;
    QString pdf = file.folder() + QStringLiteral("/sheets.pdf");
};

}  // namespace

TEST_F(ScoresheetCommandsTest, PoolDualAndFinalFourSheetsGoToThePdf) {
    CliRun run = print({"pool", "--event", "WS"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(PdfPageCount(pdf), 4);
    QString text = PdfText(pdf);
    EXPECT_TRUE(text.contains(QStringLiteral("Women's Saber")));
    EXPECT_TRUE(text.contains(QStringLiteral("Round 1, Pool 4")));
    EXPECT_TRUE(text.contains(QStringLiteral("Bout Order")));

    run = print({"dual", "--event", "3", "--round", "2,7"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(PdfPageCount(pdf), 8);
    EXPECT_TRUE(PdfText(pdf).contains(QStringLiteral("V/D")));

    run = print({"dual", "--event", "3", "--day", "2", "--strip", "3"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(PdfPageCount(pdf), 3);

    run = print({"final4", "--event", "3", "--bouts", "medals"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(PdfPageCount(pdf), 2);
    text = PdfText(pdf);
    EXPECT_TRUE(text.contains(QStringLiteral("Gold Medal Bout")));
    EXPECT_TRUE(text.contains(QStringLiteral("Scorekeeper")));
}

TEST_F(ScoresheetCommandsTest, WrongRoundsDaysStripsAndBoutsAreRefused) {
    for (const QStringList& words : {QStringList{"dual", "--event", "3", "--round", "1"},
                                     QStringList{"dual", "--event", "3", "--round", "8"},
                                     QStringList{"dual", "--event", "3", "--day", "3"},
                                     QStringList{"pool", "--event", "3", "--strip", "99"},
                                     QStringList{"final4", "--event", "3", "--bouts", "gold"},
                                     QStringList{"pool", "--event", "9"}}) {
        const CliRun run = print(words);
        EXPECT_EQ(run.exitCode, 1) << words.join(' ').toStdString();
        EXPECT_FALSE(run.err.isEmpty());
    }
}
