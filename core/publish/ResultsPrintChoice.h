#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <array>

// What the print dialog hands to the results window: the events whose lists print, the
// school variants (all, men, women) and whether each event's round-robin table follows.
struct ResultsPrintChoice {
    QList<int> Events;
    std::array<bool, 3> Teams{};
    bool Grids = false;

    bool isEmpty() const { return Events.isEmpty() && Teams == std::array<bool, 3>{}; }
    // The chosen events as the dialog lists them, "0,2,5"; "-1" for a cancelled choice.
    QString IndQuery() const {
        if (isEmpty()) {
            return QStringLiteral("-1");
        }
        QStringList numbers;
        for (int event : Events) {
            numbers << QString::number(event);
        }
        return numbers.join(QLatin1Char(','));
    }
};
