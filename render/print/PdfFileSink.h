#pragma once

#include "print/PrintSink.h"

#include <QString>
#include <memory>

class QFileDevice;
class QPainter;
class QPdfWriter;

// Writes every printout, one after another, into one PDF file (orle-cli, and the fallback
// when no printer is installed). The pages go to a temporary file beside the target, which
// replaces the target only in finish() once it is checked, so a full disk never leaves an
// empty or cut-off PDF behind a report of success. A target that is not a plain file (a
// device or a pipe) is written in place, and its write errors are failures just the same.
class PdfFileSink final : public PrintSink {
public:
    explicit PdfFileSink(const QString& path);
    // Without finish() nothing replaces the target.
    ~PdfFileSink() override;
    PdfFileSink(const PdfFileSink&) = delete;
    PdfFileSink& operator=(const PdfFileSink&) = delete;

    const QString& path() const { return m_path; }
    int pageCount() const { return m_pages; }
    // Completes the file; fails, saying why, when it could not be written.
    Status finish();

protected:
    Status output(const PrintDocument& document) override;

private:
    Status begin(const PrintDocument& document);
    Status failure(const QString& why) const;

    QString m_path;
    bool m_inPlace = false;  // the target is a device, not a file to replace
    std::unique_ptr<QFileDevice> m_file;
    std::unique_ptr<QPdfWriter> m_writer;
    std::unique_ptr<QPainter> m_painter;
    int m_pages = 0;
};
