#include "dialogbuttons.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>

namespace tessarine {

TDialogButtons MakeOkCancelHelp(QDialog* dialog)
{
    auto named = [dialog](const QString& text, const char* name) {
        auto* button = new QPushButton(text, dialog);
        button->setObjectName(QString::fromLatin1(name));
        return button;
    };
    TDialogButtons buttons{named(QStringLiteral("确定"), "OK_BM"), named(QStringLiteral("取消"), "Cancel_BM"),
                           named(QStringLiteral("帮助"), "Help_BM"), new QHBoxLayout};
    buttons.Ok->setDefault(true);
    QObject::connect(buttons.Cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    buttons.Row->addStretch();
    buttons.Row->addWidget(buttons.Ok);
    buttons.Row->addWidget(buttons.Cancel);
    buttons.Row->addWidget(buttons.Help);
    return buttons;
}

} // namespace tessarine
