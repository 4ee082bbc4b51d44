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
};
