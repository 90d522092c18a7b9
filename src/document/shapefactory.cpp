#include "shapefactory.h"

#include "barcodeshapes.h"
#include "boxshapes.h"
#include "lineshapes.h"
#include "textshape.h"

#include <array>

namespace tessarine {

namespace {

template <class T>
std::shared_ptr<TMyShape> Make(const TSurfaceContext* context)
{
    return std::make_shared<T>(context);
}

struct ShapeClass
{
    const char* name;
    std::shared_ptr<TMyShape> (*create)(const TSurfaceContext*);
};

constexpr std::array<ShapeClass, 11> kShapeClasses = {{
    {"TKWZRectangle", &Make<TKWZRectangle>},
    {"TKWZEllipse", &Make<TKWZEllipse>},
    {"TMyLine", &Make<TMyLine>},
    {"TKWZLine", &Make<TKWZLine>},
    {"TMyPolygon", &Make<TMyPolygon>},
    {"TMySector", &Make<TMySector>},
    {"TKWZText", &Make<TKWZText>},
    {"TKWZImage", &Make<TKWZImage>},
    {"TShowBarCode", &Make<TShowBarCode>},
    {"TShowBarCodePDF417", &Make<TShowBarCodePDF417>},
    {"TKWZLinesText", &Make<TKWZLinesText>},
}};

} // namespace

std::shared_ptr<TMyShape> CreateShapeOfClass(const QString& className, const TSurfaceContext* context)
{
    for (const ShapeClass& c : kShapeClasses)
        if (className == QLatin1String(c.name))
            return c.create(context);
    return nullptr;
}

} // namespace tessarine
