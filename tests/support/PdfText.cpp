#include "support/PdfText.h"

#include <QProcess>
#include <QRegularExpression>

namespace {

QString run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0) {
        return QString();
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

}  // namespace

QString PdfText(const QString& path, int firstPage, int lastPage) {
    QStringList arguments{QStringLiteral("-layout")};
    if (firstPage > 0) {
        arguments << QStringLiteral("-f") << QString::number(firstPage);
    }
    if (lastPage > 0) {
        arguments << QStringLiteral("-l") << QString::number(lastPage);
    }
    arguments << path << QStringLiteral("-");
    return run(QStringLiteral("pdftotext"), arguments);
}

int PdfPageCount(const QString& path) {
    static const QRegularExpression pages(QStringLiteral("Pages:\\s+(\\d+)"));
    const QRegularExpressionMatch match = pages.match(run(QStringLiteral("pdfinfo"), {path}));
    return match.hasMatch() ? match.captured(1).toInt() : 0;
}
