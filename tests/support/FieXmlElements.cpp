#include "support/FieXmlElements.h"

#include <gtest/gtest.h>
#include <QProcess>
#include <QXmlStreamReader>

std::vector<QMap<QString, QString>> FieElements(const QByteArray& xml, const QString& pathEnd) {
    std::vector<QMap<QString, QString>> found;
    QXmlStreamReader reader(xml);
    QStringList path;
    while (!reader.atEnd()) {
        const QXmlStreamReader::TokenType token = reader.readNext();
        if (token == QXmlStreamReader::EndElement) {
            path.removeLast();
        }
        if (token != QXmlStreamReader::StartElement) {
            continue;
        }
        path << reader.name().toString();
        if (path.join(QLatin1Char('/')).endsWith(pathEnd)) {
            QMap<QString, QString> attributes;
            for (const QXmlStreamAttribute& attribute : reader.attributes()) {
                attributes.insert(attribute.name().toString(), attribute.value().toString());
            }
            found.push_back(attributes);
        }
    }
    EXPECT_FALSE(reader.hasError()) << reader.errorString().toStdString();
    return found;
}

QString XmllintComplaint(const QByteArray& xml) {
    QProcess lint;
    lint.start(QStringLiteral("xmllint"), {QStringLiteral("--noout"), QStringLiteral("-")});
    if (!lint.waitForStarted()) {
        return QStringLiteral("xmllint did not start (Debian package libxml2-utils)");
    }
    lint.write(xml);
    lint.closeWriteChannel();
    lint.waitForFinished();
    const QString said = QString::fromUtf8(lint.readAllStandardError());
    return lint.exitCode() == 0 && said.isEmpty() ? QString() : said + QStringLiteral(" ");
}
