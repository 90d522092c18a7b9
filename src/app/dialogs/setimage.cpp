#include "setimage.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tessarine {

TSetImage::TSetImage(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("SetImage"));
    setWindowTitle(QStringLiteral("Image"));

    auto* turnGroup = new QGroupBox(QStringLiteral("旋转"), this);
    turnGroup->setObjectName(QStringLiteral("RotateGroup"));
    m_turns = new QButtonGroup(this);
    auto* turnLayout = new QHBoxLayout(turnGroup);
    const QString captions[] = {QStringLiteral("0°"), QStringLiteral("90°"), QStringLiteral("180°"),
                                QStringLiteral("270°")};
    for (int i = 0; i < 4; ++i) {
        auto* choice = new QRadioButton(captions[i], turnGroup);
        choice->setObjectName(QStringLiteral("Rotate%1").arg(i));
        m_turns->addButton(choice, i);
        turnLayout->addWidget(choice);
    }
    m_turns->button(0)->setChecked(true);

    // Pictures keep the colour depth they were loaded with; the list is offered but not used.
    auto* resolutionLabel = new QLabel(QStringLiteral("分辩率:"), this);
    resolutionLabel->setObjectName(QStringLiteral("ResolutionLabel"));
    m_resolution = new QComboBox(this);
    m_resolution->setObjectName(QStringLiteral("Resolution"));
    m_resolution->addItems({QStringLiteral("2 Color"), QStringLiteral("256 Color"), QStringLiteral("16-Bit"),
                            QStringLiteral("24-Bit")});
    m_resolution->setCurrentIndex(3);
    resolutionLabel->setBuddy(m_resolution);

    auto* ok = new QPushButton(QStringLiteral("确定"), this);
    ok->setObjectName(QStringLiteral("OK_BM"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("取消"), this);
    cancel->setObjectName(QStringLiteral("Cancel_BM"));
    connect(ok, &QPushButton::clicked, this, &TSetImage::OK_BMClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* resolutionRow = new QHBoxLayout;
    resolutionRow->addWidget(resolutionLabel);
    resolutionRow->addWidget(m_resolution, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(turnGroup);
    layout->addLayout(resolutionRow);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TSetImage::Load(const TObjectInfo& object)
{
    m_editInfo = object;
    m_turns->button(0)->setChecked(true);
}

void TSetImage::OK_BMClick()
{
    m_editInfo.Angle = int16_t(m_turns->checkedId());
    emit ObjectInfoAccepted(m_editInfo.ObjectIndex, m_editInfo);
    accept();
}

} // namespace tessarine
