#pragma once

#include "document/barcodeshapes.h"
#include "document/designdocument.h"
#include "document/labelrecords.h"

#include <QImage>
#include <QString>

#include <memory>

namespace tessarine::test {

// A sheet of 150 x 80 mm with 2 x 2 cells of 65 x 30 mm, margins 5 and 8 mm, gaps 5 and 4 mm.
TLabelLayout TwoByTwoLayout();

// A solid black box from (left, top) to (right, bottom), zoom-1 pixels, without an outline.
TShapePtr AddBlackBox(TDesignDocument& document, QRect stored);

// A single-line text; a serial in digits stepping by one when serial is set.
TShapePtr AddText(TDesignDocument& document, QPoint at, const QString& text, bool serial);

// A Code 128 B symbol in the box, rendered; a serial in digits stepping by one when serial is set.
std::shared_ptr<TShowBarCode> AddCode128(TDesignDocument& document, QRect stored, const QString& data,
                                         bool serial);

// What pdfinfo says about a PDF.
struct TPdfInfo
{
    int Pages = 0;
    double WidthPt = 0;
    double HeightPt = 0;
};
TPdfInfo ReadPdfInfo(const QString& pdf);

// One page of a PDF as pdftoppm renders it at dpi.
QImage RenderPdfPage(const QString& pdf, int page, int dpi);

// The smallest rectangle holding every dark pixel of image inside area; empty when none.
QRect DarkBounds(const QImage& image, const QRect& area);

} // namespace tessarine::test
