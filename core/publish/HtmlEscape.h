#pragma once

#include <QString>

// Text typed by the staff (a school's name) made safe to stand in a web page: "&", "<", ">"
// and '"' become character references, so a name shows as text and never as markup.
QString HtmlText(const QString& text);

// A web name: the character references the staff typed on purpose (M&uuml;ller, &#252;,
// &#xFC;) stay as they are; every other "&", "<", ">" and '"' is escaped.
QString HtmlNameMarkup(const QString& text);

// The characters XML 1.0 forbids (control characters other than tab, line feed and carriage
// return, U+FFFE, U+FFFF and lone surrogates) dropped, whatever an older file holds.
QString XmlCharacters(const QString& text);

// Text for an XML file: the characters XML 1.0 forbids (control characters other than tab,
// line feed and carriage return, U+FFFE, U+FFFF and lone surrogates) are dropped, whatever
// an older file holds; "&", "<", ">" and '"' are escaped.
QString XmlText(const QString& text);
