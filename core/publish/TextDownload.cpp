#include "publish/TextDownload.h"

#include "publish/DownloadRules.h"

namespace {

QString right(const QString& text, int width) {
    return text.rightJustified(width, QLatin1Char(' '), true);
}

QString right(int value, int width) {
    return right(QString::number(value), width);
}

QString left(const QString& text, int width) {
    return text.leftJustified(width, QLatin1Char(' '), true);
}

void title(QStringList& lines, const QString& reportName, const QString& progress) {
    if (!lines.isEmpty()) {
        lines << QString() << QString();
    }
    lines << reportName.toUpper() +
                 (progress.isEmpty() ? QString() : QStringLiteral(" - ") + progress);
    lines << QString();
}

QString eventRow(int event, const LiveStandingsRow& row) {
    const QString place =
        DownloadRules::IsFinalFourPending(row.PlaceText) ? QString() : row.PlaceText;
    return right(place, 3) + QStringLiteral(".  ") + left(row.Name, 35) + QStringLiteral("  ") +
           left(DownloadRules::SchoolInEvent(event, row.School), 20) + QLatin1Char(' ') +
           right(row.V, 3) + QStringLiteral("   ") + DownloadRules::Percent(row.Pct) +
           right(row.TS, 5) + right(row.TR, 5) + right(DownloadRules::Indicator(row.TS, row.TR), 5);
}

void eventSection(QStringList& lines, const DownloadEvent& section) {
    const LiveStandings& standings = section.Standings;
    title(lines, section.Name, standings.RoundStatusText);
    const bool finalFour = !standings.FinalFourSummary.isEmpty();
    if (finalFour) {
        lines << standings.FinalFourSummary.split(QStringLiteral("\r\n")) << QString();
    }
    lines << QStringLiteral(
                 " PL   NAME                                 SCHOOL                 V    "
                 "PCT    TS   TR  IND")
          << QStringLiteral(
                 "----  -----------------------------------  --------------------  --   "
                 "-----  ---  --- ----");
    for (size_t i = 0; i < standings.Rows.size(); ++i) {
        lines << eventRow(section.Event, standings.Rows[i]);
        if (finalFour && i == 3) {
            lines << QString();
        }
    }
}

QString schoolRow(const TeamStandingsRow& row) {
    QString line = right(row.PlaceText, 3) + QStringLiteral(".  ") + left(row.School, 45) +
                   QStringLiteral("   ") + right(row.Total, 3) + QStringLiteral("   ");
    for (const std::optional<int>& points : row.Events) {
        line += QStringLiteral("  ") + right(points ? QString::number(*points) : QString(), 2);
    }
    return line;
}

void schoolSection(QStringList& lines, const DownloadContent& content) {
    title(lines, content.SchoolsName, QString());
    lines << QStringLiteral(
                 " PL   SCHOOL                                         TOTAL    MS  MF  "
                 "ME  WS  WF  WE")
          << QStringLiteral(
                 "----  ---------------------------------------------  -----    --  --  "
                 "--  --  --  --");
    for (const TeamStandingsRow& row : content.Schools) {
        lines << schoolRow(row);
    }
}

}  // namespace

namespace TextDownload {

QStringList Lines(const DownloadContent& content) {
    QStringList lines;
    for (const DownloadEvent& section : content.Events) {
        eventSection(lines, section);
    }
    schoolSection(lines, content);
    lines << QString() << QString() << QString() << QStringLiteral("  V = Victories")
          << QStringLiteral("PCT = Percent of Bouts Won") << QStringLiteral(" TS = Touches Scored")
          << QStringLiteral(" TR = Touches Received")
          << QStringLiteral("IND = Indicators (TS minus TR)");
    return lines;
}

}  // namespace TextDownload
