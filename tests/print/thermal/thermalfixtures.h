#pragma once

#include "document/barcodeshapes.h"
#include "document/boxshapes.h"
#include "document/designdocument.h"
#include "document/labelrecords.h"
#include "print/printersettings.h"

#include <QByteArray>
#include <QImage>
#include <QStringList>

#include <memory>

namespace tessarine::test {

// A label outline of width x height mm at the document's origin.
void SetLabelOutline(TDesignDocument& document, int width, int height);

// A sheet of rows x columns labels without margins, gaps of gap mm.
TLabelLayout GridLayout(int rows, int columns, double gap = 0, double pageWidth = 100);

TPrinterSettings ThermalSettings(int32_t currentId, int32_t dpi, int32_t hot = 10, int32_t rate = 3);

// An object of the tool's class between two stored vertices, added to the document.
TShapePtr AddShape(TDesignDocument& document, TDrawTool tool, QPoint p0, QPoint p1);
TShapePtr AddText(TDesignDocument& document, QPoint at, const QString& text, bool serial = false);
std::shared_ptr<TShowBarCode> AddBarcode(TDesignDocument& document, QPoint p0, QPoint p1, uint8_t symbology,
                                         const QString& data);

// A one-bit picture drawn from rows of '#' (black) and '.' (white).
QImage OneBitFromRows(const QStringList& rows);

// Bytes from hexadecimal pairs, blanks ignored.
QByteArray Hex(const char* pairs);

} // namespace tessarine::test
