#include "print/PdfFileSink.h"
#include "print/RecordingSink.h"
#include "print/SystemPrinterSink.h"
#include "support/PdfText.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QTemporaryDir>
#include <csignal>

namespace {

GridSheet sheetNamed(const QString& job, const QString& body, bool landscape = false) {
    GridSheet sheet(2, 1);
    sheet.setJobName(job);
    sheet.setHeader(QStringLiteral("/c/fz\"18\"") + job + QStringLiteral("/n"));
    sheet.setText(1, 1, body);
    sheet.setLandscape(landscape);
    return sheet;
}

// A disk that fills up while a PDF is written, played by a limit on the size of files this
// process may write; the limit and the signal it raises are restored on leaving.
class FullDisk final {
public:
    explicit FullDisk(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &m_old);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = m_old;
        small.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &small);
    }
    ~FullDisk() {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

private:
    rlimit m_old{};
    void (*m_oldHandler)(int) = nullptr;
};

constexpr rlim_t kRoomForNoPdf = 4096;

}  // namespace

TEST(PdfFileSink, AFullDiskIsAFailureAndTheEarlierFileStaysWhole) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("out.pdf"));
    {
        QFile earlier(path);
        ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
        earlier.write("earlier printout");
    }
    Status printed = Status::success();
    {
        const FullDisk full(kRoomForNoPdf);
        PdfFileSink pdf(path);
        printed = pdf.print(sheetNamed(QStringLiteral("Job"), QStringLiteral("body")));
        if (printed) {
            printed = pdf.finish();
        }
    }
    EXPECT_FALSE(printed);
    EXPECT_TRUE(printed.message().contains(path)) << printed.message().toStdString();
    EXPECT_TRUE(printed.message().contains(QStringLiteral("too large")))
        << printed.message().toStdString();
    QFile kept(path);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), QByteArray("earlier printout"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("out.pdf")});
}

TEST(SystemPrinterSink, WithoutAPrinterAPdfThatCannotBeWrittenIsAFailureNotASavedFile) {
    QTemporaryDir dir;
    QPrinter printer;
    SystemPrinterSink sink(dir.filePath(QStringLiteral("ORLE2004.mdb")), printer, false);
    Status printed = Status::success();
    {
        const FullDisk full(kRoomForNoPdf);
        printed = sink.print(sheetNamed(QStringLiteral("Groups"), QStringLiteral("groups")));
    }
    EXPECT_FALSE(printed);
    EXPECT_TRUE(printed.message().contains(QStringLiteral("Groups.pdf")))
        << printed.message().toStdString();
    EXPECT_TRUE(sink.takeSavedFiles().isEmpty());
    EXPECT_TRUE(QDir(dir.filePath(QStringLiteral("Printouts"))).entryList(QDir::Files).isEmpty());
}

TEST(PdfFileSink, WritesEveryJobIntoOneFileInOrderWithEachJobsOrientation) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("out.pdf"));
    {
        PdfFileSink pdf(path);
        ASSERT_TRUE(pdf.print(sheetNamed(QStringLiteral("First job"), QStringLiteral("alpha"))));
        ASSERT_TRUE(
            pdf.print(sheetNamed(QStringLiteral("Second job"), QStringLiteral("beta"), true)));
        EXPECT_TRUE(pdf.finish());
        EXPECT_EQ(pdf.pageCount(), 2);
    }
    EXPECT_EQ(PdfPageCount(path), 2);
    const QString first = PdfText(path, 1, 1);
    const QString second = PdfText(path, 2, 2);
    EXPECT_TRUE(first.contains(QStringLiteral("First job")) &&
                first.contains(QStringLiteral("alpha")));
    EXPECT_TRUE(second.contains(QStringLiteral("Second job")) &&
                second.contains(QStringLiteral("beta")));
}

TEST(PdfFileSink, AnUnwritablePathIsAFailureNotASilentLoss) {
    PdfFileSink pdf(QStringLiteral("/nonexistent-folder/x/out.pdf"));
    const Status printed = pdf.print(sheetNamed(QStringLiteral("Job"), QStringLiteral("x")));
    EXPECT_FALSE(printed);
    EXPECT_TRUE(printed.message().contains(QStringLiteral("out.pdf")));
}

TEST(SystemPrinterSink, WithoutAPrinterEachJobBecomesAPdfBesideTheChampionshipNeverOverwritten) {
    QTemporaryDir dir;
    QPrinter printer;
    SystemPrinterSink sink(dir.filePath(QStringLiteral("ORLE2004.mdb")), printer, false);
    ASSERT_TRUE(sink.print(
        sheetNamed(QStringLiteral("ORLE Groupings - Men's Saber"), QStringLiteral("groups"))));
    ASSERT_TRUE(sink.print(
        sheetNamed(QStringLiteral("ORLE Groupings - Men's Saber"), QStringLiteral("strips"))));
    ASSERT_TRUE(sink.print(sheetNamed(QStringLiteral("A/B: \"odd\""), QStringLiteral("odd"))));

    const QDir printouts(dir.filePath(QStringLiteral("Printouts")));
    ASSERT_EQ(sink.savedFiles().size(), 3);
    EXPECT_EQ(QFileInfo(sink.savedFiles()[0]).absoluteFilePath(),
              printouts.filePath(QStringLiteral("ORLE Groupings - Men's Saber.pdf")));
    EXPECT_EQ(QFileInfo(sink.savedFiles()[1]).fileName(),
              QStringLiteral("ORLE Groupings - Men's Saber (2).pdf"));
    EXPECT_EQ(QFileInfo(sink.savedFiles()[2]).fileName(), QStringLiteral("A-B- -odd-.pdf"));
    EXPECT_TRUE(PdfText(sink.savedFiles()[0]).contains(QStringLiteral("groups")));
    EXPECT_TRUE(PdfText(sink.savedFiles()[1]).contains(QStringLiteral("strips")));
    // The window hears of each file once.
    EXPECT_EQ(sink.takeSavedFiles().size(), 3);
    EXPECT_TRUE(sink.takeSavedFiles().isEmpty());
}

TEST(SystemPrinterSink, ALandscapeJobLeavesThePrinterAsItWasSetUp) {
    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(QStringLiteral("printer.pdf")));
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setCopyCount(1);
    SystemPrinterSink sink(QString(), printer, true);

    GridSheet referee =
        sheetNamed(QStringLiteral("ORLE Ref Assign - Men's Saber"), QStringLiteral("REF"), true);
    referee.setCopies(2);
    ASSERT_TRUE(sink.print(referee));
    EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Portrait);
    EXPECT_EQ(printer.copyCount(), 1);
    EXPECT_TRUE(sink.savedFiles().isEmpty());
    EXPECT_TRUE(
        PdfText(dir.filePath(QStringLiteral("printer.pdf"))).contains(QStringLiteral("REF")));
}
