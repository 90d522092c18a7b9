#include "samplelabel.h"

#include "document/barcodedata.h"
#include "document/barcodeshapes.h"
#include "document/boxshapes.h"
#include "document/designdocument.h"
#include "document/textshape.h"

#include <QPainter>

namespace tessarine {

namespace {

QImage SampleLogo()
{
    QImage logo(48, 48, QImage::Format_RGB888);
    logo.fill(Qt::white);
    QPainter painter(&logo);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(QColor(0x1F, 0x5F, 0xA8));
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(QRect(2, 2, 44, 44));
    painter.setBrush(Qt::white);
    painter.drawRect(QRect(14, 12, 20, 6));
    painter.drawRect(QRect(21, 12, 6, 24));
    return logo;
}

TShapePtr AddText(TDesignDocument& doc, TDrawTool tool, QPoint at, const QString& text, int points, bool bold,
                  QPoint size = {})
{
    const TShapePtr shape = doc.CreateShapeForTool(tool);
    shape->AddPoint(at);
    TLogText& w = shape->Info.WordInfo;
    w.Text = text;
    w.FontName = QStringLiteral("宋体");
    w.CharSet = GB2312_CHARSET;
    w.Height = TDesignDocument::PointsToHeight(points);
    w.Width = TDesignDocument::PointsToWidth(points);
    w.Color = clBlack;
    w.Weight = bold ? 900 : 400;
    shape->Info.Kind = tool == SpText ? kindText : kindLinesText;
    if (tool == SpText)
        shape->AddPoint(at + QPoint(static_cast<TKWZText&>(*shape).CharacterCount() * w.Width, w.Height));
    else
        shape->AddPoint(at + size);
    doc.AddNewShape(shape);
    return shape;
}

} // namespace

void BuildSampleLabel(TDesignDocument& doc, TLabelLayout& layout, TSourceDataBase& source)
{
    // As the designer shows it: the label in white on the desktop colour.
    doc.SetColorOfBackGround(clBackground);
    doc.EditALeft = 0;
    doc.EditATop = 0;
    doc.EditARight = 80;
    doc.EditABottom = 50;
    doc.FileInfo.Title = QStringLiteral("示例标签");
    doc.FileInfo.Author = QStringLiteral("Tessarine");
    doc.FileInfo.Information = QStringLiteral("Tessarine 自带的示例: 产品标签 80 x 50 mm");

    const TShapePtr frame = doc.CreateShapeForTool(SpRectangle);
    frame->AddPoint({6, 6});
    frame->AddPoint({296, 183});
    frame->Info.Kind = kindBox;
    frame->Info.BrushStyle = bsClear;
    frame->Info.PenWidth = 2;
    frame->Info.CornerRadius = 16;
    frame->Pen.Color = clBlack;
    doc.AddNewShape(frame);

    const TShapePtr logo = doc.CreateShapeForTool(SpImage);
    logo->AddPoint({16, 14});
    logo->AddPoint({56, 54});
    logo->Info.Kind = kindImage;
    static_cast<TKWZImage&>(*logo).Picture.SetImage(SampleLogo());
    doc.AddNewShape(logo);

    AddText(doc, SpText, {66, 16}, QStringLiteral("Tessarine 标签"), 14, true);
    AddText(doc, SpText, {66, 40}, QStringLiteral("产品名称: 绿茶 500g"), 9, false);

    const TShapePtr rule = doc.CreateShapeForTool(SpRuleLine);
    rule->AddPoint({16, 62});
    rule->AddPoint({286, 62});
    rule->Info.Kind = kindLine;
    rule->Info.PenWidth = 1;
    doc.AddNewShape(rule);

    AddText(doc, SpLinesText, {16, 68},
            QStringLiteral("批号: 20261209\t产地: 杭州\n保质期: 18 个月, 请置于阴凉干燥处。"), 8, false, {270, 36});

    const TShapePtr barcode = doc.CreateShapeForTool(SpBarCode);
    barcode->AddPoint({30, 98});
    barcode->AddPoint({260, 172});
    TObjectInfo& b = barcode->Info;
    b.Kind = kindBarCode;
    b.BarCode.Symbology = 6; // Code 128 B
    b.BarCode.Data = QStringLiteral("TS-20261209-42");
    b.BarCode.BarHeight = 40;
    b.BarCode.WidthLevel = 2;
    b.BarCode.TextGap = 2;
    b.BarCode.ShowText = true;
    b.WordInfo.FontName = QStringLiteral("宋体");
    b.WordInfo.Height = 16;
    b.WordInfo.CharSet = GB2312_CHARSET;
    b.WordInfo.Format = 1;
    doc.AddNewShape(barcode);
    QString settled;
    auto& symbol = static_cast<TShowBarCode&>(*barcode);
    if (RenderLinearBarcode(symbol, &settled)) {
        b.BarCode.Data = settled;
        // Unstretched: one picture pixel on one screen pixel.
        symbol.Points[1] = symbol.Points[0] + QPoint(symbol.BarBitmap.Width(), symbol.BarBitmap.Height());
    }

    layout = TLabelLayout{};
    layout.Zoom = 1.0;
    layout.BackGroundColor = clGray;
    layout.LabelColor = clWhite;
    layout.PrintLabelColor = clWhite;
    layout.LabelEllipse = 10;
    layout.PageWidth = 210;
    layout.PageHeight = 297;
    layout.MarginLeft = 15;
    layout.MarginTop = 16;
    layout.Row = 5;
    layout.Column = 2;
    layout.LabelWidth = 80;
    layout.LabelHeight = 50;
    layout.LabelMarginLeft = 20;
    layout.LabelMarginTop = 5;
    layout.LabelStart = 1;
    layout.LabelTotal = 10;
    layout.ShowStartEnd = 0;
    source = TSourceDataBase{};
}

} // namespace tessarine
