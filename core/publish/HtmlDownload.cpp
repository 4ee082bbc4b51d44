#include "publish/HtmlDownload.h"

#include "publish/DownloadRules.h"
#include "publish/HtmlBracket.h"
#include "publish/HtmlEscape.h"
#include "publish/HtmlStyle.h"

namespace {

QStringList head(const QString& year) {
    QStringList lines{
        QStringLiteral("<html>"),
        QStringLiteral("<head>"),
        QStringLiteral(
            "<meta http-equiv=Content-Type content=\"text/html; charset=windows-1252\">"),
        QStringLiteral("<title>") + year + QStringLiteral(" ORLE Championships Results</title>"),
        QString(),
        QStringLiteral("<style>"),
        QStringLiteral("<!--")};
    lines << HtmlStyle::Lines();
    lines << QStringLiteral("-->") << QStringLiteral("</style>") << QStringLiteral("</head>")
          << QString() << QStringLiteral("<body lang=EN-US class=deblk>") << QString()
          << QStringLiteral("<H1>") + year + QStringLiteral(" ORLE Championships Results</H1>")
          << QStringLiteral("<UL>") << QStringLiteral("<LI><A HREF=\"#MS\">Men's Saber</A></LI>")
          << QStringLiteral("<LI><A HREF=\"#MF\">Men's Foil</A></LI>")
          << QStringLiteral("<LI><A HREF=\"#ME\">Men's &Eacute;p&eacute;e</A></LI>")
          << QStringLiteral("<LI><A HREF=\"#WS\">Women's Saber</A></LI>")
          << QStringLiteral("<LI><A HREF=\"#WF\">Women's Foil</A></LI>")
          << QStringLiteral("<LI><A HREF=\"#WE\">Women's &Eacute;p&eacute;e</A></LI>")
          << QStringLiteral("<P><LI><A HREF=\"#TM\">Teams</A></LI>") << QStringLiteral("</UL>");
    return lines;
}

QStringList sectionStart(const QString& anchor, const QString& reportName,
                         const QString& progress) {
    return {QStringLiteral("<p><![if !supportEmptyParas]><![endif]><o:p></o:p></p>"),
            QStringLiteral("<HR>"),
            QStringLiteral("<h2><A NAME=\"") + anchor + QStringLiteral("\">") +
                DownloadRules::WebName(reportName.toUpper()) +
                (progress.isEmpty() ? QString() : QStringLiteral(" - ") + progress) +
                QStringLiteral("</A></h2>"),
            QString()};
}

QString td(const QString& cls, const QString& text, const QString& width = QString()) {
    return QStringLiteral("    <td") +
           (width.isEmpty() ? QString() : QStringLiteral(" width=") + width) +
           QStringLiteral(" class=") + cls + QLatin1Char('>') + text + QStringLiteral("</td>");
}

QStringList eventHeading() {
    QStringList lines{QStringLiteral("<table border=0 cellspacing=0 cellpadding=0>")};
    for (int width : {46, 18, 163, 142, 23, 56, 43, 41, 65}) {
        lines << QStringLiteral("  <col width=%1>").arg(width);
    }
    lines << QStringLiteral("  <tr>")
          << QStringLiteral("    <td colspan=2 class=titlelb>Place</td>")
          << td(QStringLiteral("titlelj"), QStringLiteral("Name"), QStringLiteral("163"))
          << td(QStringLiteral("titlelj"), QStringLiteral("School"), QStringLiteral("142"))
          << td(QStringLiteral("titlerj"), QStringLiteral("V"), QStringLiteral("23"))
          << td(QStringLiteral("titlerj"), QStringLiteral("Pct."), QStringLiteral("56"))
          << td(QStringLiteral("titlerj"), QStringLiteral("TS"), QStringLiteral("43"))
          << td(QStringLiteral("titlerj"), QStringLiteral("TR"), QStringLiteral("41"))
          << td(QStringLiteral("titlerb"), QStringLiteral("Ind."), QStringLiteral("65"))
          << QStringLiteral("  </tr>");
    return lines;
}

// The place cell and the tie mark beside it, both carrying widths in the first row.
QStringList placeCells(const QString& prefix, const QString& parity, const QString& placeText,
                       bool first, const QString& placeWidth, const QString& tieWidth) {
    return {td(prefix + QStringLiteral("lb") + parity,
               DownloadRules::PlaceWithoutTie(placeText) + QLatin1Char('.'),
               first ? placeWidth : QString()),
            td(prefix + QStringLiteral("lj") + parity,
               DownloadRules::IsTie(placeText) ? QStringLiteral("T") : QStringLiteral("&nbsp;"),
               first ? tieWidth : QString())};
}

QStringList eventRows(const DownloadEvent& section) {
    const std::vector<LiveStandingsRow>& rows = section.Standings.Rows;
    const bool finalFour = !section.Standings.FinalFourSummary.isEmpty();
    QStringList lines;
    for (size_t i = 0; i < rows.size(); ++i) {
        const LiveStandingsRow& row = rows[i];
        const QString parity = i % 2 == 0 ? QStringLiteral("o") : QStringLiteral("e");
        const bool thick = i + 1 == rows.size() || (finalFour && i == 3);
        const QString x = thick ? QStringLiteral("Thick") : QString();
        const auto cls = [&](const char* family) { return x + QLatin1String(family) + parity; };
        lines << QStringLiteral("  <tr>")
              << placeCells(x, parity, row.PlaceText, i == 0, QStringLiteral("46"),
                            QStringLiteral("18"))
              << td(cls("lj"), DownloadRules::WebName(row.HTMLName))
              << td(cls("lj"), HtmlText(DownloadRules::SchoolInEvent(section.Event, row.School)))
              << td(cls("rj"), QString::number(row.V))
              << td(cls("rj"), DownloadRules::Percent(row.Pct))
              << td(cls("rj"), QString::number(row.TS)) << td(cls("rj"), QString::number(row.TR))
              << td(cls("rb"), DownloadRules::Indicator(row.TS, row.TR))
              << QStringLiteral("  </tr>");
    }
    return lines;
}

QStringList eventSection(const DownloadEvent& section) {
    const LiveStandings& standings = section.Standings;
    QStringList lines = sectionStart(section.Abbreviation, section.Name, standings.RoundStatusText);
    if (!standings.FinalFourSummary.isEmpty()) {
        lines << HtmlBracket::Lines(standings.Picture);
    }
    lines << eventHeading() << eventRows(section) << QStringLiteral("</table>") << QString();
    return lines;
}

QStringList schoolHeading() {
    QStringList lines{QStringLiteral("<table border=0 cellspacing=0 cellpadding=0>")};
    for (int width : {37, 19, 292, 60, 50}) {
        lines << QStringLiteral("  <col width=%1>").arg(width);
    }
    lines << QStringLiteral("  <colgroup span=5 width=40>") << QStringLiteral("  </colgroup>")
          << QStringLiteral("  <tr>")
          << QStringLiteral("    <td colspan=2 class=titlelb>Place</td>")
          << td(QStringLiteral("titlelj"), QStringLiteral("School"), QStringLiteral("292"))
          << QStringLiteral("    <td width=60 class=titlerj style='padding-right:10px'>Total</td>")
          << td(QStringLiteral("titlerj"), QStringLiteral("MS"), QStringLiteral("50"));
    for (const char* event : {"MF", "ME", "WS", "WF"}) {
        lines << td(QStringLiteral("titlerj"), QLatin1String(event), QStringLiteral("40"));
    }
    lines << td(QStringLiteral("titlerb"), QStringLiteral("WE"), QStringLiteral("40"))
          << QStringLiteral("  </tr>");
    return lines;
}

QStringList schoolSection(const DownloadContent& content) {
    QStringList lines = sectionStart(QStringLiteral("TM"), content.SchoolsName, QString());
    lines << schoolHeading();
    for (size_t i = 0; i < content.Schools.size(); ++i) {
        const TeamStandingsRow& row = content.Schools[i];
        const QString parity = i % 2 == 0 ? QStringLiteral("o") : QStringLiteral("e");
        const QString x = i + 1 == content.Schools.size() ? QStringLiteral("thick") : QString();
        lines << QStringLiteral("  <tr>")
              << placeCells(x, parity, row.PlaceText, i == 0, QStringLiteral("37"),
                            QStringLiteral("19"))
              << td(x + QStringLiteral("lj") + parity, HtmlText(row.School))
              << td(x + QStringLiteral("grb") + parity, QString::number(row.Total));
        for (size_t e = 0; e < row.Events.size(); ++e) {
            const std::optional<int>& points = row.Events[e];
            lines << td(x + (e == 5 ? QStringLiteral("rb") : QStringLiteral("rj")) + parity,
                        points ? QString::number(*points) : QStringLiteral("&nbsp;"));
        }
        lines << QStringLiteral("  </tr>");
    }
    lines << QStringLiteral("</table>") << QString();
    return lines;
}

QStringList tail() {
    QStringList lines{QString(), QStringLiteral("<p>"),
                      QStringLiteral("<table noborder cellspacing=1 cellpadding=0>")};
    const QList<std::pair<const char*, const char*>> legend = {
        {"V =", "Victories"},
        {"PCT =", "Percent of Bouts Won"},
        {"TS =", "Touches Scored"},
        {"TR =", "Touches Received"},
        {"Ind =", "Indicators (TS minus TR)"}};
    for (qsizetype i = 0; i < legend.size(); ++i) {
        const bool first = i == 0;
        lines << QStringLiteral(" <tr>")
              << QStringLiteral("  <th%1 valign=top align=right>%2</th>")
                     .arg(first ? QStringLiteral(" width=60") : QString(),
                          QLatin1String(legend[i].first))
              << QStringLiteral("  <th%1 valign=top align=left>%2</th>")
                     .arg(first ? QStringLiteral(" width=262") : QString(),
                          QLatin1String(legend[i].second))
              << QStringLiteral(" </tr>");
    }
    lines << QStringLiteral("</table>") << QStringLiteral("</div>") << QStringLiteral("</body>")
          << QStringLiteral("</html>");
    return lines;
}

}  // namespace

namespace HtmlDownload {

QStringList Lines(const DownloadContent& content) {
    QStringList lines = head(content.ChampionshipYear);
    for (const DownloadEvent& section : content.Events) {
        lines << eventSection(section);
    }
    lines << schoolSection(content) << tail();
    return lines;
}

}  // namespace HtmlDownload
