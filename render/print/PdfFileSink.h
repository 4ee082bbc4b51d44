#pragma once

#include "print/PrintSink.h"

#include <QString>
#include <memory>

class QPainter;
class QPdfWriter;

// Writes every printout, one after another, into one PDF file (orle-cli, and the fallback
// when no printer is installed). The file is complete after finish() or destruction.
class PdfFileSink final : public PrintSink {
public:
    explicit PdfFileSink(const QString& path);
    ~PdfFileSink() override;
    PdfFileSink(const PdfFileSink&) = delete;
    PdfFileSink& operator=(const PdfFileSink&) = delete;

    const QString& path() const { return m_path; }
    int pageCount() const { return m_pages; }
    // Closes the file; fails when it could not be written.
    Status finish();

protected:
    Status output(const PrintDocument& document) override;

private:
    QString m_path;
    std::unique_ptr<QPdfWriter> m_writer;
    std::unique_ptr<QPainter> m_painter;
    int m_pages = 0;
};
