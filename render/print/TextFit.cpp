#include "print/TextFit.h"

#include "print/TextMeasure.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace TextFit {

namespace {

constexpr double kTitleShrink = 0.5;
constexpr double kSizeStep = 0.25;

// The text at the largest size from the font's own down to `smallest` at which it fits.
std::optional<Fitted> shrink(const QString& text, PrintFont font, double room, double smallest) {
    double width = TextMeasure::Width(font, text);
    if (width <= room) {
        return Fitted{text, font, width};
    }
    // Glyph widths do not scale exactly with the size: start from the estimate, then step.
    // Sizes stay on the steps so that the measured fonts are few.
    double size =
        std::max(smallest, std::floor(font.pointSize * room / width / kSizeStep) * kSizeStep);
    for (;;) {
        font.pointSize = size;
        width = TextMeasure::Width(font, text);
        if (width <= room) {
            return Fitted{text, font, width};
        }
        if (size <= smallest) {
            return std::nullopt;
        }
        size = std::max(smallest, size - kSizeStep);
    }
}

}  // namespace

Fitted Fit(const QString& text, const QString& shortText, const PrintFont& font, double room,
           double smallest, const QString& suffix) {
    const double floor =
        std::min(font.pointSize, std::max(smallest, font.pointSize * kTitleShrink));
    if (std::optional<Fitted> whole = shrink(text + suffix, font, room, floor)) {
        return *whole;
    }
    const bool hasShort = !shortText.isEmpty() && shortText != text;
    if (hasShort) {
        if (std::optional<Fitted> initials = shrink(shortText + suffix, font, room, floor)) {
            return *initials;
        }
    }
    PrintFont small = font;
    small.pointSize = floor;
    const double left = std::max(0.0, room - TextMeasure::Width(small, suffix));
    const QString cut = TextMeasure::Elide(small, hasShort ? shortText : text, left) + suffix;
    return {cut, small, TextMeasure::Width(small, cut)};
}

}  // namespace TextFit
