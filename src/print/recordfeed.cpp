#include "recordfeed.h"

#include "data/module/datamodule.h"
#include "data/recordfilling.h"
#include "document/designdocument.h"

namespace tessarine {

TRecordFeed::TRecordFeed(TDesignDocument& document, TKWZDataModule& data, QObject* parent)
    : QObject(parent), m_document(document), m_data(data)
{
    connect(&document, &TDesignDocument::OnMoveDR, this, [this](bool first, bool) {
        // Past the last record the module stays there, so the last record repeats.
        if (first)
            m_data.First();
        else
            m_data.Next();
    });
    connect(&data, &TKWZDataModule::RecordChanged, this, &TRecordFeed::FillNow);
}

void TRecordFeed::FillNow()
{
    if (m_data.RecordNo() > 0)
        FillFromRecord(m_document, m_data.CurrentRecord());
}

} // namespace tessarine
