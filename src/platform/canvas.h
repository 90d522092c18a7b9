#pragma once

#include "gdistyle.h"

namespace tessarine {

// Where label objects paint. It carries the current pen and brush, which objects load with
// their style and which the property read-outs report back.
class TCanvas
{
public:
    TPen Pen;
    TBrush Brush;
};

} // namespace tessarine
