#include "standings/FinalFourPicture.h"

QString FinalFourPicture::SummaryText() const {
    const QString lineBreak = QStringLiteral("\r\n");
    return QStringLiteral("Gold Medal:   ") + Places[1].FullName + QStringLiteral(" def. ") +
           Places[2].FullName + QStringLiteral(", ") + Places[1].Score + lineBreak +
           QStringLiteral("Bronze Medal: ") + Places[3].FullName + QStringLiteral(" def. ") +
           Places[4].FullName + QStringLiteral(", ") + Places[3].Score + lineBreak + lineBreak +
           QStringLiteral("Semifinals:   ") + Finalists[1].LName + QStringLiteral(" def. ") +
           Finalists[3].LName + QStringLiteral(", ") + Finalists[1].Score + lineBreak +
           QString(14, QLatin1Char(' ')) + Finalists[2].LName + QStringLiteral(" def. ") +
           Finalists[4].LName + QStringLiteral(", ") + Finalists[2].Score;
}
