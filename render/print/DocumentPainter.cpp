#include "print/DocumentPainter.h"

#include "print/TextMeasure.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>

namespace DocumentPainter {

namespace {

QColor shadeColor(int shade) {
    return QColor::fromRgb(static_cast<QRgb>(shade) | 0xff000000u);
}

QPen pen(double points, double dotsPerPoint) {
    QPen pen(Qt::black);
    pen.setWidthF(points * dotsPerPoint);
    pen.setCapStyle(Qt::FlatCap);
    return pen;
}

}  // namespace

void PaintPage(QPainter& painter, const PrintDocument::Page& page, double dotsPerPoint) {
    const auto at = [&](QPointF p) { return p * dotsPerPoint; };
    const auto rect = [&](const QRectF& r) {
        return QRectF(at(r.topLeft()), r.size() * dotsPerPoint);
    };
    for (const PrintDocument::Box& box : page.boxes) {
        if (box.shade >= 0) {
            painter.fillRect(rect(box.rect), shadeColor(box.shade));
        }
        if (box.penWidth > 0) {
            painter.setPen(pen(box.penWidth, dotsPerPoint));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(rect(box.rect));
        }
    }
    for (const PrintDocument::Line& line : page.lines) {
        painter.setPen(pen(line.penWidth, dotsPerPoint));
        painter.drawLine(at(line.from), at(line.to));
    }
    for (const PrintDocument::Text& text : page.texts) {
        painter.setPen(Qt::black);
        painter.setFont(TextMeasure::ToQFont(text.font));
        const QPointF origin(text.left(), text.baseline);
        painter.drawText(at(origin), text.text);
        if (text.font.underline) {
            const double below = TextMeasure::UnderlinePosition(text.font);
            const QPointF from = origin + QPointF(0, below);
            painter.setPen(pen(std::max(0.5, text.font.pointSize / 18), dotsPerPoint));
            painter.drawLine(at(from), at(from + QPointF(text.width, 0)));
        }
    }
}

void PaintPages(QPainter& painter, QPagedPaintDevice& device, const PrintDocument& document,
                int first, int last) {
    constexpr double kPointsPerInch = 72.0;
    const double dotsPerPoint = device.logicalDpiX() / kPointsPerInch;
    const qsizetype from = std::max(first, 1) - 1;
    const qsizetype to =
        last > 0 ? std::min<qsizetype>(last, document.pages.size()) : document.pages.size();
    for (qsizetype p = from; p < to; ++p) {
        if (p > from) {
            device.newPage();
        }
        PaintPage(painter, document.pages[p], dotsPerPoint);
    }
}

}  // namespace DocumentPainter
