#include "recordnavigator.h"

#include "data/module/datamodule.h"

#include <QHBoxLayout>
#include <QStyle>
#include <QToolButton>

namespace tessarine {

TRecordNavigator::TRecordNavigator(TKWZDataModule& records, TButtons buttons, QWidget* parent)
    : QWidget(parent), m_records(records)
{
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(1);
    auto add = [this, row](const char* name, QStyle::StandardPixmap icon, const QString& tip) {
        auto* button = new QToolButton(this);
        button->setObjectName(QString::fromLatin1(name));
        button->setIcon(style()->standardIcon(icon));
        button->setToolTip(tip);
        button->setAutoRaise(true);
        row->addWidget(button);
        return button;
    };
    TKWZDataModule* module = &records;
    const std::pair<const char*, std::function<bool()>> moves[] = {
        {"First", [module] { return module->First(); }},
        {"Prior", [module] { return module->Prior(); }},
        {"Next", [module] { return module->Next(); }},
        {"Last", [module] { return module->Last(); }},
    };
    const QStyle::StandardPixmap icons[] = {QStyle::SP_MediaSkipBackward, QStyle::SP_MediaSeekBackward,
                                            QStyle::SP_MediaSeekForward, QStyle::SP_MediaSkipForward};
    const QString tips[] = {QStringLiteral("第一条记录"), QStringLiteral("上一条记录"), QStringLiteral("下一条记录"),
                            QStringLiteral("最后一条记录")};
    for (int i = 0; i < 4; ++i) {
        connect(add(moves[i].first, icons[i], tips[i]), &QToolButton::clicked, this, [this, move = moves[i].second] {
            move();
            emit Moved();
        });
    }
    if (buttons == TButtons::MovesAndEditing) {
        connect(add("Edit", QStyle::SP_FileDialogDetailedView, QStringLiteral("编辑")), &QToolButton::clicked, this,
                &TRecordNavigator::EditRequested);
        connect(add("Post", QStyle::SP_DialogApplyButton, QStringLiteral("保存")), &QToolButton::clicked, this,
                &TRecordNavigator::PostRequested);
        connect(add("Cancel", QStyle::SP_DialogCancelButton, QStringLiteral("取消")), &QToolButton::clicked, this,
                &TRecordNavigator::CancelRequested);
        connect(add("Refresh", QStyle::SP_BrowserReload, QStringLiteral("刷新")), &QToolButton::clicked, this,
                &TRecordNavigator::RefreshRequested);
    }
    connect(&records, &TKWZDataModule::RecordChanged, this, &TRecordNavigator::UpdateButtons);
    UpdateButtons();
}

QToolButton* TRecordNavigator::Button(const QString& name) const
{
    return findChild<QToolButton*>(name);
}

void TRecordNavigator::UpdateButtons()
{
    const int number = m_records.RecordNo();
    const int count = m_records.RecordCount();
    Button(QStringLiteral("First"))->setEnabled(number > 1);
    Button(QStringLiteral("Prior"))->setEnabled(number > 1);
    Button(QStringLiteral("Next"))->setEnabled(number > 0 && number < count);
    Button(QStringLiteral("Last"))->setEnabled(number > 0 && number < count);
}

} // namespace tessarine
