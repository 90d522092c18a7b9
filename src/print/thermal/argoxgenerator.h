#pragma once

#include "thermalgenerator.h"

namespace tessarine {

// The EPL-style language of Argox printers: texts and pictures as PCX graphics stored before the
// sheet's form, boxes, lines and barcodes as native commands, positions in dots.
class TArgoxGenerator : public TThermalGenerator
{
public:
    using TThermalGenerator::TThermalGenerator;

    void WriteJobHeader(QByteArray& stream) override;
    void WriteCopy(const TThermalCell& cell, int copy, QByteArray& stream) override;
    void WriteSheetTrailer(QByteArray& stream) override;
    void WriteJobTrailer(QByteArray& stream) override;

private:
    void WriteDownload(const QByteArray& name, const QImage& oneBit);
    void WriteBarcode(const TDotConverter& dots, const TMyShape& shape);

    QByteArray m_downloads;
    QByteArray m_body;
};

} // namespace tessarine
