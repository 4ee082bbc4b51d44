#pragma once

#include <QString>

// The three names of one school.
struct TeamNames {
    QString abbreviation;
    QString medium;
    QString full;

    bool operator==(const TeamNames&) const = default;
};
