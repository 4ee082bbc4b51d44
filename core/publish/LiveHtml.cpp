#include "publish/LiveHtml.h"

#include "publish/HtmlEscape.h"

namespace LiveHtml {

namespace {

QString classAttribute(const QString& cls) {
    return cls.isEmpty() ? QString() : QStringLiteral(" class=\"%1\"").arg(cls);
}

QString rowMarkup(const Row& row, const QString& cellTag) {
    QString html = QStringLiteral("<tr>");
    for (const Cell& cell : row) {
        html += QStringLiteral("<%1%2>%3</%1>").arg(cellTag, classAttribute(cell.cls), cell.html);
    }
    return html + QStringLiteral("</tr>\n");
}

}  // namespace

Cell Text(const QString& text, const QString& cls) {
    return {HtmlText(text), cls};
}

Cell Number(int value) {
    return {QString::number(value), QStringLiteral("n")};
}

QString Element(const QString& tag, const QString& html, const QString& cls) {
    return QStringLiteral("<%1%2>%3</%1>\n").arg(tag, classAttribute(cls), html);
}

QString Link(const QString& href, const QString& text) {
    return QStringLiteral("<a href=\"%1\">%2</a>").arg(HtmlText(href), HtmlText(text));
}

QString Table(const Row& header, const QList<Row>& rows, const QString& cls) {
    QString html =
        QStringLiteral("<div class=\"scroll\"><table%1>\n<thead>").arg(classAttribute(cls)) +
        rowMarkup(header, QStringLiteral("th")) + QStringLiteral("</thead>\n<tbody>\n");
    for (const Row& row : rows) {
        html += rowMarkup(row, QStringLiteral("td"));
    }
    if (rows.isEmpty()) {
        html +=
            QStringLiteral("<tr><td colspan=\"%1\">No results yet.</td></tr>\n").arg(header.size());
    }
    return html + QStringLiteral("</tbody>\n</table></div>\n");
}

}  // namespace LiveHtml
