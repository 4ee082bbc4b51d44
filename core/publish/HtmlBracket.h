#pragma once

#include "standings/FinalFourPicture.h"

#include <QStringList>

// The Final Four bracket of the web page: seeds, semifinal scores, finalists and medallists.
namespace HtmlBracket {

QStringList Lines(const FinalFourPicture& picture);

}  // namespace HtmlBracket
