#include "colorbox.h"

#include <QColorDialog>
#include <QPainter>
#include <QPixmap>
#include <QSignalBlocker>

#include <array>

namespace tessarine {

namespace {

struct TNamedColor
{
    TColor Color;
    const char* Name;
};

constexpr std::array<TNamedColor, 16> kStandardColors{{
    {0x000000, "Black"},
    {0x000080, "Maroon"},
    {0x008000, "Green"},
    {0x008080, "Olive"},
    {0x800000, "Navy"},
    {0x800080, "Purple"},
    {0x808000, "Teal"},
    {0x808080, "Gray"},
    {0xC0C0C0, "Silver"},
    {0x0000FF, "Red"},
    {0x00FF00, "Lime"},
    {0x00FFFF, "Yellow"},
    {0xFF0000, "Blue"},
    {0xFF00FF, "Fuchsia"},
    {0xFFFF00, "Aqua"},
    {0xFFFFFF, "White"},
}};

constexpr int kColorRole = Qt::UserRole;

QIcon Swatch(TColor color)
{
    QPixmap pixmap(16, 12);
    pixmap.fill(ToQColor(color));
    QPainter painter(&pixmap);
    painter.setPen(Qt::black);
    painter.drawRect(0, 0, pixmap.width() - 1, pixmap.height() - 1);
    return QIcon(pixmap);
}

} // namespace

TColorBox::TColorBox(QWidget* parent) : QComboBox(parent)
{
    for (const TNamedColor& named : kStandardColors)
        addItem(Swatch(named.Color), QString::fromLatin1(named.Name), int(named.Color));
    addItem(QStringLiteral("其它..."));
    connect(this, qOverload<int>(&QComboBox::activated), this, &TColorBox::EntryActivated);
    Show(selected_);
}

void TColorBox::SetSelected(TColor color)
{
    selected_ = color;
    Show(color);
}

int TColorBox::IndexOf(TColor color) const
{
    for (int i = 0; i < count(); ++i) {
        const QVariant value = itemData(i, kColorRole);
        if (value.isValid() && TColor(value.toInt()) == color)
            return i;
    }
    return -1;
}

void TColorBox::Show(TColor color)
{
    const QSignalBlocker blocker(this);
    int index = IndexOf(color);
    if (index < 0) {
        // One custom entry at the top, replaced by the next colour outside the standard ones.
        if (itemData(0, kColorRole).isValid() && count() > int(kStandardColors.size()) + 1)
            removeItem(0);
        insertItem(0, Swatch(color),
                   QStringLiteral("$%1").arg(
                       QString::number(quint32(color), 16).toUpper().rightJustified(8, QLatin1Char('0'))),
                   int(color));
        index = 0;
    }
    setCurrentIndex(index);
}

void TColorBox::EntryActivated(int index)
{
    const QVariant value = itemData(index, kColorRole);
    TColor chosen = selected_;
    if (value.isValid()) {
        chosen = TColor(value.toInt());
    } else {
        const QColor picked = QColorDialog::getColor(ToQColor(selected_), this);
        if (picked.isValid())
            chosen = RGBColor(picked.red(), picked.green(), picked.blue());
    }
    SetSelected(chosen);
    emit SelectedChanged(chosen);
}

} // namespace tessarine
