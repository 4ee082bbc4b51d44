#include "print/PdfFileSink.h"

#include "db/ProgramVersion.h"
#include "print/DocumentPainter.h"

#include <QPainter>
#include <QPdfWriter>

namespace {

QPageLayout layoutOf(const PrintDocument& document) {
    return QPageLayout(document.paper,
                       document.landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                       QMarginsF());
}

}  // namespace

PdfFileSink::PdfFileSink(const QString& path) : m_path(path) {}

PdfFileSink::~PdfFileSink() {
    // Whoever needs to know whether the file was written calls finish() before; here the
    // painter is only let go.
    static_cast<void>(finish());
}

Status PdfFileSink::output(const PrintDocument& document) {
    for (const PrintDocument::Page& page : document.pages) {
        if (!m_writer) {
            m_writer = std::make_unique<QPdfWriter>(m_path);
            m_writer->setResolution(1200);
            m_writer->setTitle(document.jobName);
            m_writer->setCreator(ProgramVersion::ProductTitle());
            m_writer->setPageLayout(layoutOf(document));
            m_painter = std::make_unique<QPainter>();
            if (!m_painter->begin(m_writer.get())) {
                m_painter.reset();
                m_writer.reset();
                return Status::failure(QStringLiteral("Cannot write %1.").arg(m_path));
            }
        } else {
            m_writer->setPageLayout(layoutOf(document));
            m_writer->newPage();
        }
        DocumentPainter::PaintPage(*m_painter, page, m_writer->logicalDpiX() / 72.0);
        ++m_pages;
    }
    return Status::success();
}

Status PdfFileSink::finish() {
    if (!m_painter) {
        return Status::success();
    }
    const bool ended = m_painter->end();
    m_painter.reset();
    m_writer.reset();
    return ended ? Status::success()
                 : Status::failure(QStringLiteral("Cannot write %1.").arg(m_path));
}
