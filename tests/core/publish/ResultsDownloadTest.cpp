#include "publish/ResultsDownload.h"

#include "support/ChampionshipBuilder.h"
#include "support/TempChampionship.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>

namespace {

using Format = ResultsDownload::Format;

constexpr int kColumbia = 10;

// Men's saber with two shared places and a Columbia fencer with an accented web name;
// women's saber with a Columbia fencer too.
class ResultsDownloadTest : public ::testing::Test {
protected:
    ResultsDownloadTest() {
        for (int n = 0; n < 4; ++n) {
            fencer(0, n, n == 0 ? kColumbia : n);
        }
        builder.addBout(0, 0, 1, 5, 1, true);
        builder.addBout(0, 2, 3, 5, 1, true);
        file.exec(QStringLiteral("UPDATE Roster SET HTMLName = ? WHERE Weapon = 0 AND "
                                 "FencerNumber = 0"),
                  {QStringLiteral("M\u00fcller, J\u00fcrgen")});
        fencer(3, 0, kColumbia);
        fencer(3, 1, 4);
        builder.addBout(3, 0, 1, 5, 2, true);
    }

    void fencer(int weapon, int number, int team) {
        ChampionshipBuilder::Fencer f;
        f.weapon = weapon;
        f.number = number;
        f.team = team;
        f.group = number / 3;
        f.subgroup = number % 3;
        f.first = QStringLiteral("First%1").arg(number);
        f.last = QStringLiteral("Last%1").arg(number);
        builder.addFencer(f);
    }

    // Four fencers of men's foil in a Final Four whose semifinals are fenced.
    void seedFinalFour() {
        for (int n = 0; n < 4; ++n) {
            fencer(1, n, n + 20);
        }
        builder.addBout(1, 0, 1, 5, 0, true);
        builder.addBout(1, 0, 2, 5, 0, true);
        builder.addBout(1, 1, 2, 5, 0, true);
        builder.addBout(1, 3, 2, 5, 4, true);
        file.exec(QStringLiteral("UPDATE Roster SET Advanced = -1 WHERE Weapon = 1"));
        file.exec(
            QStringLiteral("INSERT INTO FinalFour VALUES (1, 0, 0, 3, 0, '5-1'), "
                           "(1, 1, 2, 1, 2, '5-3')"));
    }

    QString text(Format format) {
        Status status = Status::success();
        const QByteArray bytes =
            ResultsDownload::Bytes(file.db(), QStringLiteral("2004"), format, &status);
        EXPECT_TRUE(status.ok()) << status.message().toStdString();
        return QString::fromLatin1(bytes);
    }
    QStringList lines(Format format) { return text(format).split(QStringLiteral("\r\n")); }

    TempChampionship file;
    ChampionshipBuilder builder{file};
};

TEST_F(ResultsDownloadTest, TextFileKeepsItsColumnsAndPlaces) {
    const QStringList out = lines(Format::Text);
    EXPECT_EQ(out[0], "MEN'S SABER - Standings During Round 1");
    const qsizetype first = out.indexOf(QRegularExpression(QStringLiteral("^ 1T\\..*")));
    ASSERT_GE(first, 0) << text(Format::Text).toStdString();
    const QString expectedFirst = QStringLiteral(
        " 1T.  First0 Last0                         Columbia               1   1.000    5    1   "
        "+4");
    EXPECT_EQ(out[first], expectedFirst);
    EXPECT_EQ(out[first + 2].left(6), QStringLiteral(" 3T.  "));
    for (const QString& line : out) {
        if (line.startsWith(QLatin1String("--"))) {
            EXPECT_TRUE(line.size() == 90 || line.size() == 84) << line.toStdString();
        }
    }
    const qsizetype women = out.indexOf(QStringLiteral("WOMEN'S SABER - Standings During Round 1"));
    ASSERT_GT(women, 2);
    EXPECT_TRUE(out[women - 1].isEmpty() && out[women - 2].isEmpty());
    EXPECT_TRUE(out[women + 4].contains(QLatin1String("Columbia/Barnard")));
    const qsizetype teams = out.indexOf(QStringLiteral("TEAMS"));
    ASSERT_GT(teams, 0);
    const QString expectedSchool = QStringLiteral(
        "  1.  Columbia/Barnard                                  2      1           1        ");
    EXPECT_EQ(out[teams + 4], expectedSchool);
    EXPECT_EQ(out.mid(out.size() - 6),
              QStringList({"  V = Victories", "PCT = Percent of Bouts Won", " TS = Touches Scored",
                           " TR = Touches Received", "IND = Indicators (TS minus TR)", ""}));
}

TEST_F(ResultsDownloadTest, WebPageSplitsTiesAndTurnsWebNames) {
    const QString page = text(Format::Html);
    EXPECT_TRUE(page.contains(
        QLatin1String("<h2><A NAME=\"MS\">MEN'S SABER - Standings During Round 1</A></h2>")));
    EXPECT_TRUE(
        page.contains(QLatin1String("    <td width=46 class=lbo>1.</td>\r\n"
                                    "    <td width=18 class=ljo>T</td>\r\n"
                                    "    <td class=ljo>J&uuml;rgen M&uuml;ller</td>\r\n"
                                    "    <td class=ljo>Columbia</td>")));
    EXPECT_TRUE(page.contains(QLatin1String("    <td class=rbo>+4</td>")));
    // The last row of each table carries the heavy border; no event has a bracket.
    EXPECT_TRUE(page.contains(QLatin1String("    <td class=Thicklbe>3.</td>")));
    EXPECT_FALSE(page.contains(QLatin1String("class=seed")));
    EXPECT_TRUE(
        page.contains(QLatin1String("    <td class=ljo>Columbia/Barnard</td>\r\n"
                                    "    <td class=grbo>2</td>")));
    EXPECT_TRUE(page.contains(QLatin1String("    <td class=thickrb")));
    EXPECT_TRUE(page.endsWith(QLatin1String("</table>\r\n</div>\r\n</body>\r\n</html>\r\n")));
}

TEST_F(ResultsDownloadTest, FinalFourShowsInEveryFormat) {
    seedFinalFour();
    const QStringList plain = lines(Format::Text);
    const qsizetype title = plain.indexOf(QStringLiteral("MEN'S FOIL - Final Four In Progress"));
    ASSERT_GE(title, 0);
    EXPECT_EQ(plain[title + 2], "Gold Medal:    def. , ");
    EXPECT_EQ(plain[title + 5], "Semifinals:   Last0 def. Last3, 5-1");
    // The undecided four have no place yet, and a blank line closes their block.
    EXPECT_EQ(plain[title + 10].left(6), QStringLiteral("   .  "));
    EXPECT_TRUE(plain[title + 14].isEmpty());

    const QString page = text(Format::Html);
    EXPECT_TRUE(page.contains(QLatin1String("class=seed")));
    EXPECT_TRUE(
        page.contains(QLatin1String("<td class=sfname>First3 Last3</td>\r\n"
                                    "  <td class=botscore align=right x:num>1</td>")));
    EXPECT_TRUE(page.contains(QLatin1String("<td width=46 class=lbo>Final4.</td>")));
    EXPECT_TRUE(page.contains(QLatin1String("<td class=Thicklbe>Final4.</td>")));

    const QString xml = text(Format::Xml);
    EXPECT_TRUE(
        xml.contains(QLatin1String("  <INDIVIDUAL Event=\"MF\">\r\n"
                                   "    <PLACE>Final4</PLACE>\r\n")));
}

TEST_F(ResultsDownloadTest, XmlIsWellFormedWithTiesAndSchools) {
    file.exec(
        QStringLiteral("UPDATE Teams SET FullTeamName = 'Texas A&M', "
                       "MediumTeamName = 'Texas A&M' WHERE Team = 1"));
    const QString xml = text(Format::Xml);
    EXPECT_TRUE(
        xml.contains(QLatin1String("    <PLACE>3</PLACE>\r\n    <TIES>Yes</TIES>\r\n"
                                   "    <NAME>First1 Last1</NAME>\r\n"
                                   "    <SCHOOL>Texas A&amp;M</SCHOOL>")));
    EXPECT_TRUE(xml.contains(QLatin1String("    <SCHOOL>Columbia</SCHOOL>")));
    EXPECT_TRUE(
        xml.contains(QLatin1String("  <TEAM>\r\n    <PLACE>1</PLACE>\r\n"
                                   "    <SCHOOL>Columbia/Barnard</SCHOOL>\r\n"
                                   "    <TOTAL>2</TOTAL>\r\n    <ME></ME>\r\n")));
    QXmlStreamReader reader(xml);
    int individuals = 0;
    while (!reader.atEnd()) {
        if (reader.readNext() == QXmlStreamReader::StartElement &&
            reader.name() == QLatin1String("INDIVIDUAL")) {
            ++individuals;
        }
    }
    EXPECT_FALSE(reader.hasError()) << reader.errorString().toStdString();
    EXPECT_EQ(individuals, 6);
}

TEST_F(ResultsDownloadTest, FileIsNamedAfterTheChampionshipAndWrittenInTheWindowsCodePage) {
    EXPECT_EQ(ResultsDownload::PathFor(QStringLiteral("/x/ORLE.mdb"), Format::Text), "/x/ORLE.TXT");
    EXPECT_EQ(ResultsDownload::PathFor(QStringLiteral("/x/ORLE2004.mdb"), Format::Html),
              "/x/ORLE2004.HTML");
    file.exec(QStringLiteral("UPDATE Roster SET FName = ? WHERE Weapon = 3 AND FencerNumber = 1"),
              {QStringLiteral("Ren\u00e9e \u0141ucja")});
    const QString path = ResultsDownload::PathFor(file.path(), Format::Xml);
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("a much longer earlier download that must not survive in part");
    old.close();
    ASSERT_TRUE(ResultsDownload::Write(file.db(), QStringLiteral("2004"), Format::Xml, path).ok());
    QFile written(path);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    const QByteArray bytes = written.readAll();
    EXPECT_TRUE(bytes.startsWith("<?xml"));
    EXPECT_TRUE(
        bytes.contains("Ren\xe9"
                       "e &#321;ucja"));
    EXPECT_TRUE(bytes.endsWith("</RESULTS>\r\n"));
}

TEST_F(ResultsDownloadTest, UnwritableFolderIsReportedAndLeavesNoFile) {
    const QString path = file.folder() + QStringLiteral("/missing/ORLE.TXT");
    const Status status =
        ResultsDownload::Write(file.db(), QStringLiteral("2004"), Format::Text, path);
    EXPECT_FALSE(status.ok());
    EXPECT_TRUE(status.message().contains(path));
    EXPECT_FALSE(QFile::exists(path));
}

// Names and schools are typed by the staff; in a web page they must stay text.
TEST_F(ResultsDownloadTest, NamesAndSchoolsNeverBecomeMarkup) {
    file.exec(QStringLiteral("UPDATE Roster SET HTMLName = ? WHERE Weapon = 0 AND "
                             "FencerNumber = 1"),
              {QStringLiteral("<script>alert(1)</script>")});
    file.exec(QStringLiteral("UPDATE Roster SET HTMLName = ? WHERE Weapon = 0 AND "
                             "FencerNumber = 2"),
              {QStringLiteral("Ren&eacute;e M&#252;ller &#xFC; & Co <b>")});
    file.exec(QStringLiteral("UPDATE Teams SET FullTeamName = ?, MediumTeamName = ? "
                             "WHERE Team = 3"),
              {QStringLiteral("Duke & <Durham>"), QStringLiteral("Duke & <Durham>")});
    const QString page = text(Format::Html);
    EXPECT_FALSE(page.contains(QStringLiteral("<script>")));
    EXPECT_TRUE(page.contains(QStringLiteral("&lt;script&gt;alert(1)&lt;/script&gt;")));
    EXPECT_TRUE(page.contains(QStringLiteral("Ren&eacute;e M&#252;ller &#xFC; &amp; Co &lt;b&gt;")))
        << page.toStdString();
    EXPECT_FALSE(page.contains(QStringLiteral("<Durham>")));
    EXPECT_TRUE(page.contains(QStringLiteral("Duke &amp; &lt;Durham&gt;")));
}

TEST_F(ResultsDownloadTest, XmlDropsTheCharactersXmlForbidsFromAnOlderFile) {
    file.exec(QStringLiteral("UPDATE Roster SET FName = ? WHERE Weapon = 0 AND FencerNumber = 1"),
              {QStringLiteral("Bo") + QChar(1) + QStringLiteral("b") + QChar(0x0b)});
    const QString xml = text(Format::Xml);
    EXPECT_FALSE(xml.contains(QChar(1)));
    EXPECT_FALSE(xml.contains(QChar(0x0b)));
    QXmlStreamReader reader(xml);
    int names = 0;
    while (!reader.atEnd()) {
        if (reader.readNext() == QXmlStreamReader::StartElement && reader.name() == u"NAME") {
            ++names;
        }
    }
    EXPECT_FALSE(reader.hasError()) << reader.errorString().toStdString();
    EXPECT_GT(names, 0);
}

}  // namespace
