#include "printjob.h"

#include "labelsheetwalker.h"

#include "document/designdocument.h"
#include "platform/canvas.h"

#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPrinter>

#include <algorithm>

namespace tessarine {

namespace {

// Zoom, font scale and the printing flag as the job found them, put back when it ends.
class TPrintingState
{
public:
    explicit TPrintingState(TDesignDocument& document) : m_document(document), m_zoom(document.Zoom())
    {
        m_document.SetZoom(1.0);
        m_document.SetPrinting(true);
    }
    ~TPrintingState()
    {
        m_document.SetPrinting(false);
        m_document.SetFontScale(1.0);
        m_document.SetZoom(m_zoom);
        for (const TShapePtr& shape : m_document.Shapes)
            shape->Canvas = m_document.SurfaceCanvas();
        m_document.Repaint();
    }
    TPrintingState(const TPrintingState&) = delete;
    TPrintingState& operator=(const TPrintingState&) = delete;

private:
    TDesignDocument& m_document;
    double m_zoom;
};

bool DeviceFailed(const QPagedPaintDevice& device)
{
    const auto* printer = dynamic_cast<const QPrinter*>(&device);
    return printer && printer->printerState() == QPrinter::Error;
}

// The printer's pages, each closed with the document title centred at its top.
class TPrinterSheets : public TSheetSink
{
public:
    TPrinterSheets(QPagedPaintDevice& device, const QString& title) : m_device(device), m_title(title) {}

    bool Begin(const TDesignDocument& document)
    {
        if (!m_canvas.Begin(&m_device) || DeviceFailed(m_device))
            return false;
        m_titleFont.Height = -std::max(1, Round(10.0 * m_device.logicalDpiY() / 72.0));
        m_titleFont.Color = clBlack;
        // As the job has always selected them; objects set their own pen and brush.
        m_canvas.Brush = TBrush{document.PrintBackground ? document.ColorOfBackGround() : clWhite, bsSolid};
        if (document.PrintABorder)
            m_canvas.Pen = TPen{clBlack, psSolid, 1, pmCopy};
        m_sheets = 1;
        return true;
    }
    TCanvas& SheetCanvas() override { return m_canvas; }
    bool NextSheet() override
    {
        WriteTitle();
        if (!m_device.newPage() || DeviceFailed(m_device))
            return false;
        ++m_sheets;
        return true;
    }
    // Closes the last sheet and the document; false when the printer failed.
    bool Finish()
    {
        WriteTitle();
        m_canvas.End();
        return !DeviceFailed(m_device);
    }
    // Ends the document after a failure or a cancel, keeping what the printer took.
    void Abandon() { m_canvas.End(); }
    int Sheets() const { return m_sheets; }

private:
    void WriteTitle()
    {
        if (m_title.isEmpty())
            return;
        const TFontSpec objectFont = m_canvas.Font;
        m_canvas.Font = m_titleFont;
        const int x = m_device.width() / 2 - m_canvas.TextExtent(m_title).width() / 2;
        m_canvas.TextOut(x, 1, m_title);
        m_canvas.Font = objectFont;
    }

    QPagedPaintDevice& m_device;
    QString m_title;
    TCanvas m_canvas;
    TFontSpec m_titleFont;
    int m_sheets = 0;
};

} // namespace

TPrintJob::TPrintJob(TDesignDocument& document, const TLabelLayout& layout, const TPrintRun& run)
    : m_document(document), m_layout(layout), m_run(run)
{}

TPrintOutcome TPrintJob::Print(QPagedPaintDevice& device)
{
    if (const QString why = CheckPrintRun(m_layout, m_run); !why.isEmpty())
        return {TPrintOutcome::Refused, why, 0};

    const TPrintingState state(m_document);
    const double dx = device.logicalDpiX();
    const double dy = device.logicalDpiY();
    const double scale = std::min(dx, dy) / m_document.Context().PPI;

    TPrinterSheets sheets(device, m_document.FileInfo.Title);
    if (!sheets.Begin(m_document))
        return {TPrintOutcome::Failed, kPrinterErrorMessage, 0};

    TLabelSheetWalker walker(m_document, m_layout, m_run, dx, dy, scale);
    walker.OnProgress = OnProgress;
    switch (walker.Walk(sheets)) {
    case TWalkOutcome::Completed:
        if (!sheets.Finish())
            return {TPrintOutcome::Failed, kPrinterErrorMessage, sheets.Sheets()};
        return {TPrintOutcome::Printed, {}, sheets.Sheets()};
    case TWalkOutcome::Cancelled:
        if (auto* printer = dynamic_cast<QPrinter*>(&device))
            printer->abort();
        sheets.Abandon();
        return {TPrintOutcome::Cancelled, {}, sheets.Sheets()};
    case TWalkOutcome::DeviceFailed:
        break;
    }
    sheets.Abandon();
    return {TPrintOutcome::Failed, kPrinterErrorMessage, sheets.Sheets()};
}

void UseLayoutPage(QPagedPaintDevice& device, const TLabelLayout& layout)
{
    if (auto* printer = dynamic_cast<QPrinter*>(&device))
        printer->setFullPage(true);
    const QPageSize size(QSizeF(layout.PageWidth, layout.PageHeight), QPageSize::Millimeter, QString(),
                         QPageSize::ExactMatch);
    device.setPageLayout(QPageLayout(size, QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
}

} // namespace tessarine
