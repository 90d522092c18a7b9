#pragma once

#include "celllayout.h"

#include <QString>

#include <functional>

class QPagedPaintDevice;

namespace tessarine {

class TDesignDocument;

// How a print job ended.
struct TPrintOutcome
{
    enum Status
    {
        Printed,
        Cancelled,
        Refused, // the run does not fit the layout; nothing was printed
        Failed,  // the printer reported an error; the job stopped there
    };
    Status status = Printed;
    QString message; // for Refused and Failed
    int sheets = 0;  // sheets started
};

// The message for a printer that failed in the middle of a job.
inline const QString kPrinterErrorMessage = QStringLiteral("打印机出错, 打印已停止.");

// Prints a run of labels of the live document onto the pages of a printer (any paged device:
// a QPrinter, a QPdfWriter). Objects are converted to printer dots in place for their own
// drawing and put back right afterwards; the document's serial numbers and record advance
// once per label, so the next print continues where this one stopped. However the job ends,
// the document's zoom, font scale and printing flag are restored and it repaints.
class TPrintJob
{
public:
    TPrintJob(TDesignDocument& document, const TLabelLayout& layout, const TPrintRun& run);

    // "Sheet x of y", after every cell; returning false cancels the job.
    std::function<bool(int sheet, int sheets)> OnProgress;

    // The device is used as it is set up (page size, resolution); cells are measured from the
    // top left of its paint area, so give it a full-page layout (see UseLayoutPage).
    TPrintOutcome Print(QPagedPaintDevice& device);

private:
    TDesignDocument& m_document;
    TLabelLayout m_layout;
    TPrintRun m_run;
};

// Gives the device the layout's sheet size and no margins, so the cells and the title are
// placed from the edges of the sheet.
void UseLayoutPage(QPagedPaintDevice& device, const TLabelLayout& layout);

} // namespace tessarine
