#include "print/SharedPrinter.h"

#include <QPrinter>

QPrinter& SharedPrinter() {
    static QPrinter printer(QPrinter::HighResolution);
    return printer;
}
