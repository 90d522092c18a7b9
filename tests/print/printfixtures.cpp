#include "printfixtures.h"

#include "support/testsupport.h"

#include "data/serialstepping.h"
#include "document/barcodedata.h"
#include "document/textshape.h"

#include "barcode/barcodetypes.h"

#include <QProcess>
#include <QRegularExpression>

namespace tessarine::test {

TLabelLayout TwoByTwoLayout()
{
    TLabelLayout layout;
    layout.PageWidth = 150;
    layout.PageHeight = 80;
    layout.MarginLeft = 5;
    layout.MarginTop = 8;
    layout.Row = 2;
    layout.Column = 2;
    layout.LabelWidth = 65;
    layout.LabelHeight = 30;
    layout.LabelMarginLeft = 5;
    layout.LabelMarginTop = 4;
    return layout;
}

TShapePtr AddBlackBox(TDesignDocument& document, QRect stored)
{
    TShapePtr box = document.CreateShapeForTool(SpRectangle);
    box->AddStoredPoint(stored.topLeft());
    box->AddStoredPoint(QPoint(stored.x() + stored.width(), stored.y() + stored.height()));
    box->Info.Kind = kindBox;
    box->Info.BrushStyle = bsSolid;
    box->Info.BrushColor = clBlack;
    box->Info.PenStyle = psClear;
    box->Info.PenWidth = 1;
    document.AddNewShape(box);
    return box;
}

namespace {

TRecordNo DigitSerial()
{
    TRecordNo serial;
    serial.SerialKind = kSerialDigits;
    serial.Step = 1;
    return serial;
}

} // namespace

TShapePtr AddText(TDesignDocument& document, QPoint at, const QString& text, bool serial)
{
    TShapePtr shape = document.CreateShapeForTool(SpText);
    TLogText& w = shape->Info.WordInfo;
    w.Text = text;
    w.FontName = QStringLiteral("DejaVu Sans");
    w.Height = 24;
    w.Width = 12;
    w.Color = clBlack;
    w.Weight = 400;
    shape->Info.Kind = kindText;
    shape->AddStoredPoint(at);
    shape->AddStoredPoint(at + QPoint(static_cast<TKWZText&>(*shape).CharacterCount() * w.Width, w.Height));
    if (serial) {
        shape->Info.SourceKind = skSerial;
        shape->Info.RecordNo = DigitSerial();
    }
    document.AddNewShape(shape);
    return shape;
}

std::shared_ptr<TShowBarCode> AddCode128(TDesignDocument& document, QRect stored, const QString& data,
                                         bool serial)
{
    auto shape = std::static_pointer_cast<TShowBarCode>(document.CreateShapeForTool(SpBarCode));
    shape->AddStoredPoint(stored.topLeft());
    shape->AddStoredPoint(QPoint(stored.x() + stored.width(), stored.y() + stored.height()));
    TObjectInfo& info = shape->Info;
    info.Kind = kindBarCode;
    info.BarCode.Symbology = bcCode128B;
    info.BarCode.Data = data;
    info.BarCode.BarHeight = stored.height();
    info.BarCode.WidthLevel = 2;
    info.WordInfo.FontName = QStringLiteral("DejaVu Sans");
    info.WordInfo.Height = 14;
    if (serial) {
        info.SourceKind = skSerial;
        info.RecordNo = DigitSerial();
    }
    document.AddNewShape(shape);
    RenderLinearBarcode(*shape);
    return shape;
}

TPdfInfo ReadPdfInfo(const QString& pdf)
{
    QProcess process;
    process.start(QStringLiteral("pdfinfo"), {pdf});
    process.waitForFinished(60000);
    const QString text = QString::fromUtf8(process.readAllStandardOutput());
    TPdfInfo info;
    const QRegularExpressionMatch pages = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(text);
    if (pages.hasMatch())
        info.Pages = pages.captured(1).toInt();
    const QRegularExpressionMatch size =
        QRegularExpression(QStringLiteral("Page size:\\s+([\\d.]+) x ([\\d.]+) pts")).match(text);
    if (size.hasMatch()) {
        info.WidthPt = size.captured(1).toDouble();
        info.HeightPt = size.captured(2).toDouble();
    }
    return info;
}

QImage RenderPdfPage(const QString& pdf, int page, int dpi)
{
    const QString prefix = TempDir() + QStringLiteral("/page");
    QProcess process;
    process.start(QStringLiteral("pdftoppm"),
                  {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-f"), QString::number(page),
                   QStringLiteral("-l"), QString::number(page), QStringLiteral("-png"),
                   QStringLiteral("-singlefile"), pdf, prefix});
    process.waitForFinished(120000);
    return QImage(prefix + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32);
}

QRect DarkBounds(const QImage& image, const QRect& area)
{
    QRect bounds;
    const QRect inside = area & image.rect();
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = inside.left(); x <= inside.right(); ++x)
            if (qGray(line[x]) < 128)
                bounds |= QRect(x, y, 1, 1);
    }
    return bounds;
}

} // namespace tessarine::test
