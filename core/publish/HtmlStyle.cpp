#include "publish/HtmlStyle.h"

namespace {

struct Rule {
    QString selector;
    QStringList declarations;
};

// The row classes: a column family and a parity letter, plain or with the heavy bottom border.
QStringList rowClasses(const QStringList& families, const QStringList& parities, bool plain,
                       bool thick) {
    QStringList out;
    for (const QString& prefix : {QStringLiteral(""), QStringLiteral("thick")}) {
        if ((prefix.isEmpty() && !plain) || (!prefix.isEmpty() && !thick)) {
            continue;
        }
        for (const QString& family : families) {
            for (const QString& parity : parities) {
                out << QLatin1Char('.') + prefix + family + parity;
            }
        }
    }
    return out;
}

QString selector(const QStringList& classes) {
    return classes.join(QStringLiteral(", "));
}

QStringList declarations(const char* text) {
    QStringList out;
    for (const QString& item : QString::fromLatin1(text).split(QLatin1Char(';'))) {
        out << item.trimmed();
    }
    return out;
}

const char* const kFamilies[] = {"grb", "lb", "lj", "rb", "rj"};

QStringList families(std::initializer_list<const char*> names) {
    QStringList out;
    for (const char* name : names) {
        out << QString::fromLatin1(name);
    }
    return out;
}

QList<Rule> rules() {
    const QStringList both = {QStringLiteral("e"), QStringLiteral("o")};
    QStringList all;
    for (const char* family : kFamilies) {
        all << QString::fromLatin1(family);
    }
    const QStringList titles = {QStringLiteral(".titlelb"), QStringLiteral(".titlelj"),
                                QStringLiteral(".titlerb"), QStringLiteral(".titlerj")};
    const char* const textAndFont =
        "color:windowtext; font-size:10.0pt; font-weight:400; font-style:normal; "
        "text-decoration:none; font-family:Arial; mso-generic-font-family:auto; "
        "mso-font-charset:0; mso-number-format:General; text-align:general; "
        "vertical-align:bottom; border:none; mso-background-source:auto; mso-pattern:auto; "
        "mso-protection:locked visible; white-space:nowrap; mso-rotate:0";
    return {
        {QStringLiteral("@page"),
         declarations("margin:1.0in .75in 1.0in .75in; mso-header-margin:.5in; "
                      "mso-footer-margin:.5in")},
        {QStringLiteral("tr"), declarations("mso-height-source:auto")},
        {QStringLiteral("col"), declarations("mso-width-source:auto")},
        {QStringLiteral("br"), declarations("mso-data-placement:same-cell")},
        {QStringLiteral(".style0"),
         declarations("mso-number-format:General; text-align:general; vertical-align:middle; "
                      "white-space:nowrap; mso-rotate:0; mso-background-source:auto; "
                      "mso-pattern:auto; color:windowtext; font-size:10.0pt; font-weight:400; "
                      "font-style:normal; text-decoration:none; font-family:Arial; "
                      "mso-generic-font-family:auto; mso-font-charset:0; border:none; "
                      "mso-protection:locked visible; mso-style-name:Normal; mso-style-id:0")},
        {QStringLiteral("td"),
         declarations("mso-style-parent:style0; padding-top:1px; padding-right:1px; "
                      "padding-left:1px; mso-ignore:padding")
             << declarations(textAndFont)},
        {QStringLiteral(".deblk"), declarations("border: none")},
        {QStringLiteral(".botscore, .deblk2"), declarations("border-right:.5pt solid windowtext")},
        {QStringLiteral(".lgold, .lbronze"), declarations("border-bottom:none")},
        {QStringLiteral(".sfname, .finame, .bronze, .topscore, .botscore"),
         declarations("font-size:12.0pt")},
        {QStringLiteral(".lbronze"), declarations("border-top:.5pt solid windowtext")},
        {QStringLiteral(".seed, .sfname, .bronze, .topscore, .botscore"),
         declarations("border-left:none")},
        {QStringLiteral(".lgold, .lbronze, .finame, .gold"),
         declarations("border-left:.5pt solid windowtext")},
        {QStringLiteral(".lgold, .lbronze, .sfname, .finame, .bronze, .gold, .topscore"),
         declarations("mso-style-parent:style0; mso-font-charset:0; border-right:none; "
                      "font-family:\"Times New Roman\", serif; vertical-align:middle")},
        {QStringLiteral(".lgold, .sfname, .finame, .bronze, .gold, .topscore, .botscore"),
         declarations("border-top:none")},
        {selector(rowClasses(all, both, true, false)),
         declarations("border-bottom: 1 solid black")},
        {selector(rowClasses(families({"grb", "rb", "rj"}), both, true, true)
                  << QStringLiteral(".titlerb") << QStringLiteral(".titlerj")),
         declarations("text-align: right; vertical-align: top")},
        {selector(rowClasses(families({"grb", "rb"}), both, true, true)
                  << QStringLiteral(".titlerb")),
         declarations("padding-right: 10")},
        {selector(rowClasses(families({"grb"}), both, true, true)),
         declarations("border-right: 1 solid #808080")},
        {selector(rowClasses(all, {QStringLiteral("e")}, true, true)),
         declarations("background-color: #C0FFFF")},
        {selector(rowClasses(all, {QStringLiteral("o")}, true, true)),
         declarations("background-color: #FFFFC0")},
        {selector(rowClasses(families({"lb"}), both, true, true)
                  << QStringLiteral(".titlelb") << QStringLiteral(".titlerb")),
         declarations("border-left: 3 solid black")},
        {QStringLiteral(".lgold, .lbronze"), declarations("font-style:italic")},
        {QStringLiteral(".lgold, .lbronze, .finame, .bronze, .gold"),
         declarations("text-align:center")},
        {selector(rowClasses(families({"lj"}), both, true, true) << QStringLiteral(".titlelj")),
         declarations("text-align: left; vertical-align: top")},
        {selector(rowClasses(families({"rb"}), both, true, true)),
         declarations("border-right: 3 solid black")},
        {QStringLiteral(".seed, .sfname, .finame, .bronze, .gold"),
         declarations("background:#FFFFCC; border-bottom:.5pt solid windowtext; "
                      "mso-pattern:auto none")},
        {selector(rowClasses(all, both, false, true) << titles),
         declarations("border-bottom: 3 solid black")},
        {selector(titles),
         declarations("background-color: black; border-top: 3 solid black; color: white; "
                      "font-family: \"Arial\"; font-size: 13.0pt; font-weight: bold")},
        {QStringLiteral(".topscore, .botscore"),
         declarations("background:#CFCFC0; border-bottom:.5pt solid windowtext; "
                      "mso-pattern:auto none; padding-right:5px")},
        {QStringLiteral(".botscore"),
         declarations("mso-style-parent:style0; mso-font-charset:0; "
                      "font-family:\"Times New Roman\", serif; vertical-align:middle")},
        {QStringLiteral(".gold"), declarations("font-size:14.0pt; font-weight:700")},
        {QStringLiteral(".seed"),
         declarations("mso-style-parent:style0; mso-font-charset:0; border-top:none; "
                      "border-right:none; vertical-align:middle; color:#003366; "
                      "font-family:Arial, sans-serif; font-size:8.0pt; padding-right:3px")},
        {QStringLiteral(".titlelb"), declarations("vertical-align: top")},
    };
}

}  // namespace

namespace HtmlStyle {

QStringList Lines() {
    QStringList lines;
    for (const Rule& rule : rules()) {
        lines << rule.selector;
        const qsizetype last = rule.declarations.size() - 1;
        for (qsizetype i = 0; i <= last; ++i) {
            lines << QStringLiteral("   ") + (i == 0 ? QStringLiteral("{") : QString()) +
                         rule.declarations[i] +
                         (i == last ? QStringLiteral("}") : QStringLiteral(";"));
        }
    }
    return lines;
}

}  // namespace HtmlStyle
