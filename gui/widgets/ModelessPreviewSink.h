#pragma once

#include "print/PrintSink.h"

#include <functional>
#include <memory>

class Prompter;
class QWidget;

// Shows each printout in a preview that stays open beside the other windows, so the staff
// can read a long report while they go on working; its Print command sends the pages to a
// printer of its own, made by `makePrinter`.
class ModelessPreviewSink final : public PrintSink {
public:
    using PrinterFactory = std::function<std::unique_ptr<PrintSink>()>;

    ModelessPreviewSink(PrinterFactory makePrinter, Prompter& prompter, QWidget* parent)
        : m_makePrinter(std::move(makePrinter)), m_prompter(prompter), m_parent(parent) {}

    QPageSize paper() const override { return m_makePrinter()->paper(); }

protected:
    Status output(const PrintDocument& document) override;

private:
    PrinterFactory m_makePrinter;
    Prompter& m_prompter;
    QWidget* m_parent;
};
