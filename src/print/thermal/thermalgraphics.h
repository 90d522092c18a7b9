#pragma once

#include <QImage>

namespace tessarine {

class TDotConverter;
class TKWZImage;
class TKWZLinesText;
class TKWZText;
class TShowBarCode;

// Objects drawn black on white at the printer's resolution through the canvas, reduced to one
// bit per pixel (see ToOneBit). Sizes come from the converter's dot lengths.

// Exactly the extent of the text in the object's font at printer size, unturned.
QImage RenderTextGraphic(const TKWZText& text, const TDotConverter& dots);
// The box's W x H dots with the text wrapped into it in the object's alignment.
QImage RenderLinesTextGraphic(const TKWZLinesText& text, const TDotConverter& dots);
// The box's W x H dots with the picture stretched smoothly into it.
QImage RenderPictureGraphic(const TKWZImage& image, const TDotConverter& dots);
// The barcode as its own Draw paints it, with a margin of one average character of its readable
// text around the symbol, shrunk or stretched (darkest pixel wins) into the box's W x H dots.
// The object's vertices and canvas are changed while it draws and put back.
QImage RenderBarcodeGraphic(TShowBarCode& barcode, const TDotConverter& dots);

} // namespace tessarine
