#pragma once

#include "document/designdocument.h"

#include <QPoint>
#include <QWidget>

class QAbstractButton;
class QButtonGroup;

namespace tessarine {

// The floating tool palette: a narrow borderless window, always on top, that picks the
// document's creation tool. It sets the document's ShapeTool itself and then tells the host,
// which may change the cursor or status line. The PDF417 tool stays disabled: no encoder
// settings reach the symbol maker yet.
class TTools : public QWidget
{
    Q_OBJECT
public:
    explicit TTools(TDesignDocument& document, QWidget* parent = nullptr);

    static constexpr int kWidth = 20;

    // Where the palette goes, in the main window's client coordinates: near the right edge,
    // level with the bottom of the document's scroll box.
    static QPoint PalettePosition(QSize clientSize, int scrollBoxTop, int scrollBoxHeight);

    // Shows the extra panel with the leave-full-screen button while the main window is in
    // full-screen mode.
    void SetFullScreenMode(bool fullScreen);
    bool FullScreenMode() const { return m_fullScreenMode; }

    // The button of a tool, or null for tools the palette does not offer.
    QAbstractButton* ToolButton(TDrawTool tool) const;
    // Marks the tool the document uses now, for example after it fell back to selecting.
    void ShowTool(TDrawTool tool);

signals:
    void ToolChosen(tessarine::TDrawTool tool);
    void LeaveFullScreenRequested();

private:
    void ChooseTool(TDrawTool tool, bool ungroup);
    void CloseFullScreenClick();

    TDesignDocument& m_document;
    QButtonGroup* m_buttons = nullptr;
    QWidget* m_fullScreenPanel = nullptr;
    bool m_fullScreenMode = false;
};

} // namespace tessarine
