#pragma once

#include "print/PrintDocument.h"
#include "print/PrintSink.h"

#include <QDialog>
#include <QPrinter>
#include <memory>

class Prompter;
class QPrintPreviewWidget;

// The preview of a report with its own print command, which prints straight to the
// printer without a print dialog; "Print..." asks for printer, copies and pages first, and
// "Save as PDF..." writes the report to a file.
class frmPrintPreview final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmPrintPreview)

public:
    // `printTo` receives the document when the user prints.
    frmPrintPreview(const PrintDocument& document, PrintSink& printTo, Prompter& prompter,
                    QWidget* parent = nullptr);
    // The preview keeps `printTo` for as long as it is open.
    frmPrintPreview(const PrintDocument& document, std::unique_ptr<PrintSink> printTo,
                    Prompter& prompter, QWidget* parent = nullptr);

    void bPrint_Click();
    void bPrintDialog_Click();
    void bSavePdf_Click();

private:
    void paintPreview(QPrinter* printer);

    PrintDocument m_document;
    std::unique_ptr<PrintSink> m_ownedPrintTo;
    PrintSink& m_printTo;
    Prompter& m_prompter;
    QPrinter m_previewPrinter;
    QPrintPreviewWidget* ppPreview = nullptr;
};
