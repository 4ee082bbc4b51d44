#include "widgets/frmPrintPreview.h"

#include "print/DocumentPainter.h"
#include "print/PdfFileSink.h"
#include "print/PrintSink.h"
#include "print/SharedPrinter.h"
#include "widgets/NamedButton.h"
#include "widgets/PrintOutcome.h"
#include "widgets/Prompter.h"
#include "widgets/ScreenFit.h"
#include "widgets/WaitCursor.h"

#include <QDir>
#include <QHBoxLayout>
#include <QPainter>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QVBoxLayout>

frmPrintPreview::frmPrintPreview(const PrintDocument& document, PrintSink& printTo,
                                 Prompter& prompter, QWidget* parent)
    : QDialog(parent),
      m_document(document),
      m_printTo(printTo),
      m_prompter(prompter),
      m_previewPrinter(QPrinter::ScreenResolution) {
    setObjectName(QStringLiteral("frmPrintPreview"));
    setWindowTitle(document.jobName);
    m_previewPrinter.setFullPage(true);
    m_previewPrinter.setPageLayout(QPageLayout(
        document.paper, document.landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
        QMarginsF()));

    ppPreview = new QPrintPreviewWidget(&m_previewPrinter, this);
    ppPreview->setObjectName(QStringLiteral("ppPreview"));
    // The pages scroll; the preview must not force the window taller than a laptop screen.
    ppPreview->setMinimumSize(320, 240);
    connect(ppPreview, &QPrintPreviewWidget::paintRequested, this, &frmPrintPreview::paintPreview);

    QPushButton* bPrint = NamedButton("bPrint", QStringLiteral("&Print"), this);
    QPushButton* bPrintDialog = NamedButton("bPrintDialog", QStringLiteral("P&rint..."), this);
    QPushButton* bSavePdf = NamedButton("bSavePdf", QStringLiteral("Save as P&DF..."), this);
    QPushButton* bZoomIn = NamedButton("bZoomIn", QStringLiteral("Zoom &In"), this);
    QPushButton* bZoomOut = NamedButton("bZoomOut", QStringLiteral("Zoom &Out"), this);
    QPushButton* bClose = NamedButton("bClose", QStringLiteral("&Close"), this);
    connect(bPrint, &QPushButton::clicked, this, &frmPrintPreview::bPrint_Click);
    connect(bPrintDialog, &QPushButton::clicked, this, &frmPrintPreview::bPrintDialog_Click);
    connect(bSavePdf, &QPushButton::clicked, this, &frmPrintPreview::bSavePdf_Click);
    connect(bZoomIn, &QPushButton::clicked, ppPreview, [this] { ppPreview->zoomIn(); });
    connect(bZoomOut, &QPushButton::clicked, ppPreview, [this] { ppPreview->zoomOut(); });
    connect(bClose, &QPushButton::clicked, this, &QWidget::close);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(bPrint);
    buttons->addWidget(bPrintDialog);
    buttons->addWidget(bSavePdf);
    buttons->addWidget(bZoomIn);
    buttons->addWidget(bZoomOut);
    buttons->addStretch();
    buttons->addWidget(bClose);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(ppPreview, 1);
    FitToScreen(this, {900, 1000});
    ppPreview->fitInView();
}

frmPrintPreview::frmPrintPreview(const PrintDocument& document, std::unique_ptr<PrintSink> printTo,
                                 Prompter& prompter, QWidget* parent)
    : frmPrintPreview(document, *printTo, prompter, parent) {
    m_ownedPrintTo = std::move(printTo);
}

void frmPrintPreview::paintPreview(QPrinter* printer) {
    QPainter painter(printer);
    DocumentPainter::PaintPages(painter, *printer, m_document);
}

// The chosen printer starts from the one set up in Print Setup, which it leaves as it was.
void frmPrintPreview::bPrintDialog_Click() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPrinterName(SharedPrinter().printerName());
    printer.setPageLayout(m_previewPrinter.pageLayout());
    printer.setFullPage(true);
    printer.setDocName(m_document.jobName);
    printer.setFromTo(1, static_cast<int>(m_document.pages.size()));
    if (!m_prompter.choosePrinter(this, printer)) {
        return;
    }
    const bool allPages = printer.printRange() != QPrinter::PageRange;
    bool printed = false;
    {
        WaitCursor wait;
        QPainter painter;
        if (painter.begin(&printer)) {
            DocumentPainter::PaintPages(painter, printer, m_document,
                                        allPages ? 1 : printer.fromPage(),
                                        allPages ? 0 : printer.toPage());
            printed = painter.end();
        }
    }
    TellPrintOutcome(
        m_prompter, this, windowTitle(),
        printed
            ? Status::success()
            : Status::failure(
                  QStringLiteral("The printer could not print \"%1\".").arg(m_document.jobName)),
        {});
}

void frmPrintPreview::bSavePdf_Click() {
    const QString path = m_prompter.chooseFileToSave(
        this, QStringLiteral("Save as PDF"), QDir::homePath(),
        QStringLiteral("PDF Files (*.pdf);;All Files (*)"), QStringLiteral("pdf"));
    if (path.isEmpty()) {
        return;
    }
    PdfFileSink pdf(path);
    Status saved = pdf.print(m_document);
    if (saved) {
        saved = pdf.finish();
    }
    // The user chose the file, so only a failure needs telling.
    TellPrintOutcome(m_prompter, this, windowTitle(), saved, {});
}

void frmPrintPreview::bPrint_Click() {
    Status printed = Status::success();
    {
        WaitCursor wait;
        printed = m_printTo.print(m_document);
    }
    TellPrintOutcome(m_prompter, this, windowTitle(), printed, m_printTo.takeSavedFiles());
}
