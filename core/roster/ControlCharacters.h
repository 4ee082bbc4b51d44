#pragma once

#include <QList>
#include <QString>
#include <utility>

// Typed names, schools, strip names and imported fields may not hold control characters
// (NUL, line breaks, tabs, C1 codes): they break the printed sheets, the roster files and
// the downloads, and the staff cannot see them on screen. One rule for every editor.
namespace ControlCharacters {

// Whether `text` holds a character below U+0020 or in U+007F..U+009F.
bool Contains(const QString& text);
// "<where>: <field> holds a control character ...", or an empty text when `text` is clean.
QString Problem(const QString& text, const QString& where, const QString& field);
// The problem of the first of several fields, each given as its name and its text.
QString FirstProblem(const QList<std::pair<QString, QString>>& namedTexts, const QString& where);

}  // namespace ControlCharacters
