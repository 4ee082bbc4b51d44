#include "publish/Windows1252.h"

#include <QHash>

namespace {

// The printable characters of 0x80..0x9F; the gaps stay undefined.
const QHash<char32_t, char>& upperControlRange() {
    static const QHash<char32_t, char> table = [] {
        static const char32_t codes[32] = {
            0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
            0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
            0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
        QHash<char32_t, char> out;
        for (int i = 0; i < 32; ++i) {
            if (codes[i] != 0) {
                out.insert(codes[i], static_cast<char>(0x80 + i));
            }
        }
        return out;
    }();
    return table;
}

}  // namespace

namespace Windows1252 {

QByteArray Encode(const QString& text, const std::function<QString(char32_t)>& substitute) {
    QByteArray out;
    out.reserve(text.size());
    for (const char32_t c : text.toUcs4()) {
        if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
            out += static_cast<char>(c);
            continue;
        }
        const auto it = upperControlRange().constFind(c);
        if (it != upperControlRange().constEnd()) {
            out += *it;
        } else {
            out += Encode(substitute(c), [](char32_t) { return QStringLiteral("?"); });
        }
    }
    return out;
}

}  // namespace Windows1252
