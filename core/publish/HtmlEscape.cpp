#include "publish/HtmlEscape.h"

#include <QRegularExpression>

namespace {

// A named reference (letters and digits), a decimal one or a hexadecimal one.
const QRegularExpression& characterReference() {
    static const QRegularExpression reference(
        QStringLiteral("&(?:[A-Za-z][A-Za-z0-9]{1,31}|#[0-9]{1,7}|#[xX][0-9A-Fa-f]{1,6});"));
    return reference;
}

bool allowedInXml(char32_t c) {
    return c == u'\t' || c == u'\n' || c == u'\r' || (c >= 0x20 && c <= 0xD7FF) ||
           (c >= 0xE000 && c <= 0xFFFD) || (c >= 0x10000 && c <= 0x10FFFF);
}

}  // namespace

QString HtmlText(const QString& text) {
    return text.toHtmlEscaped();
}

QString HtmlNameMarkup(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'&') {
            const QRegularExpressionMatch kept =
                characterReference().match(text, i, QRegularExpression::NormalMatch,
                                           QRegularExpression::AnchorAtOffsetMatchOption);
            if (kept.hasMatch()) {
                out += kept.captured(0);
                i += kept.capturedLength(0) - 1;
                continue;
            }
        }
        out += (c == u'&' || c == u'<' || c == u'>' || c == u'"') ? QString(c).toHtmlEscaped()
                                                                  : QString(c);
    }
    return out;
}

QString XmlCharacters(const QString& text) {
    QString allowed;
    allowed.reserve(text.size());
    for (const char32_t c : text.toUcs4()) {
        if (allowedInXml(c)) {
            allowed += QString::fromUcs4(&c, 1);
        }
    }
    return allowed;
}

QString XmlText(const QString& text) {
    return XmlCharacters(text).toHtmlEscaped();
}
