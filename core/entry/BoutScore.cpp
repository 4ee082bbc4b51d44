#include "entry/BoutScore.h"

namespace {

QString markOf(int touches, int otherTouches, bool wins) {
    return wins && touches == otherTouches ? QStringLiteral("V") : QString::number(touches);
}

}  // namespace

QString BoutScore::leftMark() const {
    return markOf(leftTouches, rightTouches, leftWins);
}

QString BoutScore::rightMark() const {
    return markOf(rightTouches, leftTouches, !leftWins);
}

QString BoutScore::dualText() const {
    return QStringLiteral("%1-%2").arg(leftTouches).arg(rightTouches);
}
