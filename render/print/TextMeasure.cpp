#include "print/TextMeasure.h"

#include <QFontMetricsF>
#include <QHash>
#include <QImage>
#include <memory>

namespace TextMeasure {

namespace {

// Metrics are taken at printer resolution, where hinting no longer distorts widths.
constexpr double kDpi = 1200;
constexpr double kToPoints = 72.0 / kDpi;

const QImage& referenceDevice() {
    static const QImage device = [] {
        QImage image(1, 1, QImage::Format_Mono);
        const int dotsPerMetre = static_cast<int>(kDpi / 0.0254 + 0.5);
        image.setDotsPerMeterX(dotsPerMetre);
        image.setDotsPerMeterY(dotsPerMetre);
        return image;
    }();
    return device;
}

struct FontKey {
    QString family;
    double pointSize;
    bool bold;
    bool italic;

    bool operator==(const FontKey&) const = default;
};

size_t qHash(const FontKey& key, size_t seed = 0) {
    return qHashMulti(seed, key.family, key.pointSize, key.bold, key.italic);
}

// Layouts measure the same few fonts thousands of times: build each one's metrics once.
const QFontMetricsF& metrics(const PrintFont& font) {
    static QHash<FontKey, std::shared_ptr<QFontMetricsF>> cache;
    const FontKey key{font.family, font.pointSize, font.bold, font.italic};
    auto it = cache.find(key);
    if (it == cache.end()) {
        it = cache.insert(key, std::make_shared<QFontMetricsF>(ToQFont(font), &referenceDevice()));
    }
    return **it;
}

}  // namespace

QFont ToQFont(const PrintFont& font) {
    QFont qfont(font.family);
    qfont.setPointSizeF(font.pointSize > 0 ? font.pointSize : 10);
    qfont.setBold(font.bold);
    qfont.setItalic(font.italic);
    // Underlines are drawn by the painter so that underlined blanks show as a line.
    qfont.setUnderline(false);
    qfont.setKerning(false);
    return qfont;
}

double Width(const PrintFont& font, const QString& text) {
    return metrics(font).horizontalAdvance(text) * kToPoints;
}

double Ascent(const PrintFont& font) {
    return metrics(font).ascent() * kToPoints;
}

double LineHeight(const PrintFont& font) {
    return metrics(font).lineSpacing() * kToPoints;
}

double UnderlinePosition(const PrintFont& font) {
    return metrics(font).underlinePos() * kToPoints;
}

double Descent(const PrintFont& font) {
    return metrics(font).descent() * kToPoints;
}

QString Elide(const PrintFont& font, const QString& text, double width) {
    return metrics(font).elidedText(text, Qt::ElideRight, width / kToPoints);
}

}  // namespace TextMeasure
