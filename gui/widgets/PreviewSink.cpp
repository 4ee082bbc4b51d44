#include "widgets/PreviewSink.h"

#include "widgets/frmPrintPreview.h"

Status PreviewSink::output(const PrintDocument& document) {
    frmPrintPreview preview(document, m_printTo, m_prompter, m_parent);
    preview.exec();
    return Status::success();
}
