#pragma once

#include "print/ReportElement.h"

#include <QList>
#include <QString>

// One band of a report: a strip of the page `height` points tall holding controls.
struct ReportSection {
    QString name;
    double height = 0;
    bool visible = true;
    // A group header that starts a new page (one competitor's schedule per page).
    bool newPageBefore = false;
    QList<ReportElement> elements;

    bool isEmpty() const { return !visible || height <= 0; }
    ReportSection& add(const ReportElement& element) {
        elements.append(element);
        return *this;
    }
    // Gives the fields bound to `column` the short form of their text held in `shortColumn`.
    ReportSection& initialled(const QString& column, const QString& shortColumn) {
        for (ReportElement& e : elements) {
            if (e.kind == ReportElement::Kind::Field && e.text == column) {
                e.shortText = shortColumn;
            }
        }
        return *this;
    }
};
