#pragma once

#include <QList>
#include <QString>

// Small pieces of the live results pages. Every text passed as `text` is escaped here;
// `html` arguments are markup built by these functions.
namespace LiveHtml {

// A table cell: its markup and its class ("n" for a figure aligned right).
struct Cell {
    QString html;
    QString cls;
};
using Row = QList<Cell>;

Cell Text(const QString& text, const QString& cls = QString());
Cell Number(int value);
// An element with escaped-before-hand content and an optional class.
QString Element(const QString& tag, const QString& html, const QString& cls = QString());
QString Link(const QString& href, const QString& text);
// A table in a scrolling wrapper, so a wide table never widens a phone's page.
QString Table(const Row& header, const QList<Row>& rows, const QString& cls = QString());

}  // namespace LiveHtml
