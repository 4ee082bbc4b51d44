#pragma once

#include "print/PrintSink.h"

#include <QStringList>
#include <utility>

class QPrinter;

// Prints straight to the system printer without a dialog. When no printer is installed,
// each job becomes a PDF named after it in the folder "Printouts" beside the championship
// file; savedFiles() tells the window where, so it can tell the user.
class SystemPrinterSink final : public PrintSink {
public:
    // `printer` is normally SharedPrinter(); `printerInstalled` is normally
    // HasPrinter(printer), given by tests.
    SystemPrinterSink(const QString& championshipFile, QPrinter& printer, bool printerInstalled);
    // A sink on the shared printer, for the current championship file.
    explicit SystemPrinterSink(const QString& championshipFile);

    // Whether printing would reach a real printer: the default one, or the one the user
    // chose in Print Setup. Without this Qt would quietly write a PDF or use any queue.
    static bool HasPrinter(const QPrinter& printer);

    QPageSize paper() const override;
    // The PDFs written instead of printing, in the order written.
    const QStringList& savedFiles() const { return m_savedFiles; }
    QStringList takeSavedFiles() override { return std::exchange(m_savedFiles, {}); }
    // The folder those PDFs go to.
    QString printoutFolder() const;

protected:
    Status output(const PrintDocument& document) override;

private:
    Status printOnPrinter(const PrintDocument& document);
    Status saveAsPdf(const PrintDocument& document);

    QString m_championshipFile;
    QPrinter& m_printer;
    bool m_printerInstalled;
    QStringList m_savedFiles;
};
