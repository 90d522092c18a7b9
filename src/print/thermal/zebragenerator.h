#pragma once

#include "graphicencoders.h"
#include "thermalgenerator.h"

namespace tessarine {

// ZPL: texts, multi-line texts, pictures and barcodes as downloaded graphics (~DG), boxes and
// lines as ^GB. Everything goes straight into the stream.
class TZebraGenerator : public TThermalGenerator
{
public:
    using TThermalGenerator::TThermalGenerator;

    void WriteJobHeader(QByteArray& stream) override;
    void WriteCopy(const TThermalCell& cell, int copy, QByteArray& stream) override;
    void WriteSheetTrailer(QByteArray& stream) override;
    void WriteJobTrailer(QByteArray& stream) override;

private:
    static void WriteDownload(const QByteArray& name, const TObjToHex& graphic, QByteArray& stream);
    static void WriteRecall(int x, int y, const QByteArray& name, QByteArray& stream);
    template <typename T, typename Render>
    void WriteGraphicPasses(const TThermalCell& cell, int copy, Render&& render, QByteArray& stream,
                            bool downloads);
};

} // namespace tessarine
