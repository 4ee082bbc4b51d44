#pragma once

#include "print/PrintFont.h"

#include <QString>

// One control of a report section: a label, a field bound to a column of its level, a line
// or a box. Positions are points from the section's top left corner.
struct ReportElement {
    enum class Kind { Label, Field, Line, Box };

    Kind kind = Kind::Label;
    // The control's name, by which the program sets captions, visibility and positions.
    QString name;
    // A label's caption ("%p" and "%P" become the page number and page count) or a
    // field's column.
    QString text;
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
    PrintFont font;
    TextAlign align = TextAlign::Left;
    bool visible = true;
    // Lines and box borders, in points.
    double penWidth = 0.75;
    // A box's fill as 0xRRGGBB, or -1 for none.
    int shade = -1;

    static ReportElement label(const QString& name, const QString& caption, double left, double top,
                               double width, const PrintFont& font,
                               TextAlign align = TextAlign::Left) {
        return {Kind::Label, name, caption, left, top, width, font.pointSize * 1.4, font, align};
    }
    static ReportElement field(const QString& column, double left, double top, double width,
                               const PrintFont& font, TextAlign align = TextAlign::Left) {
        return {Kind::Field, column, column, left, top, width, font.pointSize * 1.4, font, align};
    }
    // A horizontal line from (left, top) `width` points long.
    static ReportElement line(double left, double top, double width, double penWidth = 0.75) {
        ReportElement e;
        e.kind = Kind::Line;
        e.left = left;
        e.top = top;
        e.width = width;
        e.penWidth = penWidth;
        return e;
    }
    static ReportElement box(double left, double top, double width, double height, int shade = -1) {
        ReportElement e;
        e.kind = Kind::Box;
        e.left = left;
        e.top = top;
        e.width = width;
        e.height = height;
        e.shade = shade;
        return e;
    }
};
