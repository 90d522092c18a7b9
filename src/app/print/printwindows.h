#pragma once

#include "document/labelrecords.h"

#include <QObject>

#include <functional>

class QWidget;

namespace tessarine {

class TDesignDocument;
class TPreviewFrm;
class TPrints;
struct TPrinterSettings;

// The print dialog and the preview window of the main window, made once and kept for the run,
// and the two commands that open them. The main window answers the document's OnMoveDR as it
// always does, so printed labels move its data source on; the preview works on a copy that no
// one answers, so its record stays.
class TPrintWindows : public QObject
{
    Q_OBJECT
public:
    // mainWindow parents the windows. document and settings must outlive this object.
    TPrintWindows(TDesignDocument& document, TPrinterSettings& settings, QWidget* mainWindow);

    // "打印 (&P)": ungroups a single selected object, takes the page setup's layout and the
    // current printer into the dialog and shows it modally.
    void ShowPrintDialog(const TLabelLayout& pageSetupLayout);
    // "打印预览(&V)": renders the pages the dialog's current values would print, on a copy of the
    // document, and shows them modally from the first page at the standard size.
    void ShowPreview(const TLabelLayout& pageSetupLayout);

    TPrints* PrintDialog() const { return m_prints; }
    TPreviewFrm* PreviewWindow() const { return m_preview; }

    // Messages of the preview command go here; an information box by default.
    void SetMessageHandler(std::function<void(const QString&)> handler);

private:
    void Preview();

    TDesignDocument& m_document;
    TPrints* m_prints;
    TPreviewFrm* m_preview;
    std::function<void(const QString&)> m_showMessage;
};

} // namespace tessarine
