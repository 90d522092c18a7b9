#include "thermalgenerator.h"

#include "argoxgenerator.h"
#include "datamaxgenerator.h"
#include "thermalgraphics.h"
#include "zebragenerator.h"

#include "document/boxshapes.h"
#include "document/designdocument.h"
#include "document/textshape.h"
#include "platform/round.h"

namespace tessarine {

TThermalGenerator::TThermalGenerator(TDesignDocument& document, const TThermalJobSettings& settings)
    : m_document(document), m_settings(settings)
{
}

TThermalGenerator::~TThermalGenerator() = default;

void TThermalGenerator::DownloadGraphics(const TDotConverter& dots, int copy, const TDownload& download) const
{
    if (copy == 1) {
        ForEachOfClass<TKWZImage>([&](int index, TKWZImage& image) {
            download(PictureName(index, copy), RenderPictureGraphic(image, dots));
        });
    }
    ForEachOfClass<TKWZText>([&](int index, TKWZText& text) {
        if (DownloadsWith(text, copy))
            download(GraphicName(text, index, copy), RenderTextGraphic(text, dots));
    });
}

bool TThermalGenerator::IsVariable(const TMyShape& shape)
{
    return shape.Info.SourceKind != skTyped;
}

bool TThermalGenerator::DownloadsWith(const TMyShape& shape, int copy)
{
    return copy == 1 || IsVariable(shape);
}

QByteArray TThermalGenerator::GraphicName(const TMyShape& shape, int index, int copy)
{
    return (IsVariable(shape) ? Dec(copy) : QByteArray("808")) + Dec(index);
}

QByteArray TThermalGenerator::PictureName(int index, int copy)
{
    return Dec(index) + Dec(copy) + Dec(index);
}

TDotConverter TThermalGenerator::Dots(const TThermalCell& cell) const
{
    return TDotConverter(m_settings.Dpi, m_settings.ScreenPpi, cell);
}

int32_t TThermalGenerator::DotLength(double pixels) const
{
    return Round(pixels * 25.4 / m_settings.ScreenPpi * m_settings.Dpi / 25.4);
}

std::unique_ptr<TThermalGenerator> MakeThermalGenerator(TThermalFamily family, TDesignDocument& document,
                                                        const TThermalJobSettings& settings)
{
    switch (family) {
    case TThermalFamily::Zebra:
        return std::make_unique<TZebraGenerator>(document, settings);
    case TThermalFamily::Datamax:
        return std::make_unique<TDatamaxGenerator>(document, settings);
    case TThermalFamily::Argox:
        return std::make_unique<TArgoxGenerator>(document, settings);
    }
    return nullptr;
}

} // namespace tessarine
