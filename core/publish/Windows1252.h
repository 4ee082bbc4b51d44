#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

// The Windows code page the download files are written in, one byte per character.
namespace Windows1252 {

// Characters the code page lacks are written as `substitute` gives them (already encodable).
QByteArray Encode(const QString& text, const std::function<QString(char32_t)>& substitute);

}  // namespace Windows1252
