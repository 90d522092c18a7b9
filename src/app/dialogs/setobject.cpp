#include "setobject.h"

#include "colorstrip.h"

#include "platform/gdistyle.h"

#include <QButtonGroup>
#include <QColorDialog>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <cmath>

namespace tessarine {

namespace {

constexpr Qt::PenStyle kLineStylePens[] = {
    Qt::SolidLine,      Qt::DashLine, Qt::DotLine,   Qt::DashDotLine,
    Qt::DashDotDotLine, Qt::DashLine, Qt::SolidLine,
};

constexpr Qt::BrushStyle kFillStyleBrushes[] = {
    Qt::SolidPattern, Qt::NoBrush,      Qt::HorPattern,   Qt::VerPattern,
    Qt::FDiagPattern, Qt::BDiagPattern, Qt::CrossPattern, Qt::DiagCrossPattern,
};

// A line in one pen style from (1, 8) to (80, 8) on the button face.
QPixmap LineStylePicture(Qt::PenStyle style, const QColor& face)
{
    QPixmap picture(82, 16);
    picture.fill(face);
    QPainter painter(&picture);
    painter.setPen(QPen(Qt::black, 1, style));
    painter.drawLine(1, 8, 80, 8);
    return picture;
}

// A swatch filled with one brush style, painted as the canvas paints it.
QPixmap FillStylePicture(Qt::BrushStyle style)
{
    QPixmap picture(48, 28);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(QBrush(Qt::black, style));
    painter.drawRect(0, 0, 47, 27);
    return picture;
}

void PaintSample(QFrame* sample, TColor color)
{
    QPalette palette = sample->palette();
    palette.setColor(QPalette::Window, ToQColor(color));
    sample->setPalette(palette);
    sample->update();
}

QFrame* MakeSample(const char* name, QWidget* parent)
{
    auto* sample = new QFrame(parent);
    sample->setObjectName(QString::fromLatin1(name));
    sample->setFrameShape(QFrame::Box);
    sample->setAutoFillBackground(true);
    sample->setFixedSize(36, 22);
    return sample;
}

QLocale NumberLocale()
{
    QLocale locale = QLocale::c();
    locale.setNumberOptions(QLocale::RejectGroupSeparator | QLocale::OmitGroupSeparator);
    return locale;
}

} // namespace

TSetObject::TSetObject(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("SetObject"));
    setWindowTitle(QStringLiteral("SetObject"));

    m_pages = new QTabWidget(this);
    m_pages->setObjectName(QStringLiteral("PageControl1"));
    m_pages->setTabPosition(QTabWidget::South);
    m_pages->addTab(MakeBorderPage(), QStringLiteral("边框"));
    m_pages->addTab(MakeFillPage(), QStringLiteral("填充"));
    auto* statePage = new QWidget(m_pages);
    statePage->setObjectName(QStringLiteral("StateSheet"));
    m_pages->addTab(statePage, QStringLiteral("状态"));

    auto* ok = new QPushButton(QStringLiteral("确定"), this);
    ok->setObjectName(QStringLiteral("OK_BM"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("取消"), this);
    cancel->setObjectName(QStringLiteral("Cancel_BM"));
    connect(ok, &QPushButton::clicked, this, &TSetObject::OK_BMClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pages);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    SetPenColorSample(clBlack);
    SetBrushColorSample(clWhite);
}

QWidget* TSetObject::MakeBorderPage()
{
    auto* page = new QWidget(m_pages);
    page->setObjectName(QStringLiteral("BorderSheet"));

    auto* lineGroup = new QGroupBox(QStringLiteral("线条设置"), page);
    lineGroup->setObjectName(QStringLiteral("LineGroup"));
    auto* arcLabel = new QLabel(QStringLiteral("弧角"), lineGroup);
    arcLabel->setObjectName(QStringLiteral("ArcSizeLabel"));
    m_arcSize = new QLineEdit(lineGroup);
    m_arcSize->setObjectName(QStringLiteral("ArcSize"));
    arcLabel->setBuddy(m_arcSize);
    auto* widthLabel = new QLabel(QStringLiteral("线宽度"), lineGroup);
    widthLabel->setObjectName(QStringLiteral("PenWidthLabel"));
    m_penWidth = new QLineEdit(lineGroup);
    m_penWidth->setObjectName(QStringLiteral("PenWidth"));
    widthLabel->setBuddy(m_penWidth);
    m_penWidth->installEventFilter(this);
    for (QLineEdit* edit : {m_arcSize, m_penWidth})
        edit->setFixedWidth(72);

    auto* styleGroup = new QGroupBox(QStringLiteral("线条形态"), lineGroup);
    styleGroup->setObjectName(QStringLiteral("PenStyleGroup"));
    m_lineStyles = new QButtonGroup(this);
    auto* styleLayout = new QVBoxLayout(styleGroup);
    const QColor face = palette().color(QPalette::Button);
    for (int i = 0; i < int(kLineStyleChoices.size()); ++i) {
        auto* choice = new QRadioButton(styleGroup);
        choice->setObjectName(QStringLiteral("PenStyle%1").arg(i));
        choice->setIcon(LineStylePicture(kLineStylePens[i], face));
        choice->setIconSize(QSize(82, 16));
        m_lineStyles->addButton(choice, i);
        styleLayout->addWidget(choice);
    }
    m_lineStyles->button(0)->setChecked(true);

    auto* lineLayout = new QGridLayout(lineGroup);
    lineLayout->addWidget(arcLabel, 0, 0);
    lineLayout->addWidget(m_arcSize, 0, 1);
    lineLayout->addWidget(widthLabel, 1, 0);
    lineLayout->addWidget(m_penWidth, 1, 1);
    lineLayout->addWidget(styleGroup, 2, 0, 1, 2);

    auto* colorGroup = new QGroupBox(QStringLiteral("颜色盒"), page);
    colorGroup->setObjectName(QStringLiteral("ColorGroup"));
    m_colorStrip = new TColorStrip(colorGroup);
    m_colorStrip->setObjectName(QStringLiteral("ColorStrip"));
    connect(m_colorStrip, &TColorStrip::ColorHovered, this, &TSetObject::SetPenColorSample);
    m_penColorTest = MakeSample("PenColorTest", colorGroup);
    m_brushColorTest = MakeSample("BrushColorTest", colorGroup);
    auto* penColorButton = new QPushButton(QStringLiteral("线条颜色"), colorGroup);
    penColorButton->setObjectName(QStringLiteral("PenColor_BM"));
    auto* brushColorButton = new QPushButton(QStringLiteral("填充颜色"), colorGroup);
    brushColorButton->setObjectName(QStringLiteral("BrushColor_BM"));
    connect(penColorButton, &QPushButton::clicked, this, &TSetObject::PenColor_BMClick);
    connect(brushColorButton, &QPushButton::clicked, this, &TSetObject::BrushColor_BMClick);

    auto* areaGroup = new QGroupBox(QStringLiteral("填充区域"), colorGroup);
    areaGroup->setObjectName(QStringLiteral("BrushArea"));
    m_brushArea = new QButtonGroup(this);
    m_clearArea = new QRadioButton(QStringLiteral("透明"), areaGroup);
    m_clearArea->setObjectName(QStringLiteral("BrushArea0"));
    m_opaqueArea = new QRadioButton(QStringLiteral("不透明"), areaGroup);
    m_opaqueArea->setObjectName(QStringLiteral("BrushArea1"));
    m_brushArea->addButton(m_clearArea, 0);
    m_brushArea->addButton(m_opaqueArea, 1);
    m_clearArea->setChecked(true);
    auto* areaLayout = new QVBoxLayout(areaGroup);
    areaLayout->addWidget(m_clearArea);
    areaLayout->addWidget(m_opaqueArea);

    auto* samples = new QGridLayout;
    samples->addWidget(m_penColorTest, 0, 0);
    samples->addWidget(penColorButton, 0, 1);
    samples->addWidget(m_brushColorTest, 1, 0);
    samples->addWidget(brushColorButton, 1, 1);
    samples->addWidget(areaGroup, 2, 0, 1, 2);
    samples->setRowStretch(3, 1);
    auto* colorLayout = new QHBoxLayout(colorGroup);
    colorLayout->addWidget(m_colorStrip, 0, Qt::AlignTop);
    colorLayout->addLayout(samples);

    auto* layout = new QHBoxLayout(page);
    layout->addWidget(lineGroup);
    layout->addWidget(colorGroup);
    return page;
}

QWidget* TSetObject::MakeFillPage()
{
    auto* page = new QWidget(m_pages);
    page->setObjectName(QStringLiteral("FillSheet"));
    auto* group = new QGroupBox(QStringLiteral("填充内容"), page);
    group->setObjectName(QStringLiteral("FillGroup"));
    m_fillStyles = new QButtonGroup(this);
    auto* grid = new QGridLayout(group);
    for (int i = 0; i < 8; ++i) {
        auto* choice = new QRadioButton(group);
        choice->setObjectName(QStringLiteral("BrushStyle%1").arg(i));
        choice->setIcon(FillStylePicture(kFillStyleBrushes[i]));
        choice->setIconSize(QSize(48, 28));
        m_fillStyles->addButton(choice, i);
        grid->addWidget(choice, i / 4, i % 4);
    }
    m_fillStyles->button(0)->setChecked(true);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(group);
    layout->addStretch();
    return page;
}

void TSetObject::Load(const TObjectInfo& object)
{
    m_editInfo = object;
    SetPenColorSample(object.PenColor);
    SetBrushColorSample(object.BrushColor);
    m_penWidth->setText(QString::asprintf("%4.2f", object.PenWidth));
    m_arcSize->setText(QString::asprintf("%4.2f", object.CornerRadius));

    if (QAbstractButton* fill = m_fillStyles->button(object.BrushStyle))
        fill->setChecked(true);
    (object.BrushStyle == bsClear ? m_clearArea : m_opaqueArea)->setChecked(true);

    // The line-style choice follows the object, so OK without touching it keeps the style.
    // Dash (1) takes the first dash choice; the clear pen (5) has no choice, so none is
    // selected and OK keeps it.
    m_lineStyles->setExclusive(false);
    for (QAbstractButton* choice : m_lineStyles->buttons())
        choice->setChecked(false);
    for (int i = 0; i < int(kLineStyleChoices.size()); ++i) {
        if (kLineStyleChoices[size_t(i)] == object.PenStyle) {
            m_lineStyles->button(i)->setChecked(true);
            break;
        }
    }
    m_lineStyles->setExclusive(true);
    m_pages->setCurrentIndex(0);
}

TSetObject::TLength TSetObject::ReadLength(const QString& text, double* value)
{
    bool ok = false;
    const double number = NumberLocale().toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(number))
        return TLength::NotANumber;
    if (number < 0 || number > kMaximumLength)
        return TLength::OutOfRange;
    *value = number;
    return TLength::Valid;
}

QString TSetObject::CompleteWidthText(const QString& text)
{
    const QString trimmed = text.trimmed();
    bool whole = false;
    const qlonglong number = NumberLocale().toLongLong(trimmed, &whole);
    if (whole && number > 0 && !trimmed.contains(QLatin1Char('.')))
        return trimmed + QStringLiteral(".0");
    return text;
}

bool TSetObject::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_penWidth) {
        if (event->type() == QEvent::FocusOut) {
            m_penWidth->setText(CompleteWidthText(m_penWidth->text()));
        } else if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                // Enter completes the number; it does not close the dialog.
                m_penWidth->setText(CompleteWidthText(m_penWidth->text()));
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TSetObject::OK_BMClick()
{
    double width = 0;
    double corner = 0;
    for (auto [edit, value] : {std::pair{m_penWidth, &width}, std::pair{m_arcSize, &corner}}) {
        const TLength read = ReadLength(edit->text(), value);
        if (read == TLength::Valid)
            continue;
        const QString message =
            read == TLength::NotANumber
                ? QStringLiteral("'%1' is not a valid floating point value").arg(edit->text())
                : QStringLiteral("线宽度和弧角须在0到%1之间").arg(kMaximumLength);
        QMessageBox::critical(this, windowTitle(), message);
        edit->setFocus();
        return;
    }
    m_editInfo.PenWidth = width;
    m_editInfo.CornerRadius = corner;
    m_editInfo.PenColor = m_penColor;
    m_editInfo.BrushColor = m_brushColor;
    m_editInfo.BrushStyle = uint8_t(qMax(0, m_fillStyles->checkedId()));
    if (const int lineChoice = m_lineStyles->checkedId(); lineChoice >= 0)
        m_editInfo.PenStyle = kLineStyleChoices[size_t(lineChoice)];
    if (m_clearArea->isChecked())
        m_editInfo.BrushStyle = bsClear;
    emit ObjectInfoAccepted(m_editInfo.ObjectIndex, m_editInfo);
    accept();
}

bool TSetObject::ChooseColor(TColor* color)
{
    QColorDialog dialog(ToQColor(*color), this);
    dialog.setObjectName(QStringLiteral("ColorDialog1"));
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    const QColor chosen = dialog.selectedColor();
    *color = RGBColor(chosen.red(), chosen.green(), chosen.blue());
    return true;
}

// A cancelled colour dialog leaves the sample as it was.
void TSetObject::PenColor_BMClick()
{
    TColor color = m_penColor;
    if (ChooseColor(&color))
        SetPenColorSample(color);
}

void TSetObject::BrushColor_BMClick()
{
    TColor color = m_brushColor;
    if (ChooseColor(&color))
        SetBrushColorSample(color);
}

void TSetObject::SetPenColorSample(TColor color)
{
    m_penColor = color;
    PaintSample(m_penColorTest, color);
}

void TSetObject::SetBrushColorSample(TColor color)
{
    m_brushColor = color;
    PaintSample(m_brushColorTest, color);
}

} // namespace tessarine
