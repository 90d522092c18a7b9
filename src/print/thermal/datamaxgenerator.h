#pragma once

#include "thermalgenerator.h"

namespace tessarine {

// DPL: texts and pictures as PCX graphics downloaded before the sheet's label format, boxes,
// lines and barcodes as native records. Positions are in half dots.
class TDatamaxGenerator : public TThermalGenerator
{
public:
    using TThermalGenerator::TThermalGenerator;

    void WriteJobHeader(QByteArray& stream) override;
    void WriteCopy(const TThermalCell& cell, int copy, QByteArray& stream) override;
    void WriteSheetTrailer(QByteArray& stream) override;
    void WriteJobTrailer(QByteArray& stream) override;

private:
    void WriteSheet(const QByteArray& format, QByteArray& stream);
    void WriteDownload(const QByteArray& name, const QImage& oneBit);
    void WriteBarcode(const TDotConverter& dots, const TMyShape& shape);

    QByteArray m_downloads;
    QByteArray m_body;
};

} // namespace tessarine
