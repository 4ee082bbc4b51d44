#pragma once

#include "print/PrintSink.h"

class Prompter;
class QWidget;

// Shows each printout in a modal preview whose Print command sends it to `printTo`
// (normally the system printer). Returns when the user closes the preview.
class PreviewSink final : public PrintSink {
public:
    PreviewSink(PrintSink& printTo, Prompter& prompter, QWidget* parent)
        : m_printTo(printTo), m_prompter(prompter), m_parent(parent) {}

    QPageSize paper() const override { return m_printTo.paper(); }

protected:
    Status output(const PrintDocument& document) override;

private:
    PrintSink& m_printTo;
    Prompter& m_prompter;
    QWidget* m_parent;
};
