#include "widgets/ModelessPreviewSink.h"

#include "widgets/frmPrintPreview.h"

Status ModelessPreviewSink::output(const PrintDocument& document) {
    auto* preview = new frmPrintPreview(document, m_makePrinter(), m_prompter, m_parent);
    preview->setAttribute(Qt::WA_DeleteOnClose);
    preview->show();
    return Status::success();
}
