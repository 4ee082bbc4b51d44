#pragma once

#include "print/PrintSink.h"

#include <QList>

// Keeps every printout as laid-out pages instead of printing it, for tests.
class RecordingSink final : public PrintSink {
public:
    QList<PrintDocument> documents;

protected:
    Status output(const PrintDocument& document) override {
        documents.append(document);
        return Status::success();
    }
};
