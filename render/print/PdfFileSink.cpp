#include "print/PdfFileSink.h"

#include "db/ProgramVersion.h"
#include "print/DocumentPainter.h"

#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <cerrno>
#include <cstring>

namespace {

constexpr int kPdfDotsPerInch = 1200;

QPageLayout layoutOf(const PrintDocument& document) {
    return QPageLayout(document.paper,
                       document.landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                       QMarginsF());
}

// A QSaveFile that remembers why it first failed: Qt reports a full disk as "Unknown
// error", and only the system's error number at that moment says why.
class StagedFile final : public QSaveFile {
public:
    using QSaveFile::QSaveFile;

    QString reason() const { return m_firstError.isEmpty() ? errorString() : m_firstError; }
    // Writes out what is buffered and, when the file holds something, replaces the target.
    bool complete() {
        if (!noted([this] { return flush() && error() == QFileDevice::NoError; })) {
            return false;
        }
        if (size() <= 0) {
            m_firstError = QStringLiteral("nothing was written");
            cancelWriting();
            return false;
        }
        return noted([this] { return commit(); });
    }

protected:
    qint64 writeData(const char* data, qint64 length) override {
        qint64 written = -1;
        noted([&] {
            written = QSaveFile::writeData(data, length);
            return written >= 0;
        });
        return written;
    }

private:
    template <typename Step>
    bool noted(Step step) {
        errno = 0;
        const bool done = step();
        const int cause = errno;
        if (!done && m_firstError.isEmpty()) {
            m_firstError =
                cause != 0 ? QString::fromLocal8Bit(std::strerror(cause)) : errorString();
        }
        return done;
    }

    QString m_firstError;
};

}  // namespace

PdfFileSink::PdfFileSink(const QString& path) : m_path(path) {}

// The painter ends before the writer and the file go; an uncommitted temporary file is
// removed with its QSaveFile.
PdfFileSink::~PdfFileSink() = default;

Status PdfFileSink::failure(const QString& why) const {
    return Status::failure(QStringLiteral("The PDF %1 could not be written: %2.").arg(m_path, why));
}

Status PdfFileSink::begin(const PrintDocument& document) {
    const QFileInfo target(m_path);
    m_inPlace = target.exists() && !target.isFile();
    if (m_inPlace) {
        m_file = std::make_unique<QFile>(m_path);
    } else {
        m_file = std::make_unique<StagedFile>(m_path);
    }
    if (!m_file->open(QIODevice::WriteOnly)) {
        const QString why = m_file->errorString();
        m_file.reset();
        return failure(why);
    }
    m_writer = std::make_unique<QPdfWriter>(m_file.get());
    m_writer->setResolution(kPdfDotsPerInch);
    m_writer->setTitle(document.jobName);
    m_writer->setCreator(ProgramVersion::ProductTitle());
    m_writer->setPageLayout(layoutOf(document));
    m_painter = std::make_unique<QPainter>();
    if (!m_painter->begin(m_writer.get())) {
        m_painter.reset();
        m_writer.reset();
        m_file.reset();
        return failure(QStringLiteral("the page painter could not start"));
    }
    return Status::success();
}

Status PdfFileSink::output(const PrintDocument& document) {
    for (const PrintDocument::Page& page : document.pages) {
        if (!m_writer) {
            if (Status begun = begin(document); !begun) {
                return begun;
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
    const std::unique_ptr<QFileDevice> file = std::move(m_file);
    if (!ended) {
        return failure(QStringLiteral("the pages could not be finished"));
    }
    // A write error (disk full, device full) shows only in the file's state, not the painter's.
    if (m_inPlace) {
        const bool written = file->flush() && file->error() == QFileDevice::NoError;
        return written ? Status::success() : failure(file->errorString());
    }
    auto* staged = static_cast<StagedFile*>(file.get());
    return staged->complete() ? Status::success() : failure(staged->reason());
}
