#include "publish/HtmlBracket.h"

#include "publish/DownloadRules.h"

namespace {

const QString kFirstCell = QStringLiteral("  <td height=21 style='height:15.75pt'></td>");

QString cell(const QString& cls, const QString& text = QString()) {
    return QStringLiteral("  <td class=%1>%2</td>").arg(cls, text);
}

QString numberCell(const QString& cls, const QString& text) {
    return QStringLiteral("  <td class=%1 align=right x:num>%2</td>").arg(cls, text);
}

QString wideCell(const QString& cls, int span, const QString& text = QString()) {
    if (text.isEmpty()) {
        return QStringLiteral("  <td colspan=%1 class=%2 style='mso-ignore:colspan'></td>")
            .arg(span)
            .arg(cls);
    }
    return QStringLiteral("  <td colspan=%1 class=%2>%3</td>").arg(span).arg(cls, text);
}

QString name(const FinalFourEntry& entry) {
    return DownloadRules::WebName(entry.HTMLName);
}

QString seedCell(int seed) {
    return QStringLiteral(
               "  <td height=21 class=seed align=right style='height:15.75pt' "
               "x:num>%1</td>")
        .arg(seed);
}

// A row that starts with empty cells opens with the sizing cell and fills the rest.
QStringList emptyStart(int cells) {
    QStringList out{kFirstCell};
    if (cells == 2) {
        out << cell(QStringLiteral("deblk"));
    } else if (cells > 2) {
        out << wideCell(QStringLiteral("deblk"), cells - 1);
    }
    return out;
}

QStringList row(const QStringList& cells, bool userSet = false) {
    return QStringList{userSet ? QStringLiteral(" <tr height=21 style='mso-height-source:userset;"
                                                "height:15.75pt'>")
                               : QStringLiteral(" <tr height=21 style='height:15.75pt'>")}
           << cells << QStringLiteral(" </tr>");
}

QStringList firstRow(const FinalFourPicture& p) {
    return row({QStringLiteral("  <td height=21 class=seed align=right width=19 "
                               "style='height:15.75pt;width:14pt' x:num>1</td>"),
                QStringLiteral("  <td class=sfname width=145 style='width:109pt'>%1</td>")
                    .arg(name(p.Seeds[1])),
                QStringLiteral("  <td class=topscore align=right width=26 style='width:20pt' "
                               "x:num>%1</td>")
                    .arg(p.Seeds[1].Touches),
                QStringLiteral("  <td class=deblk width=119 style='width:89pt'></td>"),
                QStringLiteral("  <td class=deblk width=26 style='width:20pt'></td>"),
                QStringLiteral("  <td class=deblk width=26 style='width:20pt'></td>"),
                QStringLiteral("  <td class=deblk width=152 style='width:114pt'></td>"),
                QStringLiteral("  <td class=deblk width=78 style='width:60pt'></td>")});
}

QStringList columns() {
    return {QStringLiteral("<table x:str border=0 cellpadding=0 cellspacing=0 width=523 "
                           "style='border-collapse:collapse;table-layout:fixed;width:394pt'>"),
            QStringLiteral(" <col class=deblk width=19 style='mso-width-source:userset;"
                           "mso-width-alt:694;width:14pt'>"),
            QStringLiteral(" <col class=deblk width=145 style='mso-width-source:userset;"
                           "mso-width-alt:5302;width:109pt'>"),
            QStringLiteral(" <col class=deblk width=26 style='mso-width-source:userset;"
                           "mso-width-alt:950;width:20pt'>"),
            QStringLiteral(" <col class=deblk width=119 style='mso-width-source:userset;"
                           "mso-width-alt:4339;width:89pt'>"),
            QStringLiteral(" <col class=deblk width=26 span=2 style='mso-width-source:userset;"
                           "mso-width-alt:950;width:20pt'>"),
            QStringLiteral(" <col class=deblk width=152 style='mso-width-source:userset;"
                           "mso-width-alt:5558;width:114pt'>"),
            QStringLiteral(" <col class=deblk width=78 style='mso-width-source:userset;"
                           "mso-width-alt:2850;width:60pt'>")};
}

QStringList sizingRow() {
    QStringList out{QStringLiteral(" <![if supportMisalignedColumns]>"),
                    QStringLiteral(" <tr height=0 style='display:none'>")};
    for (int width : {19, 145, 26, 119, 26, 26, 152, 78}) {
        out << QStringLiteral("  <td width=%1 style='width:%2pt'></td>")
                   .arg(width)
                   .arg(width * 3 / 4);
    }
    return out << QStringLiteral(" </tr>") << QStringLiteral(" <![endif]>");
}

}  // namespace

namespace HtmlBracket {

QStringList Lines(const FinalFourPicture& p) {
    const QString deblk = QStringLiteral("deblk");
    const QString deblk2 = QStringLiteral("deblk2");
    QStringList lines = columns();
    lines << firstRow(p);
    lines << row(emptyStart(2) << cell(deblk2)
                               << wideCell(QStringLiteral("finame"), 2, name(p.Finalists[1]))
                               << numberCell(QStringLiteral("topscore"), p.Finalists[1].Touches)
                               << wideCell(deblk, 2));
    lines << row({seedCell(4), cell(QStringLiteral("sfname"), name(p.Seeds[4])),
                  numberCell(QStringLiteral("botscore"), p.Seeds[4].Touches), wideCell(deblk2, 3),
                  cell(deblk), cell(deblk)});
    lines << row(emptyStart(6) << wideCell(QStringLiteral("gold"), 2, name(p.Places[1])), true);
    lines << row({seedCell(3), cell(QStringLiteral("sfname"), name(p.Seeds[3])),
                  numberCell(QStringLiteral("topscore"), p.Seeds[3].Touches), wideCell(deblk, 3),
                  wideCell(QStringLiteral("lgold"), 2, QStringLiteral("Gold Medalist"))});
    lines << row(emptyStart(2) << cell(deblk2)
                               << wideCell(QStringLiteral("finame"), 2, name(p.Finalists[2]))
                               << numberCell(QStringLiteral("botscore"), p.Finalists[2].Touches)
                               << cell(deblk) << cell(deblk));
    lines << row({seedCell(2), cell(QStringLiteral("sfname"), name(p.Seeds[2])),
                  numberCell(QStringLiteral("botscore"), p.Seeds[2].Touches), wideCell(deblk, 5)});
    lines << row(emptyStart(8));
    lines << row(emptyStart(2) << wideCell(QStringLiteral("bronze"), 2, name(p.Finalists[3]))
                               << numberCell(QStringLiteral("topscore"), p.Finalists[3].Touches)
                               << wideCell(deblk, 3));
    lines << row(
        emptyStart(5) << wideCell(QStringLiteral("finame"), 2, name(p.Places[3])) << cell(deblk),
        true);
    lines << row(
        emptyStart(2) << wideCell(QStringLiteral("bronze"), 2, name(p.Finalists[4]))
                      << numberCell(QStringLiteral("topscore"), p.Finalists[4].Touches)
                      << wideCell(QStringLiteral("lbronze"), 2, QStringLiteral("Bronze Medalist"))
                      << cell(deblk));
    lines << sizingRow() << QStringLiteral("</table>") << QStringLiteral("&nbsp;") << QString();
    return lines;
}

}  // namespace HtmlBracket
