#include "roster/ControlCharacters.h"

#include <algorithm>

namespace ControlCharacters {

namespace {

constexpr char16_t kFirstPrintable = 0x20;
constexpr char16_t kFirstC1 = 0x7f;  // DEL, then the C1 codes
constexpr char16_t kLastC1 = 0x9f;

bool isControl(QChar c) {
    const char16_t code = c.unicode();
    return code < kFirstPrintable || (code >= kFirstC1 && code <= kLastC1);
}

}  // namespace

bool Contains(const QString& text) {
    return std::any_of(text.begin(), text.end(), isControl);
}

QString Problem(const QString& text, const QString& where, const QString& field) {
    if (!Contains(text)) {
        return QString();
    }
    return QStringLiteral(
               "%1: the %2 holds a control character (a line break, tab or similar). "
               "Type it again on one line.")
        .arg(where, field);
}

QString FirstProblem(const QList<std::pair<QString, QString>>& namedTexts, const QString& where) {
    for (const auto& [field, text] : namedTexts) {
        if (QString problem = Problem(text, where, field); !problem.isEmpty()) {
            return problem;
        }
    }
    return QString();
}

}  // namespace ControlCharacters
