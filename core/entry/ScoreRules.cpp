#include "entry/ScoreRules.h"

namespace {

int digitOf(const QString& mark) {
    return mark.size() == 1 && mark[0].isDigit() ? mark[0].digitValue() : 0;
}

}  // namespace

bool ScoreRules::IsMark(const QString& mark) {
    return mark.size() == 1 && (mark[0] == QLatin1Char('V') ||
                                (mark[0] >= QLatin1Char('0') && mark[0] <= QLatin1Char('5')));
}

// "V" beats any digit and scores as many touches as the opponent.
int ScoreRules::markValue(const QString& mark, const QString& other) {
    return mark == QLatin1String("V") ? digitOf(other) + 10 : digitOf(mark);
}

ScoreRules::Read ScoreRules::ReadMarks(const QString& first, const QString& second) {
    if (first.isEmpty() && second.isEmpty()) {
        return {};
    }
    if (!IsMark(first) || !IsMark(second) || first == second) {
        return {Reading::Invalid, {}};
    }
    const int a = markValue(first, second);
    const int b = markValue(second, first);
    return {Reading::Result, {a % 10, b % 10, a > b}};
}

ScoreRules::Read ScoreRules::ReadDualScore(const QString& typed) {
    QString text = typed.trimmed();
    text.remove(QLatin1Char(' '));
    text.remove(QLatin1Char('-'));
    text = text.toUpper();
    if (text.isEmpty()) {
        return {};
    }
    if (text.size() != 2) {
        return {Reading::Invalid, {}};
    }
    return ReadMarks(text.left(1), text.right(1));
}

QString ScoreRules::IndicatorText(int indicator) {
    return indicator < 0 ? QString::number(indicator)
                         : QStringLiteral("+") + QString::number(indicator);
}
