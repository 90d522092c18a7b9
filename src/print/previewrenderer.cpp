#include "previewrenderer.h"

#include "labelsheetwalker.h"

#include "document/designdocument.h"
#include "document/labelfile.h"
#include "platform/canvas.h"

#include <QBuffer>

namespace tessarine {

namespace {

// White pages of the design page's size, one after another.
class TPreviewSheets : public TSheetSink
{
public:
    TPreviewSheets(QSize pageSize, int maxPages, QVector<QImage>& pages)
        : m_pageSize(pageSize), m_maxPages(maxPages), m_pages(pages)
    {
        AppendPage();
    }
    TCanvas& SheetCanvas() override { return m_canvas; }
    bool NextSheet() override
    {
        if (int(m_pages.size()) >= m_maxPages) {
            m_truncated = true;
            return false;
        }
        AppendPage();
        return true;
    }
    void Finish() { m_canvas.End(); }
    bool Truncated() const { return m_truncated; }

private:
    void AppendPage()
    {
        m_canvas.End();
        QImage page(m_pageSize, QImage::Format_RGB32);
        page.fill(Qt::white);
        m_pages.append(page);
        m_canvas.Begin(&m_pages.last());
    }

    QSize m_pageSize;
    int m_maxPages;
    QVector<QImage>& m_pages;
    TCanvas m_canvas;
    bool m_truncated = false;
};

} // namespace

TPreviewPages RenderPreviewPages(TDesignDocument& document, const TLabelLayout& layout, const TPrintRun& run,
                                 int maxPages)
{
    TPreviewPages result;
    if (const QString why = CheckPrintRun(layout, run); !why.isEmpty()) {
        result.Message = why;
        return result;
    }

    // The copy is read back from the file format, so it is complete and shares nothing.
    QByteArray bytes = LabelFileBytes(document, layout, TSourceDataBase{});
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    TDesignDocument copy;
    TLabelLayout copyLayout;
    TSourceDataBase copySource;
    if (!ReadLabelStream(copy, buffer, copyLayout, copySource)) {
        result.Message = QStringLiteral("File Error!");
        return result;
    }

    const double zoom = copy.Zoom();
    copy.SetZoom(1.0);
    const double ppi = copy.Context().PPI;
    const QSize pageSize(Round(copy.PageWidth() * ppi / 25.4), Round(copy.PageHeight() * ppi / 25.4));
    {
        TPreviewSheets sheets(pageSize, std::max(1, maxPages), result.Pages);
        TLabelSheetWalker walker(copy, layout, run, ppi, ppi, 1.0);
        walker.Walk(sheets);
        sheets.Finish();
        result.Truncated = sheets.Truncated();
    }
    copy.SetZoom(zoom);
    copy.SetFontScale(1.0);
    return result;
}

} // namespace tessarine
