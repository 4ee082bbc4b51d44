#include "publish/XmlDownload.h"

#include "publish/DownloadRules.h"
#include "publish/HtmlEscape.h"

namespace {

// The document type as readers can parse it: choices separated by "|", optional children
// marked "?" and no "#REQUIRED" on elements (a validating reader refuses those).
QStringList head() {
    QStringList lines{
        // The file is written in the Windows code page; without saying so, readers take it
        // for UTF-8 and stop at the first accented name.
        QStringLiteral("<?xml version=\"1.0\" encoding=\"windows-1252\"?>"),
        QString(),
        QStringLiteral("<!-- File Name: thisfile.xml -->"),
        QString(),
        QStringLiteral("<!DOCTYPE RESULTS"),
        QStringLiteral("   ["),
        QStringLiteral("   <!ELEMENT RESULTS (INDIVIDUAL | TEAM)*>"),
        QString(),
        QStringLiteral("   <!ELEMENT INDIVIDUAL (PLACE, TIES?, NAME, SCHOOL, VICT, PCT, TS, TR)>"),
        QStringLiteral("   <!ATTLIST INDIVIDUAL   Event (ME | MF | MS | WE | WF | WS) #REQUIRED>"),
        QString(),
        QStringLiteral("   <!ELEMENT TEAM (PLACE, TIES?, SCHOOL, TOTAL, ME, MF, MS, WE, WF, WS)>"),
        QString()};
    for (const char* name : {"PLACE", "TIES", "NAME", "SCHOOL", "VICT", "PCT", "TS", "TR", "TOTAL",
                             "ME", "MF", "MS", "WE", "WF", "WS"}) {
        lines << QStringLiteral("   <!ELEMENT %1 (#PCDATA)>").arg(QLatin1String(name));
    }
    lines << QString() << QStringLiteral("   ]") << QStringLiteral(">") << QString()
          << QStringLiteral("<RESULTS>");
    return lines;
}

// Names and schools are text: "&", "<" or a control character would end the document for
// any reader.
QString escaped(const QString& text) {
    return XmlText(text);
}

QString element(const char* name, const QString& value) {
    return QStringLiteral("    <%1>%2</%1>").arg(QLatin1String(name), value);
}

QStringList placeElements(const QString& placeText) {
    QStringList lines{element("PLACE", DownloadRules::PlaceWithoutTie(placeText))};
    if (DownloadRules::IsTie(placeText)) {
        lines << element("TIES", QStringLiteral("Yes"));
    }
    return lines;
}

QStringList individual(const DownloadEvent& section, const LiveStandingsRow& row) {
    return QStringList{QStringLiteral("  <INDIVIDUAL Event=\"") + section.Abbreviation +
                       QStringLiteral("\">")}
           << placeElements(row.PlaceText) << element("NAME", escaped(row.Name))
           << element("SCHOOL", escaped(DownloadRules::SchoolInEvent(section.Event, row.School)))
           << element("VICT", QString::number(row.V))
           << element("PCT", DownloadRules::Percent(row.Pct))
           << element("TS", QString::number(row.TS)) << element("TR", QString::number(row.TR))
           << QStringLiteral("  </INDIVIDUAL>") << QString();
}

// The school lines follow the element order of the document type: ME, MF, MS, WE, WF, WS.
QStringList team(const TeamStandingsRow& row) {
    QStringList lines{QStringLiteral("  <TEAM>")};
    lines << placeElements(row.PlaceText) << element("SCHOOL", escaped(row.School))
          << element("TOTAL", QString::number(row.Total));
    const std::pair<const char*, int> events[] = {{"ME", 2}, {"MF", 1}, {"MS", 0},
                                                  {"WE", 5}, {"WF", 4}, {"WS", 3}};
    for (const auto& [name, event] : events) {
        const std::optional<int>& points = row.Events[static_cast<size_t>(event)];
        lines << element(name, points ? QString::number(*points) : QString());
    }
    return lines << QStringLiteral("  </TEAM>") << QString();
}

}  // namespace

namespace XmlDownload {

QStringList Lines(const DownloadContent& content) {
    QStringList lines = head();
    for (const DownloadEvent& section : content.Events) {
        for (const LiveStandingsRow& row : section.Standings.Rows) {
            lines << individual(section, row);
        }
    }
    for (const TeamStandingsRow& row : content.Schools) {
        lines << team(row);
    }
    lines << QStringLiteral("</RESULTS>");
    return lines;
}

}  // namespace XmlDownload
