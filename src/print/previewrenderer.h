#pragma once

#include "celllayout.h"

#include <QImage>
#include <QString>
#include <QVector>

namespace tessarine {

class TDesignDocument;

// What a preview rendering produced.
struct TPreviewPages
{
    QVector<QImage> Pages;
    QString Message;        // why nothing was rendered (a refused run), else empty
    bool Truncated = false; // the run needs more pages than a preview keeps
};

// Pages a preview keeps at most: each A4 page is some 3.5 MB, and a run of thousands of
// labels would otherwise exhaust memory before the window opens.
constexpr int kMaxPreviewPages = 100;

// Renders the sheets a run would print, in screen pixels, on a copy of the document made
// through a label file in memory. The copy's serial numbers step from label to label and
// its record does not move; the document itself is not changed. Each page is white, of the
// design page's size.
TPreviewPages RenderPreviewPages(TDesignDocument& document, const TLabelLayout& layout, const TPrintRun& run,
                                 int maxPages = kMaxPreviewPages);

} // namespace tessarine
