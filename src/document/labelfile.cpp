#include "labelfile.h"

#include "barcodeshapes.h"
#include "boxshapes.h"
#include "designdocument.h"
#include "shapefactory.h"

#include "platform/binarystream.h"
#include "platform/gbk.h"

#include <QFile>
#include <QHash>
#include <QSaveFile>

namespace tessarine {

namespace {

constexpr int kClassNameBytes = 20;
// The smallest object record: class name, three ids, a point count, the fixed part of the
// information block, the font and the pen and brush. Counts are checked against it.
constexpr qsizetype kMinObjectRecord = kClassNameBytes + 16 + 210 + 21 + 20;

// The picture a shape keeps in files: only these three exact classes carry one.
TBitmap* PictureOf(TMyShape& shape)
{
    const QString cls = shape.ClassName();
    if (cls == QLatin1String("TKWZImage"))
        return &static_cast<TKWZImage&>(shape).Picture;
    if (cls == QLatin1String("TShowBarCode") || cls == QLatin1String("TShowBarCodePDF417"))
        return &static_cast<TShowBarCode&>(shape).BarBitmap;
    return nullptr;
}

void WriteLayout(TLittleEndianWriter& out, const TLabelLayout& l)
{
    out.F64(l.Zoom);
    out.I32(l.BackGroundColor);
    out.I32(l.LabelColor);
    out.I32(l.PrintLabelColor);
    out.I16(l.LabelEllipse);
    out.F64(l.PageWidth);
    out.F64(l.PageHeight);
    out.F64(l.MarginLeft);
    out.F64(l.MarginTop);
    out.I16(l.Row);
    out.I16(l.Column);
    out.F64(l.LabelWidth);
    out.F64(l.LabelHeight);
    out.F64(l.LabelMarginLeft);
    out.F64(l.LabelMarginTop);
    out.I16(l.LabelStart);
    out.I16(l.LabelTotal);
    out.U8(l.ShowStartEnd);
}

void ReadLayout(TLittleEndianReader& in, TLabelLayout& l)
{
    l.Zoom = in.F64();
    l.BackGroundColor = in.I32();
    l.LabelColor = in.I32();
    l.PrintLabelColor = in.I32();
    l.LabelEllipse = in.I16();
    l.PageWidth = in.F64();
    l.PageHeight = in.F64();
    l.MarginLeft = in.F64();
    l.MarginTop = in.F64();
    l.Row = in.I16();
    l.Column = in.I16();
    l.LabelWidth = in.F64();
    l.LabelHeight = in.F64();
    l.LabelMarginLeft = in.F64();
    l.LabelMarginTop = in.F64();
    l.LabelStart = in.I16();
    l.LabelTotal = in.I16();
    l.ShowStartEnd = in.U8();
}

void WriteInfo(TLittleEndianWriter& out, const TObjectInfo& info)
{
    const TLogText& w = info.WordInfo;
    out.B32(info.Kind);
    out.U8(info.Locked);
    out.U8(info.NoPrint);
    out.Str(w.Text);
    out.I32(w.DC);
    out.I32(w.X);
    out.I32(w.Y);
    out.Str(w.FontName);
    out.B32(w.CharSet);
    out.I32(w.Height);
    out.I32(w.Width);
    out.I32(w.Width);
    out.I32(w.Color);
    out.I32(w.Weight);
    out.B32(w.Underline);
    out.B32(w.StrikeOut);
    out.B32(w.Italic);
    out.I32(int32_t(w.Format));
    out.B32(info.SourceKind);
    out.Str(info.FieldName);
    const TRecordNo& r = info.RecordNo;
    out.Str(r.SerialKind);
    out.I32(r.Step);
    out.I32(r.Copies);
    out.U8(r.Decrement);
    out.B32(r.FixedLength);
    out.I32(r.MinLength);
    out.U8(r.PadSide);
    out.Str(r.PadChar);
    out.Str(r.Prefix);
    out.Str(r.Suffix);
    out.I16(info.Angle);
    out.I32(info.ObjectIndex);
    out.I32(info.BrushColor);
    out.B32(info.BrushStyle);
    out.I32(info.PenColor);
    out.B32(info.PenStyle);
    out.F64(info.PenWidth);
    out.F64(info.CornerRadius);
    const TBarCodes& b = info.BarCode;
    out.I32(b.BarHeight);
    out.I32(b.BarAngle);
    out.I32(b.WidthLevel);
    out.I32(b.BarHeight);
    out.I32(b.TextGap);
    out.B32(b.Symbology);
    out.Str(b.Data);
    out.U8(b.ShowText);
    for (double v : info.Position)
        out.F64(v);
}

// Strings repeat across objects (font names, serial kinds); sharing one copy keeps a large
// document's memory close to its file size.
class TStringPool
{
public:
    QString Str(TLittleEndianReader& in)
    {
        const int32_t length = in.I32();
        if (length < 0)
            throw TReadError("negative string length");
        return Intern(in.Bytes(length));
    }
    QString Str8(TLittleEndianReader& in) { return Intern(in.Bytes(in.U8())); }

private:
    QString Intern(const QByteArray& bytes)
    {
        if (bytes.isEmpty())
            return {};
        if (bytes.size() > 32)
            return gbk::Decode(bytes);
        auto it = m_pool.constFind(bytes);
        if (it != m_pool.constEnd())
            return it.value();
        const QString text = gbk::Decode(bytes);
        m_pool.insert(bytes, text);
        return text;
    }
    QHash<QByteArray, QString> m_pool;
};

void ReadInfo(TLittleEndianReader& in, TStringPool& strings, TObjectInfo& info)
{
    TLogText& w = info.WordInfo;
    info.Kind = in.B32();
    info.Locked = in.U8() != 0;
    info.NoPrint = in.U8() != 0;
    w.Text = in.Str(); // texts are mostly unique: not worth pooling
    w.DC = in.I32();
    w.X = in.I32();
    w.Y = in.I32();
    w.FontName = strings.Str(in);
    w.CharSet = in.B32();
    w.Height = in.I32();
    w.Width = in.I32();
    w.Width = in.I32(); // the second copy counts
    w.Color = in.I32();
    w.Weight = in.I32();
    w.Underline = in.B32() != 0;
    w.StrikeOut = in.B32() != 0;
    w.Italic = in.B32() != 0;
    w.Format = uint32_t(in.I32());
    info.SourceKind = in.B32();
    info.FieldName = strings.Str(in);
    TRecordNo& r = info.RecordNo;
    r.SerialKind = strings.Str(in);
    r.Step = in.I32();
    r.Copies = in.I32();
    r.Decrement = in.U8();
    r.FixedLength = in.B32();
    r.MinLength = in.I32();
    r.PadSide = in.U8();
    r.PadChar = strings.Str(in);
    r.Prefix = strings.Str(in);
    r.Suffix = strings.Str(in);
    info.Angle = in.I16();
    info.ObjectIndex = in.I32();
    info.BrushColor = in.I32();
    info.BrushStyle = in.B32();
    info.PenColor = in.I32();
    info.PenStyle = in.B32();
    info.PenWidth = in.F64();
    info.CornerRadius = in.F64();
    TBarCodes& b = info.BarCode;
    b.BarHeight = in.I32();
    b.BarAngle = in.I32();
    b.WidthLevel = in.I32();
    b.BarHeight = in.I32(); // the second copy counts
    b.TextGap = in.I32();
    b.Symbology = in.B32();
    b.Data = in.Str();
    b.ShowText = in.U8() != 0;
    for (double& v : info.Position)
        v = in.F64();
}

void WriteObject(TLittleEndianWriter& out, TMyShape& shape)
{
    QByteArray name = shape.ClassName().toLatin1().left(kClassNameBytes);
    name.append(QByteArray(kClassNameBytes - name.size(), ' '));
    out.Bytes(name);
    out.I32(shape.ShapeID);
    out.I32(shape.GroupPrev);
    out.I32(shape.GroupNext);
    out.I32(int32_t(shape.Points.size()));
    for (const QPoint& p : shape.Points) {
        out.I32(p.x());
        out.I32(p.y());
    }
    WriteInfo(out, shape.Info);
    out.U8(shape.Font.Charset);
    out.Str8(shape.Font.Name);
    out.I32(shape.Font.Color);
    out.I32(shape.Font.BkColor);
    out.I32(shape.Font.LogHeight);
    out.I32(shape.Font.LogWidth);
    out.I32(shape.Pen.Color);
    out.I32(shape.Pen.Style);
    out.I32(Round(shape.Info.PenWidth));
    out.I32(shape.Brush.Color);
    out.I32(shape.Brush.Style);
    if (const TBitmap* picture = PictureOf(shape)) {
        const QByteArray bmp = picture->ToBmp();
        out.I64(bmp.size());
        out.Bytes(bmp);
    }
}

// Reads one object record; nullptr for a class no object can be made of.
TShapePtr ReadObject(TLittleEndianReader& in, TStringPool& strings, const TSurfaceContext* context)
{
    const QString className = QString::fromLatin1(in.Bytes(kClassNameBytes)).trimmed();
    const TShapePtr shape = CreateShapeOfClass(className, context);
    if (!shape)
        return nullptr;
    shape->ShapeID = in.I32();
    shape->GroupPrev = in.I32();
    shape->GroupNext = in.I32();
    shape->LayerId = 0;
    const int32_t pointCount = in.I32();
    in.RequireItems(pointCount, 8);
    shape->Points.reserve(pointCount);
    for (int32_t i = 0; i < pointCount; ++i) {
        const int32_t x = in.I32();
        const int32_t y = in.I32();
        shape->AddStoredPoint({x, y});
    }
    ReadInfo(in, strings, shape->Info);
    shape->Font.Charset = in.U8();
    shape->Font.Name = strings.Str8(in);
    shape->Font.Color = in.I32();
    shape->Font.BkColor = in.I32();
    shape->Font.LogHeight = in.I32();
    shape->Font.LogWidth = in.I32();
    shape->Pen.Color = in.I32();
    shape->Pen.Style = TPenStyle(in.B32());
    shape->Pen.Width = in.I32();
    shape->Brush.Color = in.I32();
    shape->Brush.Style = TBrushStyle(in.B32());
    if (TBitmap* picture = PictureOf(*shape)) {
        const int64_t length = in.I64();
        if (length > 0) {
            in.RequireItems(length, 1);
            // A picture that does not decode leaves the object without one; the load goes on.
            picture->LoadBmp(in.Bytes(qsizetype(length)));
        }
    }
    return shape;
}

} // namespace

bool IsLabelFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw TFileError(QStringLiteral("cannot open %1").arg(path).toStdString());
    try {
        const QByteArray head = file.read(4);
        TLittleEndianReader lengthReader(head);
        const int32_t length = lengthReader.I32();
        if (length < 0 || length > file.size() - 4)
            return false;
        // Trim blanks and control characters at both ends.
        QByteArray maker = file.read(length);
        while (!maker.isEmpty() && uchar(maker.back()) <= 0x20)
            maker.chop(1);
        while (!maker.isEmpty() && uchar(maker.front()) <= 0x20)
            maker.remove(0, 1);
        return maker == "Zantu Atelier" || maker == "Zantu Studio";
    } catch (const TReadError&) {
        return false;
    }
}

QByteArray LabelFileBytes(TDesignDocument& document, const TLabelLayout& layout, const TSourceDataBase& source)
{
    QByteArray bytes;
    TLittleEndianWriter out(bytes);
    const TProductInfo& product = document.ProductInfo;
    out.Str(product.Maker);
    out.Str(product.Product);
    out.Str(product.Version);
    out.Str(product.Build);
    out.Str(product.BuildDate);
    out.I32(document.ColorOfBackGround());
    WriteLayout(out, layout);

    const uint32_t right = uint16_t(document.EditARight);
    const uint32_t bottom = uint16_t(document.EditABottom);
    const uint32_t ellipse = uint16_t(document.EditEllipse);
    out.I32(int32_t(right | (bottom << 16)));
    out.I32(int32_t(bottom | (ellipse << 16)));
    out.I32(int32_t(ellipse | (uint32_t(document.ClarityObject() ? 1 : 0) << 16)));

    out.Str(source.ODBC);
    out.Str(source.Sql);
    out.I32(document.ControlSize().width());
    out.I32(document.ControlSize().height());
    out.U8(document.ReservedFlag ? 1 : 0);
    out.U8(document.TheUNIT());
    const QByteArray background = document.BkBitmap.ToBmp();
    out.I64(background.size());
    out.Bytes(background);
    out.B32(document.BkBitmapMode);
    out.F64(document.Ratio());

    out.I32(document.ShapeCount());
    for (const TShapePtr& shape : document.Shapes)
        WriteObject(out, *shape);

    const TFileInformat& info = document.FileInfo;
    out.Str(info.Title);
    out.Str(info.Author);
    out.F64(info.Date);
    out.Str(info.Spare);
    out.Str(info.Information);
    return bytes;
}

void WriteLabelStream(TDesignDocument& document, QIODevice& device, const TLabelLayout& layout,
                      const TSourceDataBase& source)
{
    const QByteArray bytes = LabelFileBytes(document, layout, source);
    if (device.write(bytes) != bytes.size())
        throw TFileError(device.errorString().toStdString());
}

bool ReadLabelStream(TDesignDocument& document, QIODevice& device, TLabelLayout& layout, TSourceDataBase& source)
{
    const qint64 start = device.pos();
    TLittleEndianReader in(device);
    document.Shapes.clear();
    document.Selection.clear();
    document.NewShape.reset();
    bool ok = false;
    try {
        TStringPool strings;
        TProductInfo product;
        product.Maker = in.Str();
        product.Product = in.Str();
        product.Version = in.Str();
        product.Build = in.Str();
        product.BuildDate = in.Str();
        document.ProductInfo = product;
        document.SetColorOfBackGround(in.I32());
        ReadLayout(in, layout);

        const uint32_t slot1 = uint32_t(in.I32());
        const uint32_t slot2 = uint32_t(in.I32());
        const uint32_t slot3 = uint32_t(in.I32());
        document.EditARight = int16_t(slot1 & 0xFFFF);
        document.EditABottom = int16_t(slot2 & 0xFFFF);
        document.EditEllipse = int16_t(slot3 & 0xFFFF);
        document.SetClarityObject(((slot3 >> 16) & 0xFF) != 0);

        source.ODBC = in.Str();
        source.Sql = in.Str();
        const int32_t width = in.I32();
        const int32_t height = in.I32();
        document.ControlResized({width, height});
        document.ReservedFlag = in.U8() == 1;
        document.SetTheUNIT(TUnits(in.U8()));

        const int64_t backgroundLength = in.I64();
        if (backgroundLength > 0) {
            in.RequireItems(backgroundLength, 1);
            TBitmap background;
            if (background.LoadBmp(in.Bytes(qsizetype(backgroundLength))))
                document.BkBitmap = background;
        }
        document.BkBitmapMode = TBkBitmapMode(in.B32());
        document.SetRatio(in.F64());

        const int32_t count = in.I32();
        in.RequireItems(count, kMinObjectRecord);
        document.NextShapeID = 0;
        for (int32_t i = 0; i < count; ++i) {
            const TShapePtr shape = ReadObject(in, strings, &document.Context());
            if (!shape)
                throw TReadError("unknown object class");
            document.AddShape(shape);
        }

        TFileInformat info;
        info.Title = in.Str();
        info.Author = in.Str();
        info.Date = in.F64();
        info.Spare = in.Str();
        info.Information = in.Str();
        document.FileInfo = info;
        ok = true;
    } catch (const TReadError&) {
        ok = false;
    }
    if (!device.isSequential())
        device.seek(start + in.Position());
    document.Repaint();
    return ok;
}

bool SaveLabelFile(TDesignDocument& document, const QString& path, const TLabelLayout& layout,
                   const TSourceDataBase& source)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    try {
        WriteLabelStream(document, file, layout, source);
    } catch (const TFileError&) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

bool LoadLabelFile(TDesignDocument& document, const QString& path, TLabelLayout& layout, TSourceDataBase& source)
{
    if (!IsLabelFile(path))
        return false;
    document.DeleteAllLayers();
    document.ClearDocument();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    return ReadLabelStream(document, file, layout, source);
}

} // namespace tessarine
