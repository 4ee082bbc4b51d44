#include "widgets/frmPrintPreview.h"

#include "print/DocumentPainter.h"
#include "print/PrintSink.h"
#include "widgets/NamedButton.h"
#include "widgets/PrintOutcome.h"
#include "widgets/ScreenFit.h"
#include "widgets/WaitCursor.h"

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
    QPushButton* bZoomIn = NamedButton("bZoomIn", QStringLiteral("Zoom &In"), this);
    QPushButton* bZoomOut = NamedButton("bZoomOut", QStringLiteral("Zoom &Out"), this);
    QPushButton* bClose = NamedButton("bClose", QStringLiteral("&Close"), this);
    connect(bPrint, &QPushButton::clicked, this, &frmPrintPreview::bPrint_Click);
    connect(bZoomIn, &QPushButton::clicked, ppPreview, [this] { ppPreview->zoomIn(); });
    connect(bZoomOut, &QPushButton::clicked, ppPreview, [this] { ppPreview->zoomOut(); });
    connect(bClose, &QPushButton::clicked, this, &QWidget::close);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(bPrint);
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
    const double dotsPerPoint = printer->logicalDpiX() / 72.0;
    for (qsizetype p = 0; p < m_document.pages.size(); ++p) {
        if (p > 0) {
            printer->newPage();
        }
        DocumentPainter::PaintPage(painter, m_document.pages[p], dotsPerPoint);
    }
}

void frmPrintPreview::bPrint_Click() {
    Status printed = Status::success();
    {
        WaitCursor wait;
        printed = m_printTo.print(m_document);
    }
    TellPrintOutcome(m_prompter, this, windowTitle(), printed, m_printTo.takeSavedFiles());
}
