#include "tools.h"

#include <QButtonGroup>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWindow>

namespace tessarine {

namespace {

using IconPainter = void (*)(QPainter&);

struct TToolEntry
{
    const char* name;
    TDrawTool tool;
    const char* hint; // UTF-8, empty for none
    bool ungroup;     // the single selected object leaves its group, and the selection clears
    IconPainter icon;
};

const QColor kInk(30, 30, 30);

void SelectIcon(QPainter& p)
{
    const QPointF arrow[] = {{4, 1}, {4, 13}, {7, 10}, {9.5, 15}, {11, 14.3}, {8.7, 9.5}, {12.5, 9.5}};
    p.setPen(QPen(kInk, 1));
    p.setBrush(Qt::white);
    p.drawPolygon(arrow, 7);
}

void TextIcon(QPainter& p)
{
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setPixelSize(14);
    font.setBold(true);
    p.setFont(font);
    p.setPen(kInk);
    p.drawText(QRectF(0, 0, 16, 16), Qt::AlignCenter, QStringLiteral("A"));
}

void LinesTextIcon(QPainter& p)
{
    p.setPen(QPen(kInk, 1.5));
    for (int y : {3, 7, 11})
        p.drawLine(QPointF(2, y + 0.5), QPointF(14, y + 0.5));
    p.drawLine(QPointF(2, 14.5), QPointF(9, 14.5));
}

void LineIcon(QPainter& p)
{
    p.setPen(QPen(kInk, 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(2.5, 13.5), QPointF(13.5, 2.5));
}

void RectangleIcon(QPainter& p)
{
    p.setPen(QPen(kInk, 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(2.5, 3.5, 11, 9));
}

void EllipseIcon(QPainter& p)
{
    p.setPen(QPen(kInk, 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(1.5, 3.5, 13, 9));
}

void BarCodeIcon(QPainter& p)
{
    const int bars[][2] = {{2, 1}, {4, 2}, {7, 1}, {9, 1}, {11, 2}, {14, 1}};
    for (const auto& bar : bars)
        p.fillRect(QRect(bar[0], 2, bar[1], 12), kInk);
}

void ImageIcon(QPainter& p)
{
    p.setPen(QPen(kInk, 1));
    p.setBrush(QColor(220, 235, 250));
    p.drawRect(QRectF(1.5, 2.5, 13, 11));
    QPainterPath hills;
    hills.moveTo(2, 13);
    hills.lineTo(6, 7);
    hills.lineTo(9, 11);
    hills.lineTo(11, 9);
    hills.lineTo(14, 13);
    hills.closeSubpath();
    p.fillPath(hills, QColor(60, 130, 60));
    p.setBrush(QColor(240, 180, 30));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(11, 5.5), 1.6, 1.6);
}

void Pdf417Icon(QPainter& p)
{
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < 6; ++column)
            if ((row * 5 + column * 3) % 4 != 0)
                p.fillRect(QRect(2 + column * 2, 2 + row * 3, column % 2 ? 2 : 1, 3), kInk);
    p.fillRect(QRect(1, 2, 1, 12), kInk);
    p.fillRect(QRect(14, 2, 1, 12), kInk);
}

void CloseFullScreenIcon(QPainter& p)
{
    p.setPen(QPen(kInk, 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(1.5, 1.5, 13, 13));
    p.fillRect(QRectF(2, 2, 12, 3), QColor(10, 36, 106));
    p.setPen(QPen(kInk, 1.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(5.5, 7.5), QPointF(10.5, 12.5));
    p.drawLine(QPointF(10.5, 7.5), QPointF(5.5, 12.5));
}

const TToolEntry kTools[] = {
    {"SelectButton", SpSelecting, "", true, SelectIcon},
    {"TextButton", SpText, "按住鼠标左键即可生成文字框", true, TextIcon},
    {"LinesTextButton", SpLinesText, "按住鼠标左键即可生成文字框", false, LinesTextIcon},
    {"LineButton", SpRuleLine, "按住鼠标左键并且移动可生成一条线条", true, LineIcon},
    {"RectangleButton", SpRectangle, "按住鼠标左键并且移动可生成一个矩形", true, RectangleIcon},
    {"EllipseButton", SpEllipse, "按住鼠标左键并且移动可生成一个椭圆", true, EllipseIcon},
    {"BarCodeButton", SpBarCode, "按住鼠标左键即可生成条形码", true, BarCodeIcon},
    {"ImageButton", SpImage, "按住鼠标左键即可插入图片", true, ImageIcon},
    {"PDF417Button", SpBarCodePDF417, "按住鼠标左键即可生成PDF417码", true, Pdf417Icon},
};

QIcon PaintIcon(IconPainter paint)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    paint(painter);
    return QIcon(pixmap);
}

QToolButton* MakeButton(const char* name, const char* hint, IconPainter icon, QWidget* parent)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setToolTip(QString::fromUtf8(hint));
    button->setIcon(PaintIcon(icon));
    button->setIconSize(QSize(16, 16));
    button->setFixedSize(TTools::kWidth, TTools::kWidth);
    button->setAutoRaise(true);
    button->setCursor(Qt::ArrowCursor);
    return button;
}

// The strip at the top of the palette: pressing it moves the window. The window system does
// the moving where it can; elsewhere the strip follows the pointer itself.
class TMoveBar : public QWidget
{
public:
    explicit TMoveBar(QWidget* parent) : QWidget(parent)
    {
        setObjectName(QStringLiteral("MoveBar"));
        setFixedSize(TTools::kWidth, 8);
        setCursor(Qt::SizeAllCursor);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), QColor(10, 36, 106));
        painter.setPen(QColor(166, 202, 240));
        painter.drawLine(4, 3, width() - 5, 3);
        painter.drawLine(4, 5, width() - 5, 5);
    }

    void mousePressEvent(QMouseEvent* event) override
    {
        if (event->button() != Qt::LeftButton)
            return;
        QWidget* palette = window();
        m_systemMove = palette->windowHandle() && palette->windowHandle()->startSystemMove();
        m_grabOffset = event->globalPosition().toPoint() - palette->pos();
    }

    void mouseMoveEvent(QMouseEvent* event) override
    {
        if (!m_systemMove && (event->buttons() & Qt::LeftButton))
            window()->move(event->globalPosition().toPoint() - m_grabOffset);
    }

private:
    bool m_systemMove = false;
    QPoint m_grabOffset;
};

} // namespace

TTools::TTools(TDesignDocument& document, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), m_document(document)
{
    setObjectName(QStringLiteral("Tools"));
    setWindowTitle(QStringLiteral("Tools"));
    setWindowOpacity(200.0 / 255.0);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(new TMoveBar(this));

    m_buttons = new QButtonGroup(this);
    for (const TToolEntry& entry : kTools) {
        QToolButton* button = MakeButton(entry.name, entry.hint, entry.icon, this);
        button->setCheckable(true);
        m_buttons->addButton(button, entry.tool);
        layout->addWidget(button);
        const TDrawTool tool = entry.tool;
        const bool ungroup = entry.ungroup;
        connect(button, &QToolButton::clicked, this, [this, tool, ungroup] { ChooseTool(tool, ungroup); });
    }
    m_buttons->button(SpSelecting)->setChecked(true);
    m_buttons->button(SpBarCodePDF417)->setEnabled(false);

    m_fullScreenPanel = new QWidget(this);
    m_fullScreenPanel->setObjectName(QStringLiteral("FullScreenPanel"));
    auto* panelLayout = new QVBoxLayout(m_fullScreenPanel);
    panelLayout->setContentsMargins(0, 4, 0, 0);
    QToolButton* close =
        MakeButton("CloseFullScreenButton", "关闭全屏方式显示", CloseFullScreenIcon, m_fullScreenPanel);
    panelLayout->addWidget(close);
    connect(close, &QToolButton::clicked, this, &TTools::CloseFullScreenClick);
    layout->addWidget(m_fullScreenPanel);
    m_fullScreenPanel->hide();

    setFixedWidth(kWidth);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QPoint TTools::PalettePosition(QSize clientSize, int scrollBoxTop, int scrollBoxHeight)
{
    return QPoint(clientSize.width() - kWidth - 22,
                  clientSize.height() + scrollBoxTop - scrollBoxHeight + 28);
}

void TTools::SetFullScreenMode(bool fullScreen)
{
    m_fullScreenMode = fullScreen;
    m_fullScreenPanel->setVisible(fullScreen);
    adjustSize();
}

QAbstractButton* TTools::ToolButton(TDrawTool tool) const
{
    return m_buttons->button(tool);
}

void TTools::ShowTool(TDrawTool tool)
{
    if (QAbstractButton* button = m_buttons->button(tool))
        button->setChecked(true);
}

void TTools::ChooseTool(TDrawTool tool, bool ungroup)
{
    m_document.ShapeTool = tool;
    if (ungroup)
        m_document.Ungroup(m_document.SingleSelected());
    emit ToolChosen(tool);
}

void TTools::CloseFullScreenClick()
{
    // The main window leaves full-screen mode and calls SetFullScreenMode(false) as it does.
    SetFullScreenMode(false);
    emit LeaveFullScreenRequested();
}

} // namespace tessarine
