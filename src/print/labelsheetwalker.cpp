#include "labelsheetwalker.h"

#include "shapeplacement.h"

#include "data/serialstepping.h"
#include "document/designdocument.h"

namespace tessarine {

TLabelSheetWalker::TLabelSheetWalker(TDesignDocument& document, const TLabelLayout& layout,
                                     const TPrintRun& run, double dx, double dy, double fontScale)
    : m_document(document), m_run(run), m_cells(CellRects(layout, dx, dy)),
      m_sheets(SheetsNeeded(layout, run)), m_scaleX(dx / document.Context().PPI),
      m_scaleY(dy / document.Context().PPI), m_fontScale(fontScale)
{}

TWalkOutcome TLabelSheetWalker::Walk(TSheetSink& sink)
{
    const int perPage = int(m_cells.size());
    int sheet = 1;
    int cell = m_run.Start - 1;
    for (int label = 0; label < m_run.Labels; ++label) {
        for (int copy = 0; copy < m_run.Copies; ++copy) {
            if (cell == perPage) {
                if (!sink.NextSheet())
                    return TWalkOutcome::DeviceFailed;
                ++sheet;
                cell = 0;
            }
            DrawLabel(sink.SheetCanvas(), m_cells[cell]);
            ++cell;
            if (OnProgress && !OnProgress(sheet, m_sheets))
                return TWalkOutcome::Cancelled;
        }
        // A failed barcode ends only this stepping pass; the labels go on printing.
        StepSerials(m_document);
        emit m_document.OnMoveDR(false, false);
        // Between labels the document is back at its screen font size.
        m_document.SetFontScale(1.0);
    }
    return TWalkOutcome::Completed;
}

void TLabelSheetWalker::DrawLabel(TCanvas& canvas, const QRect& cell)
{
    for (const TShapePtr& shape : m_document.Shapes) {
        if (shape->Info.NoPrint)
            continue;
        m_document.SetFontScale(m_fontScale);
        const TShapePlacement placement(*shape, cell.topLeft(), m_scaleX, m_scaleY);
        shape->Canvas = &canvas;
        shape->Draw(true);
        shape->Canvas = m_document.SurfaceCanvas();
    }
}

} // namespace tessarine
