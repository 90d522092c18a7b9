#pragma once

#include <QObject>

namespace tessarine {

class TDesignDocument;
class TKWZDataModule;

// Feeds a document from a data module the way the designer does, for prints made without it
// (the command line, tests, benchmarks): when a label is done (OnMoveDR) the module moves to
// its next record, and every record change fills the document's bound objects.
class TRecordFeed : public QObject
{
    Q_OBJECT
public:
    TRecordFeed(TDesignDocument& document, TKWZDataModule& data, QObject* parent = nullptr);

    // Fills the document from the current record, as opening the query does.
    void FillNow();

private:
    TDesignDocument& m_document;
    TKWZDataModule& m_data;
};

} // namespace tessarine
