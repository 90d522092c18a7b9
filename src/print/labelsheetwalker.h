#pragma once

#include "celllayout.h"

#include <functional>

namespace tessarine {

class TCanvas;
class TDesignDocument;

// Where a walk puts its sheets: the printer's pages or the preview's pictures.
class TSheetSink
{
public:
    virtual ~TSheetSink() = default;
    // The canvas of the current sheet.
    virtual TCanvas& SheetCanvas() = 0;
    // Closes the current sheet and opens the next; false when the device failed.
    virtual bool NextSheet() = 0;
};

// What a walk ended with.
enum class TWalkOutcome
{
    Completed,
    Cancelled,
    DeviceFailed,
};

// Walks a run over the cells of successive sheets: every label is drawn once per copy into
// the next cell, objects marked not to print are left out, and after the copies of a label
// the serial numbers step and the host is asked to move to the next record (OnMoveDR), so
// the next label carries the next values. The document's zoom must be 1 while it walks.
class TLabelSheetWalker
{
public:
    // dx, dy: device units per inch; fontScale: the font scale objects draw with.
    TLabelSheetWalker(TDesignDocument& document, const TLabelLayout& layout, const TPrintRun& run, double dx,
                      double dy, double fontScale);

    // Told after every cell with the sheet being filled (1-based) and the sheets in all;
    // returning false cancels the walk.
    std::function<bool(int sheet, int sheets)> OnProgress;

    // The run must have passed CheckPrintRun.
    TWalkOutcome Walk(TSheetSink& sink);

private:
    void DrawLabel(TCanvas& canvas, const QRect& cell);

    TDesignDocument& m_document;
    TPrintRun m_run;
    QVector<QRect> m_cells;
    int m_sheets;
    double m_scaleX;
    double m_scaleY;
    double m_fontScale;
};

} // namespace tessarine
