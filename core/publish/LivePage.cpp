#include "publish/LivePage.h"

#include "publish/HtmlEscape.h"
#include "publish/LiveSiteData.h"

namespace {

// System fonts only: the site loads nothing from elsewhere.
const char* const kStyle = R"(
:root { color-scheme: light; --line: #c9ced6; --head: #1f3a5f; --soft: #eef2f7; }
* { box-sizing: border-box; }
body { margin: 0; font-family: system-ui, "Liberation Sans", Arial, sans-serif;
  font-size: 16px; line-height: 1.35; color: #111; background: #fff; }
header { background: var(--head); color: #fff; padding: 0.6em 1em; }
header p { margin: 0; font-size: 0.9em; opacity: 0.85; }
header h1 { margin: 0.1em 0 0; font-size: 1.5em; }
nav { display: flex; flex-wrap: wrap; gap: 0.3em; padding: 0.5em 1em;
  background: var(--soft); border-bottom: 1px solid var(--line); }
nav a { padding: 0.25em 0.6em; border-radius: 4px; color: var(--head);
  text-decoration: none; font-weight: 600; }
nav a.current { background: var(--head); color: #fff; }
main { padding: 0.5em 1em 2em; max-width: 72em; }
h2 { font-size: 1.25em; margin: 1.2em 0 0.4em; color: var(--head); }
h3 { font-size: 1.05em; margin: 1em 0 0.3em; }
.progress { font-weight: 600; }
.scroll { overflow-x: auto; }
table { border-collapse: collapse; margin: 0.3em 0 0.8em; }
th, td { padding: 0.25em 0.55em; border-bottom: 1px solid var(--line); text-align: left;
  white-space: nowrap; }
th { background: var(--soft); font-size: 0.9em; }
td.n, th.n { text-align: right; font-variant-numeric: tabular-nums; }
td.c, th.c { text-align: center; }
tr.out td { color: #777; }
.win { font-weight: 700; }
.yes { color: #0b6b2f; font-weight: 600; }
.excluded { color: #8a1c1c; }
.bracket { display: grid; grid-template-columns: repeat(auto-fit, minmax(16em, 1fr));
  gap: 0.6em; margin: 0.3em 0 0.8em; }
.bout { border: 1px solid var(--line); border-radius: 6px; padding: 0.4em 0.6em; }
.bout h3 { margin: 0 0 0.2em; font-size: 0.95em; color: var(--head); }
.bout p { margin: 0.1em 0; }
@media (max-width: 40em) {
  body { font-size: 14px; }
  main { padding: 0.4em 0.5em 2em; }
  th.wide, td.wide { display: none; }
  th, td { white-space: normal; padding: 0.2em 0.25em; }
}
body.screen { font-size: 1.15vw; }
body.screen nav, body.screen header h1 { display: none; }
body.screen main { max-width: none; }
body.screen th, body.screen td { padding: 0.05em 0.6em; }
body.screen .slide { display: flex; flex-wrap: wrap; align-items: flex-start; gap: 0 2.5em; }
body.screen .slide[hidden] { display: none; }
body.screen .slide > h2 { flex-basis: 100%; font-size: 2em; margin: 0.3em 0 0; }
body.screen .slide > p { flex-basis: 100%; margin: 0.2em 0; }
body.screen .finalfour { flex: 1; min-width: 20em; }
body.screen .finalfour h2 { margin-top: 0.3em; }
)";

const char* const kReloadScript = "setTimeout(function () { location.reload(); }, %1);";

// Without the script every slide shows, one below the other.
const char* const kCycleScript = R"(
(function () {
  var slides = document.querySelectorAll('.slide');
  var shown = 0;
  function show() {
    for (var k = 0; k < slides.length; k++) { slides[k].hidden = k !== shown; }
  }
  show();
  setInterval(function () {
    shown++;
    if (shown >= slides.length) { location.reload(); return; }
    show();
  }, %1);
})();
)";

QString navigation(const LiveSiteData& data, const QString& current) {
    QList<std::pair<QString, QString>> pages = {
        {QStringLiteral("index"), QStringLiteral("Schools")}};
    for (const SiteEvent& event : data.events) {
        pages.append({event.pageStem(), event.event.Name});
    }
    pages.append({QStringLiteral("screen"), QStringLiteral("Big screen")});
    QString html = QStringLiteral("<nav>");
    for (const auto& [stem, caption] : pages) {
        html += QStringLiteral("<a href=\"%1.html\"%2>%3</a>")
                    .arg(stem, stem == current ? QStringLiteral(" class=\"current\"") : QString(),
                         HtmlText(caption));
    }
    return html + QStringLiteral("</nav>\n");
}

QString script(PageScript kind) {
    const int milliseconds = (kind == PageScript::Reload ? kReloadSeconds : kSlideSeconds) * 1000;
    return QString::fromLatin1(kind == PageScript::Reload ? kReloadScript : kCycleScript)
        .arg(milliseconds);
}

}  // namespace

QString LivePage(const LiveSiteData& data, const QString& title, const QString& current,
                 const QString& body, PageScript kind) {
    const QString championship = data.championshipYear + QStringLiteral(" ORLE Championships");
    return QStringLiteral(
               "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
               "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
               "<title>") +
           HtmlText(title + QStringLiteral(" - ") + championship) +
           QStringLiteral("</title>\n<style>") + QString::fromLatin1(kStyle) +
           QStringLiteral("</style>\n</head>\n<body%1>\n<header><p>")
               .arg(kind == PageScript::Cycle ? QStringLiteral(" class=\"screen\"") : QString()) +
           HtmlText(championship + QStringLiteral(" - Live Results")) + QStringLiteral("</p><h1>") +
           HtmlText(title) + QStringLiteral("</h1></header>\n") + navigation(data, current) +
           QStringLiteral("<main>\n") + body + QStringLiteral("</main>\n<script>") + script(kind) +
           QStringLiteral("</script>\n</body>\n</html>\n");
}
