#pragma once

#include <QString>

// The name as it goes into web pages: accented Latin-1 letters become HTML named entities;
// nothing else is escaped.
QString HtmlEntityText(const QString& text);
// The web name of a fencer typed without one: given and family name, entity-encoded.
QString HtmlNameFor(const QString& first, const QString& last);
