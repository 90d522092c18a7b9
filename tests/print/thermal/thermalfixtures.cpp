#include "thermalfixtures.h"

#include "print/thermal/graphicencoders.h"

#include "data/serialstepping.h"
#include "document/barcodedata.h"
#include "document/textshape.h"

namespace tessarine::test {

void SetLabelOutline(TDesignDocument& document, int width, int height)
{
    document.EditALeft = 0;
    document.EditATop = 0;
    document.EditARight = int16_t(width);
    document.EditABottom = int16_t(height);
}

TLabelLayout GridLayout(int rows, int columns, double gap, double pageWidth)
{
    TLabelLayout layout;
    layout.PageWidth = pageWidth;
    layout.PageHeight = 100;
    layout.Row = int16_t(rows);
    layout.Column = int16_t(columns);
    layout.LabelMarginLeft = gap;
    layout.LabelMarginTop = gap;
    return layout;
}

TPrinterSettings ThermalSettings(int32_t currentId, int32_t dpi, int32_t hot, int32_t rate)
{
    TPrinterSettings settings;
    settings.P_Current_ID = currentId;
    settings.P_DPI = dpi;
    settings.P_Current_Hot = hot;
    settings.P_Rate = rate;
    settings.P_Current_Port = QStringLiteral("LPT1");
    return settings;
}

TShapePtr AddShape(TDesignDocument& document, TDrawTool tool, QPoint p0, QPoint p1)
{
    TShapePtr shape = document.CreateShapeForTool(tool);
    shape->AddStoredPoint(p0);
    shape->AddStoredPoint(p1);
    document.AddNewShape(shape);
    return shape;
}

TShapePtr AddText(TDesignDocument& document, QPoint at, const QString& text, bool serial)
{
    TShapePtr shape = document.CreateShapeForTool(SpText);
    TLogText& w = shape->Info.WordInfo;
    w.Text = text;
    w.FontName = QStringLiteral("DejaVu Sans");
    w.Height = 24;
    w.Width = 12;
    w.Weight = 400;
    shape->Info.Kind = kindText;
    shape->AddStoredPoint(at);
    shape->AddStoredPoint(at + QPoint(static_cast<TKWZText&>(*shape).CharacterCount() * w.Width, w.Height));
    if (serial) {
        shape->Info.SourceKind = skSerial;
        shape->Info.RecordNo.SerialKind = kSerialDigits;
        shape->Info.RecordNo.Step = 1;
    }
    document.AddNewShape(shape);
    return shape;
}

std::shared_ptr<TShowBarCode> AddBarcode(TDesignDocument& document, QPoint p0, QPoint p1, uint8_t symbology,
                                         const QString& data)
{
    auto shape = std::static_pointer_cast<TShowBarCode>(document.CreateShapeForTool(SpBarCode));
    shape->AddStoredPoint(p0);
    shape->AddStoredPoint(p1);
    TObjectInfo& info = shape->Info;
    info.Kind = kindBarCode;
    info.BarCode.Symbology = symbology;
    info.BarCode.Data = data;
    info.BarCode.BarHeight = 50;
    info.BarCode.WidthLevel = 2;
    info.WordInfo.FontName = QStringLiteral("DejaVu Sans");
    info.WordInfo.Height = 14;
    info.WordInfo.Width = 7;
    document.AddNewShape(shape);
    RenderLinearBarcode(*shape);
    return shape;
}

QImage OneBitFromRows(const QStringList& rows)
{
    QImage picture(rows.isEmpty() ? 0 : int(rows[0].size()), int(rows.size()), QImage::Format_RGB32);
    for (int y = 0; y < rows.size(); ++y) {
        for (int x = 0; x < rows[y].size(); ++x)
            picture.setPixel(x, y, rows[y][x] == QLatin1Char('#') ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
    }
    return ToOneBit(picture);
}

QByteArray Hex(const char* pairs)
{
    return QByteArray::fromHex(QByteArray(pairs).replace(' ', ""));
}

} // namespace tessarine::test
