#pragma once

#include <QImage>

namespace tessarine {

class TCanvas;
class TDesignDocument;

// Paints the surface as its repaint does: background, the label area, then every object from
// the back to the front. Objects paint on a canvas over image and are pointed back at the
// document's canvas afterwards.
void PaintSurface(TDesignDocument& document, QImage& image);

// The selection handles: the group frame for grouped objects, each object's own otherwise.
void PaintSelectionHandles(TDesignDocument& document, TCanvas& canvas);

// The surface of a document at its control size, without handles.
QImage RenderSurface(TDesignDocument& document);

} // namespace tessarine
