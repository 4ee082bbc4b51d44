#include "roster/SlotLabel.h"

#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QLabel>

namespace {

TEST(SlotLabelTest, ALongNameIsCutButTheSchoolStaysReadable) {
    SlotLabel slot;
    const QFontMetrics metrics = slot.fontMetrics();
    const QString caption =
        QStringLiteral("Maximiliana-Josephine Vandenberghe-Oostenbrugge (UPENN)");
    const int width = metrics.horizontalAdvance(QStringLiteral("Maximiliana (UPENN)"));

    const QString shown = SlotLabel::Elided(caption, metrics, width);
    EXPECT_TRUE(shown.endsWith(QStringLiteral("\u2026 (UPENN)"))) << shown.toStdString();
    EXPECT_TRUE(shown.startsWith(QStringLiteral("Max"))) << shown.toStdString();
    EXPECT_LE(metrics.horizontalAdvance(shown), width);

    // A name that fits, and a slot without a school, are shown as they are or cut plainly.
    EXPECT_EQ(SlotLabel::Elided(QStringLiteral("Ann Lee (YALE)"), metrics, 1000),
              QStringLiteral("Ann Lee (YALE)"));
    EXPECT_EQ(SlotLabel::Elided(QString(), metrics, 10), QString());
}

TEST(SlotLabelTest, TheWholeCaptionStaysTheDataAndTheToolTip) {
    SlotLabel slot;
    slot.resize(120, 30);
    slot.show();
    QCoreApplication::processEvents();
    const QString caption = QStringLiteral("Maximiliana-Josephine Vandenberghe (UPENN)");
    slot.setCaption(caption);
    EXPECT_EQ(slot.caption(), caption);
    EXPECT_EQ(slot.toolTip(), caption);
    EXPECT_NE(slot.text(), caption);
    EXPECT_TRUE(slot.text().endsWith(QStringLiteral(" (UPENN)")));
    slot.resize(1000, 30);
    QCoreApplication::processEvents();
    EXPECT_EQ(slot.text(), caption);
}

}  // namespace
