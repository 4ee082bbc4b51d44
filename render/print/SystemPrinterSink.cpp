#include "print/SystemPrinterSink.h"

#include "db/StationFolder.h"
#include "print/DocumentPainter.h"
#include "print/PdfFileSink.h"
#include "print/SharedPrinter.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRegularExpression>

namespace {

// A job name made safe as a file name on every system.
QString fileNameFor(const QString& jobName) {
    static const QRegularExpression unsafe(QStringLiteral("[\\\\/:*?\"<>|\\x00-\\x1f]"));
    QString name = jobName;
    name.replace(unsafe, QStringLiteral("-"));
    name = name.trimmed();
    return name.isEmpty() ? QStringLiteral("Printout") : name;
}

// Jobs may share a name (the group and strip assignments sheets do): never overwrite.
QString unusedPath(const QDir& folder, const QString& base) {
    QString path = folder.filePath(base + QStringLiteral(".pdf"));
    for (int n = 2; QFileInfo::exists(path); ++n) {
        path = folder.filePath(QStringLiteral("%1 (%2).pdf").arg(base).arg(n));
    }
    return path;
}

}  // namespace

SystemPrinterSink::SystemPrinterSink(const QString& championshipFile, QPrinter& printer,
                                     bool printerInstalled)
    : m_championshipFile(championshipFile),
      m_printer(printer),
      m_printerInstalled(printerInstalled) {}

SystemPrinterSink::SystemPrinterSink(const QString& championshipFile)
    : SystemPrinterSink(championshipFile, SharedPrinter(), HasPrinter(SharedPrinter())) {}

bool SystemPrinterSink::HasPrinter(const QPrinter& printer) {
    if (printer.outputFormat() != QPrinter::NativeFormat) {
        return false;
    }
    if (!QPrinterInfo::defaultPrinter().isNull()) {
        return true;
    }
    return !printer.printerName().isEmpty() &&
           !QPrinterInfo::printerInfo(printer.printerName()).isNull();
}

QPageSize SystemPrinterSink::paper() const {
    return m_printerInstalled ? m_printer.pageLayout().pageSize() : PrintSink::paper();
}

QString SystemPrinterSink::printoutFolder() const {
    const QString base =
        m_championshipFile.isEmpty() ? QDir::homePath() : StationFolder::For(m_championshipFile);
    return QDir(base).filePath(QStringLiteral("Printouts"));
}

Status SystemPrinterSink::output(const PrintDocument& document) {
    return m_printerInstalled ? printOnPrinter(document) : saveAsPdf(document);
}

Status SystemPrinterSink::printOnPrinter(const PrintDocument& document) {
    // The printer is shared with every window: leave it as the user set it up.
    const QPageLayout::Orientation orientation = m_printer.pageLayout().orientation();
    const bool fullPage = m_printer.fullPage();
    const int copies = m_printer.copyCount();
    const QString docName = m_printer.docName();

    m_printer.setDocName(document.jobName);
    m_printer.setFullPage(true);
    m_printer.setCopyCount(document.copies);
    m_printer.setPageOrientation(document.landscape ? QPageLayout::Landscape
                                                    : QPageLayout::Portrait);
    Status status = Status::success();
    QPainter painter;
    if (!painter.begin(&m_printer)) {
        status = Status::failure(
            QStringLiteral("The printer could not print \"%1\".").arg(document.jobName));
    } else {
        DocumentPainter::PaintPages(painter, m_printer, document);
        if (!painter.end()) {
            status = Status::failure(
                QStringLiteral("The printer could not print \"%1\".").arg(document.jobName));
        }
    }
    m_printer.setPageOrientation(orientation);
    m_printer.setFullPage(fullPage);
    m_printer.setCopyCount(copies);
    m_printer.setDocName(docName);
    return status;
}

Status SystemPrinterSink::saveAsPdf(const PrintDocument& document) {
    const QDir folder(printoutFolder());
    if (!folder.mkpath(QStringLiteral("."))) {
        return Status::failure(QStringLiteral("Cannot create the folder %1.").arg(folder.path()));
    }
    const QString path = unusedPath(folder, fileNameFor(document.jobName));
    PdfFileSink pdf(path);
    Status status = pdf.print(document);
    if (status) {
        status = pdf.finish();
    }
    if (status) {
        m_savedFiles << QDir::toNativeSeparators(path);
    }
    return status;
}
