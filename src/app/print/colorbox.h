#pragma once

#include "platform/tcolor.h"

#include <QComboBox>

namespace tessarine {

// A drop-down of the sixteen standard colours with swatches; a colour outside them is shown as an
// extra "custom" entry at the top, and the last entry picks any colour through the colour dialog.
class TColorBox : public QComboBox
{
    Q_OBJECT
public:
    explicit TColorBox(QWidget* parent = nullptr);

    TColor Selected() const { return selected_; }
    // Shows color without raising SelectedChanged.
    void SetSelected(TColor color);

signals:
    void SelectedChanged(TColor color);

private:
    void EntryActivated(int index);
    int IndexOf(TColor color) const;
    void Show(TColor color);

    TColor selected_ = clBlack;
};

} // namespace tessarine
