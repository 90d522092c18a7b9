#include "documentjson.h"

#include "document/barcodeshapes.h"
#include "document/boxshapes.h"
#include "document/designdocument.h"

#include <QJsonArray>

namespace tessarine {

namespace {

// Colours as their unsigned 32-bit value, so system colours read as 0x8000000n.
QJsonValue Color(TColor c)
{
    return qint64(uint32_t(c));
}

QJsonArray Doubles(const std::array<double, 4>& values)
{
    QJsonArray array;
    for (double v : values)
        array.append(v);
    return array;
}

QJsonObject LogTextJson(const TLogText& w)
{
    return {{"Text", w.Text},         {"DC", w.DC},
            {"X", w.X},               {"Y", w.Y},
            {"FontName", w.FontName}, {"CharSet", w.CharSet},
            {"Height", w.Height},     {"Width", w.Width},
            {"Color", Color(w.Color)}, {"Weight", w.Weight},
            {"Underline", w.Underline}, {"StrikeOut", w.StrikeOut},
            {"Italic", w.Italic},     {"Format", qint64(w.Format)}};
}

QJsonObject InfoJson(const TObjectInfo& info)
{
    const TRecordNo& r = info.RecordNo;
    const TBarCodes& b = info.BarCode;
    return {
        {"Locked", info.Locked},
        {"NoPrint", info.NoPrint},
        {"Kind", info.Kind},
        {"WordInfo", LogTextJson(info.WordInfo)},
        {"SourceKind", info.SourceKind},
        {"FieldName", info.FieldName},
        {"RecordNo",
         QJsonObject{{"SerialKind", r.SerialKind}, {"Step", r.Step}, {"Copies", r.Copies},
                     {"Decrement", r.Decrement}, {"FixedLength", r.FixedLength}, {"MinLength", r.MinLength},
                     {"PadSide", r.PadSide}, {"PadChar", r.PadChar}, {"Prefix", r.Prefix}, {"Suffix", r.Suffix}}},
        {"Angle", info.Angle},
        {"ObjectIndex", info.ObjectIndex},
        {"BrushColor", Color(info.BrushColor)},
        {"BrushStyle", info.BrushStyle},
        {"PenColor", Color(info.PenColor)},
        {"PenStyle", info.PenStyle},
        {"PenWidth", info.PenWidth},
        {"CornerRadius", info.CornerRadius},
        {"BarCode",
         QJsonObject{{"BarHeight", b.BarHeight}, {"BarAngle", b.BarAngle}, {"WidthLevel", b.WidthLevel},
                     {"Symbology", b.Symbology}, {"Data", b.Data}, {"TextGap", b.TextGap},
                     {"ShowText", b.ShowText}}},
        {"Position", Doubles(info.Position)},
    };
}

QJsonObject PictureJson(const TBitmap& picture)
{
    return {{"Width", picture.Width()}, {"Height", picture.Height()}};
}

QJsonObject ShapeJson(TMyShape& shape)
{
    QJsonArray points;
    for (const QPoint& p : shape.Points)
        points.append(QJsonArray{p.x(), p.y()});
    QJsonObject json{
        {"class", shape.ClassName()},
        {"ShapeID", shape.ShapeID},
        {"LayerId", shape.LayerId},
        {"GroupPrev", shape.GroupPrev},
        {"GroupNext", shape.GroupNext},
        {"Points", points},
        {"Info", InfoJson(shape.Info)},
        {"Font",
         QJsonObject{{"Charset", shape.Font.Charset}, {"Name", shape.Font.Name}, {"Color", Color(shape.Font.Color)},
                     {"BkColor", Color(shape.Font.BkColor)}, {"LogHeight", shape.Font.LogHeight},
                     {"LogWidth", shape.Font.LogWidth}}},
        {"Pen", QJsonObject{{"Color", Color(shape.Pen.Color)}, {"Style", shape.Pen.Style}, {"Width", shape.Pen.Width}}},
        {"Brush", QJsonObject{{"Color", Color(shape.Brush.Color)}, {"Style", shape.Brush.Style}}},
    };
    if (auto* image = dynamic_cast<TKWZImage*>(&shape))
        json.insert("Picture", PictureJson(image->Picture));
    if (auto* barcode = dynamic_cast<TShowBarCode*>(&shape))
        json.insert("BarBitmap", PictureJson(barcode->BarBitmap));
    return json;
}

QJsonObject LayoutJson(const TLabelLayout& l)
{
    return {{"Zoom", l.Zoom},
            {"BackGroundColor", Color(l.BackGroundColor)},
            {"LabelColor", Color(l.LabelColor)},
            {"PrintLabelColor", Color(l.PrintLabelColor)},
            {"LabelEllipse", l.LabelEllipse},
            {"PageWidth", l.PageWidth},
            {"PageHeight", l.PageHeight},
            {"MarginLeft", l.MarginLeft},
            {"MarginTop", l.MarginTop},
            {"Row", l.Row},
            {"Column", l.Column},
            {"LabelWidth", l.LabelWidth},
            {"LabelHeight", l.LabelHeight},
            {"LabelMarginLeft", l.LabelMarginLeft},
            {"LabelMarginTop", l.LabelMarginTop},
            {"LabelStart", l.LabelStart},
            {"LabelTotal", l.LabelTotal},
            {"ShowStartEnd", l.ShowStartEnd}};
}

} // namespace

QJsonObject DocumentToJson(TDesignDocument& document, const TLabelLayout& layout, const TSourceDataBase& source)
{
    QJsonArray shapes;
    for (const TShapePtr& shape : document.Shapes)
        shapes.append(ShapeJson(*shape));
    const TProductInfo& p = document.ProductInfo;
    const TFileInformat& f = document.FileInfo;
    return {
        {"ProductInfo", QJsonObject{{"Maker", p.Maker}, {"Product", p.Product}, {"Version", p.Version},
                                    {"Build", p.Build}, {"BuildDate", p.BuildDate}}},
        {"ColorOfBackGround", Color(document.ColorOfBackGround())},
        {"LabelLayout", LayoutJson(layout)},
        {"EditARight", document.EditARight},
        {"EditABottom", document.EditABottom},
        {"EditEllipse", document.EditEllipse},
        {"ClarityObject", document.ClarityObject()},
        {"SourceDataBase", QJsonObject{{"ODBC", source.ODBC}, {"Sql", source.Sql}}},
        {"Width", document.ControlSize().width()},
        {"Height", document.ControlSize().height()},
        {"ReservedFlag", document.ReservedFlag},
        {"TheUNIT", document.TheUNIT()},
        {"BkBitmap", PictureJson(document.BkBitmap)},
        {"BkBitmapMode", document.BkBitmapMode},
        {"Ratio", document.Ratio()},
        {"ShapeCount", document.ShapeCount()},
        {"Shapes", shapes},
        {"FileInfo", QJsonObject{{"Title", f.Title}, {"Author", f.Author}, {"Date", f.Date}, {"Spare", f.Spare},
                                 {"Information", f.Information}}},
    };
}

} // namespace tessarine
