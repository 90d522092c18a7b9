#include "aboutbox.h"

#include <QFont>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QVBoxLayout>

namespace tessarine {

namespace {

// A label with a barcode on it: the program's emblem.
QPixmap Emblem()
{
    QPixmap emblem(64, 64);
    emblem.fill(Qt::transparent);
    QPainter p(&emblem);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath tag;
    tag.moveTo(14, 6);
    tag.lineTo(50, 6);
    tag.lineTo(58, 14);
    tag.lineTo(58, 58);
    tag.lineTo(6, 58);
    tag.lineTo(6, 14);
    tag.closeSubpath();
    p.setPen(QPen(QColor(22, 94, 168), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::white);
    p.drawPath(tag);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(22, 94, 168));
    p.drawEllipse(QPointF(32, 14), 3, 3);
    const int bars[][2] = {{14, 2}, {18, 1}, {21, 3}, {26, 1}, {29, 2},
                           {33, 1}, {36, 3}, {41, 1}, {44, 2}, {48, 1}};
    for (const auto& bar : bars)
        p.fillRect(QRect(bar[0], 24, bar[1], 22), QColor(26, 26, 26));
    p.fillRect(QRect(14, 49, 36, 3), QColor(215, 25, 32));
    return emblem;
}

} // namespace

QString TAboutBox::VersionLine(const QString& versionText, const QString& buildText)
{
    return versionText + QStringLiteral("  ") + buildText;
}

TAboutBox::TAboutBox(const QString& versionText, const QString& buildText, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("关于Tessarine"));

    auto* emblem = new QLabel(this);
    emblem->setObjectName(QStringLiteral("ProgramIcon"));
    emblem->setPixmap(Emblem());
    auto* product = new QLabel(QStringLiteral("Tessarine"), this);
    product->setObjectName(QStringLiteral("ProductName"));
    QFont big = product->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    product->setFont(big);
    auto* purpose = new QLabel(QStringLiteral("标签排版设计"), this);
    purpose->setObjectName(QStringLiteral("Comments"));
    auto* version = new QLabel(VersionLine(versionText, buildText), this);
    version->setObjectName(QStringLiteral("Version"));

    auto* ok = new QPushButton(QStringLiteral("确定"), this);
    ok->setObjectName(QStringLiteral("OK_BM"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* texts = new QVBoxLayout;
    texts->addWidget(product);
    texts->addWidget(purpose);
    texts->addWidget(version);
    texts->addStretch();
    auto* top = new QHBoxLayout;
    top->addWidget(emblem, 0, Qt::AlignTop);
    top->addSpacing(12);
    top->addLayout(texts);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace tessarine
