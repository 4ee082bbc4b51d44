#include "print/PrintSink.h"

#include "print/ReportLayout.h"
#include "print/SheetLayout.h"

Status PrintSink::print(const GridSheet& sheet) {
    return output(SheetLayout::Layout(sheet, paper()));
}

Status PrintSink::print(const BandedReport& report) {
    return output(ReportLayout::Layout(report, paper()));
}
