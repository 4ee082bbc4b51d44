#include "roster/HtmlName.h"

#include <QHash>

namespace {

const QHash<QChar, QString>& entityTable() {
    static const QHash<QChar, QString> table = [] {
        // Each accented letter with its HTML 4 entity name, upper case then lower case.
        static const char* const names[] = {
            "Agrave", "Aacute", "Acirc",  "Atilde", "Auml",   "Aring",  "AElig",
            "Ccedil", "Egrave", "Eacute", "Ecirc",  "Euml",   "Igrave", "Iacute",
            "Icirc",  "Iuml",   "Ntilde", "Ograve", "Oacute", "Ocirc",  "Otilde",
            "Ouml",   "Oslash", "Ugrave", "Uacute", "Ucirc",  "Uuml",   "Yacute"};
        static const char16_t upper[] = {0xC0, 0xC1, 0xC2, 0xC3, 0xC4, 0xC5, 0xC6, 0xC7, 0xC8, 0xC9,
                                         0xCA, 0xCB, 0xCC, 0xCD, 0xCE, 0xCF, 0xD1, 0xD2, 0xD3, 0xD4,
                                         0xD5, 0xD6, 0xD8, 0xD9, 0xDA, 0xDB, 0xDC, 0xDD};
        QHash<QChar, QString> out;
        for (size_t i = 0; i < std::size(upper); ++i) {
            const QString name = QString::fromLatin1(names[i]);
            out.insert(QChar(upper[i]), QStringLiteral("&%1;").arg(name));
            // Lower-case letters sit 0x20 above; their entity names start in lower case
            // ("aelig" as well).
            QString lower = name;
            lower[0] = lower[0].toLower();
            if (lower == QStringLiteral("aElig")) {
                lower = QStringLiteral("aelig");
            }
            out.insert(QChar(static_cast<char16_t>(upper[i] + 0x20)),
                       QStringLiteral("&%1;").arg(lower));
        }
        out.insert(QChar(0xDF), QStringLiteral("&szlig;"));
        return out;
    }();
    return table;
}

}  // namespace

QString HtmlEntityText(const QString& text) {
    const QHash<QChar, QString>& table = entityTable();
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        const auto it = table.constFind(c);
        if (it == table.constEnd()) {
            out += c;
        } else {
            out += *it;
        }
    }
    return out;
}

QString HtmlNameFor(const QString& first, const QString& last) {
    return HtmlEntityText((first.trimmed() + QLatin1Char(' ') + last.trimmed()).trimmed());
}
