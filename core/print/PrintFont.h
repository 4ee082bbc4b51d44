#pragma once

#include <QString>

// How a printed text looks: the face, size and style of its font.
struct PrintFont {
    QString family = QStringLiteral("Arial");
    double pointSize = 10;
    bool bold = false;
    bool italic = false;
    bool underline = false;

    bool operator==(const PrintFont&) const = default;
};

// Where a text sits across its box.
enum class TextAlign { Left, Centre, Right };
