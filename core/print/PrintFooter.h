#pragma once

#include "db/ProgramVersion.h"

#include <QString>

// The footer every grid printout carries: the program's title and its legal notice.
inline QString CommonPrintFooter() {
    return QStringLiteral("/c/fn\"Times New Roman\"/fz\"18\"/fi1/fb1") +
           ProgramVersion::ProductTitle() + QStringLiteral("/n/fz\"14\"/c") +
           ProgramVersion::LegalNotice();
}
