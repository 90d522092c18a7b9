#pragma once

#include "thermalgeometry.h"

#include "document/designdocument.h"
#include "print/printersettings.h"
#include "print/thermalkinds.h"

#include <QByteArray>
#include <QImage>

#include <functional>
#include <memory>
#include <typeinfo>

namespace tessarine {


// What a job needs to know besides the objects.
struct TThermalJobSettings
{
    double Dpi = 203;
    int32_t Hot = 0;
    int32_t Rate = 0;
    double PageWidth = 0; // mm, the sheet width Argox is told
    double ScreenPpi = 96;
};

// Writes the commands of one printer language: the job header, one copy of the label in a
// cell, the end of a sheet and the end of the job. A copy's commands may be held back until the
// sheet ends (Datamax and Argox download a sheet's graphics before its placements).
class TThermalGenerator
{
public:
    TThermalGenerator(TDesignDocument& document, const TThermalJobSettings& settings);
    virtual ~TThermalGenerator();
    TThermalGenerator(const TThermalGenerator&) = delete;
    TThermalGenerator& operator=(const TThermalGenerator&) = delete;

    virtual void WriteJobHeader(QByteArray& stream) = 0;
    // copy counts every printed copy of the job from 1.
    virtual void WriteCopy(const TThermalCell& cell, int copy, QByteArray& stream) = 0;
    virtual void WriteSheetTrailer(QByteArray& stream) = 0;
    virtual void WriteJobTrailer(QByteArray& stream) = 0;

protected:
    // Calls visit(index, shape) for every object whose class is exactly T, in list order;
    // derived classes are not taken.
    template <typename T, typename Visit>
    void ForEachOfClass(Visit&& visit) const;

    // A text's content changes from label to label when it comes from a field or a serial.
    static bool IsVariable(const TMyShape& shape);
    // Whether an object's graphic is downloaded with this copy: constant ones once per job.
    static bool DownloadsWith(const TMyShape& shape, int copy);
    // "808" + index for constant objects, copy + index for variable ones.
    static QByteArray GraphicName(const TMyShape& shape, int index, int copy);
    // index + copy + index, the name a picture is downloaded under at copy 1.
    static QByteArray PictureName(int index, int copy);

    // The graphics a copy downloads before its placements: the pictures with the first copy,
    // and the texts due with this copy, each handed to download under its name.
    using TDownload = std::function<void(const QByteArray& name, const QImage& oneBit)>;
    void DownloadGraphics(const TDotConverter& dots, int copy, const TDownload& download) const;

    TDotConverter Dots(const TThermalCell& cell) const;
    // A document length in dots: PenWidth and the like, rounded once.
    int32_t DotLength(double pixels) const;

    TDesignDocument& m_document;
    TThermalJobSettings m_settings;
};

std::unique_ptr<TThermalGenerator> MakeThermalGenerator(TThermalFamily family, TDesignDocument& document,
                                                        const TThermalJobSettings& settings);

template <typename T, typename Visit>
void TThermalGenerator::ForEachOfClass(Visit&& visit) const
{
    const auto& shapes = m_document.Shapes;
    for (int index = 0; index < shapes.size(); ++index) {
        TMyShape& shape = *shapes[index];
        if (typeid(shape) == typeid(T))
            visit(index, static_cast<T&>(shape));
    }
}

} // namespace tessarine
