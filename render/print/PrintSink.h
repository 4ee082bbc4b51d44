#pragma once

#include "db/Status.h"
#include "print/BandedReport.h"
#include "print/GridSheet.h"
#include "print/PrintDocument.h"

#include <QStringList>

// Where printouts go: the system printer, a PDF file, a preview or a test's record.
// Each call is one print job. Windows take a PrintSink& so tests can record what they print:
//     SystemPrinterSink sink(state.connection().path());   // or a RecordingSink in tests
//     Status printed = sink.print(sheet);                    // GridSheet or BandedReport
//     TellPrintOutcome(prompter, this, windowTitle(), printed, sink.takeSavedFiles());
class PrintSink {
public:
    virtual ~PrintSink() = default;

    // Lays the sheet or report out on this sink's paper and prints it as one job.
    Status print(const GridSheet& sheet);
    Status print(const BandedReport& report);
    // Prints pages already laid out (a preview's print command).
    Status print(const PrintDocument& document) { return output(document); }

    // The paper printouts are laid out on.
    virtual QPageSize paper() const { return QPageSize(QPageSize::Letter); }
    // The PDFs written in a printer's stead since the last call, so the window can say where.
    virtual QStringList takeSavedFiles() { return {}; }

protected:
    virtual Status output(const PrintDocument& document) = 0;
};
