#pragma once

#include "print/PrintFont.h"

#include <QString>

// One control of a report section: a label, a field bound to a column of its level, a line
// or a box. Positions are points from the section's top left corner.
struct ReportElement {
    static constexpr double kLineRoom = 1.4;
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
    // For a label its caption, for a field the column holding its text, with given names as
    // initials: printed when the whole text does not fit even at the smallest size.
    QString shortText;

    static ReportElement label(const QString& name, const QString& caption, double left, double top,
                               double width, const PrintFont& font,
                               TextAlign align = TextAlign::Left) {
        return textControl(Kind::Label, name, caption, left, top, width, font, align);
    }
    static ReportElement field(const QString& column, double left, double top, double width,
                               const PrintFont& font, TextAlign align = TextAlign::Left) {
        return textControl(Kind::Field, column, column, left, top, width, font, align);
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
    // The same control with the short form of its text in `shortText`.
    ReportElement initialled(const QString& shortText) const {
        ReportElement e = *this;
        e.shortText = shortText;
        return e;
    }
    static ReportElement textControl(Kind kind, const QString& name, const QString& caption,
                                     double left, double top, double width, const PrintFont& font,
                                     TextAlign align) {
        ReportElement e;
        e.kind = kind;
        e.name = name;
        e.text = caption;
        e.left = left;
        e.top = top;
        e.width = width;
        // Room for the line and a little air above and below it.
        e.height = font.pointSize * kLineRoom;
        e.font = font;
        e.align = align;
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
