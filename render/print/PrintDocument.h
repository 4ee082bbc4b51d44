#pragma once

#include "print/PrintFont.h"

#include <QList>
#include <QPageSize>
#include <QRectF>
#include <QString>
#include <QStringList>

// Pages laid out and ready to paint: every text, line and box at its place on the paper,
// in points from the paper's top left corner. Tests read it as the page model.
struct PrintDocument {
    struct Text {
        QString text;
        PrintFont font;
        // The area the text is aligned in; the text itself may run past it.
        QRectF box;
        TextAlign align = TextAlign::Left;
        double baseline = 0;
        // The text's own width, measured in its font.
        double width = 0;
        // How far the glyphs reach above and below the baseline.
        double ascent = 0;
        double descent = 0;

        double left() const {
            switch (align) {
                case TextAlign::Centre:
                    return box.center().x() - width / 2;
                case TextAlign::Right:
                    return box.right() - width;
                case TextAlign::Left:
                    break;
            }
            return box.left();
        }
        // Where the text itself lies on the paper; a text that fits lies inside `box`.
        QRectF extent() const { return QRectF(left(), baseline - ascent, width, ascent + descent); }
    };
    struct Line {
        QPointF from;
        QPointF to;
        double penWidth = 0.75;
    };
    struct Box {
        QRectF rect;
        // 0 for no border.
        double penWidth = 0.75;
        // Fill as 0xRRGGBB, or -1 for none.
        int shade = -1;
    };
    struct Page {
        QList<Box> boxes;
        QList<Line> lines;
        QList<Text> texts;
    };

    QString jobName;
    QPageSize paper = QPageSize(QPageSize::Letter);
    bool landscape = false;
    int copies = 1;
    QList<Page> pages;

    // The paper's size in points as it lies (wide when landscape).
    QSizeF pageSize() const {
        const QSizeF size = paper.size(QPageSize::Point);
        return landscape ? size.transposed() : size;
    }
    // Every text of a page in print order, for tests and searches.
    QStringList texts(int page) const {
        QStringList out;
        for (const Text& t : pages.at(page).texts) {
            out << t.text;
        }
        return out;
    }
};
