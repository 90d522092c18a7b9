#pragma once

class QDialog;
class QHBoxLayout;
class QPushButton;

namespace tessarine {

// The OK, Cancel and Help row that several dialogs end with. Cancel rejects the dialog; what OK
// and Help do is the dialog's own business.
struct TDialogButtons
{
    QPushButton* Ok;
    QPushButton* Cancel;
    QPushButton* Help;
    QHBoxLayout* Row;
};

TDialogButtons MakeOkCancelHelp(QDialog* dialog);

} // namespace tessarine
