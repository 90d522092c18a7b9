#include "document/barcodeshapes.h"
#include "document/boxshapes.h"
#include "document/designdocument.h"
#include "document/labelfile.h"
#include "document/lineshapes.h"
#include "document/textshape.h"

#include "support/testsupport.h"

#include <QBuffer>
#include <QFile>

#include <gtest/gtest.h>

using namespace tessarine;
using tessarine::test::ReadFile;
using tessarine::test::TempDir;
using tessarine::test::WriteFile;

namespace {

const QString kHandmade = QStringLiteral(TESSARINE_FIXTURES "/handmade.KWZ");

// One object of every class the file knows, with pictures, a group and Chinese text.
void FillEveryClass(TDesignDocument& doc)
{
    const TDrawTool tools[] = {SpRectangle, SpEllipse, SpLine,  SpRuleLine, SpPolygon, SpSector,
                               SpText,      SpImage,   SpBarCode, SpBarCodePDF417, SpLinesText};
    int offset = 0;
    for (TDrawTool tool : tools) {
        TShapePtr shape = doc.CreateShapeForTool(tool);
        shape->AddPoint({10 + offset, 20});
        shape->AddPoint({60 + offset, 45});
        if (tool == SpPolygon || tool == SpSector) {
            shape->AddPoint({30 + offset, 80});
            shape->AddPoint(shape->Point(0));
        }
        TObjectInfo info;
        shape->GetInfo(info);
        info.WordInfo.Text = QStringLiteral("对象 %1").arg(offset);
        info.WordInfo.FontName = QStringLiteral("宋体");
        info.PenWidth = 1.5 + offset; // stored rounded in the pen record, exactly in the info block
        info.Position = {1.25, -2.5, 3.0, 4e-3};
        info.RecordNo.Prefix = QStringLiteral("编号");
        shape->Info = info;
        doc.AddNewShape(shape);
        offset += 5;
    }
    QImage picture(7, 5, QImage::Format_RGB888);
    picture.fill(QColor(10, 200, 30));
    picture.setPixel(3, 2, qRgb(255, 0, 0));
    static_cast<TKWZImage&>(*doc.Shapes[7]).Picture.SetImage(picture);
    static_cast<TShowBarCode&>(*doc.Shapes[8]).BarBitmap.SetImage(picture.mirrored());
    doc.Shapes[0]->GroupNext = doc.Shapes[1]->ShapeID;
    doc.Shapes[1]->GroupPrev = doc.Shapes[0]->ShapeID;
    doc.FileInfo = {QStringLiteral("标题"), QStringLiteral("作者"), 37572.5, QString(), QStringLiteral("说明")};
}

TLabelLayout SomeLayout()
{
    TLabelLayout layout;
    layout.Zoom = 2;
    layout.PageWidth = 100.5;
    layout.Row = 3;
    layout.LabelTotal = 30000;
    layout.ShowStartEnd = 1;
    return layout;
}

bool ReadBytes(TDesignDocument& doc, const QByteArray& bytes, TLabelLayout* layoutOut = nullptr)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    TLabelLayout layout;
    TSourceDataBase source;
    const bool ok = ReadLabelStream(doc, buffer, layout, source);
    if (layoutOut)
        *layoutOut = layout;
    return ok;
}

} // namespace

TEST(LabelFile, NewSurfaceStartsWithProductInformationAndBackground)
{
    for (TColor background : {clWhite, clBackground}) {
        TDesignDocument doc;
        doc.SetColorOfBackGround(background);
        const QByteArray bytes = LabelFileBytes(doc, {}, {});
        QByteArray expected;
        expected += QByteArray("\x0C\x00\x00\x00", 4) + "Zantu Studio";
        expected += QByteArray("\x09\x00\x00\x00", 4) + "Quirnavex";
        expected += QByteArray("\x03\x00\x00\x00", 4) + "2.1";
        expected += QByteArray("\x0A\x00\x00\x00", 4) + "Build 3001";
        expected += QByteArray("\x08\x00\x00\x00", 4) + "20021112";
        expected += background == clWhite ? QByteArray("\xFF\xFF\xFF\x00", 4) : QByteArray("\x01\x00\x00\x80", 4);
        EXPECT_EQ(bytes.left(expected.size()), expected);
    }
}

TEST(LabelFile, EmptyDocumentHasCountZeroThenTheDocumentInformation)
{
    TDesignDocument doc;
    const QByteArray bytes = LabelFileBytes(doc, {}, {});
    // Product (4 x 5 + 42), colour 4, layout 95, slots 12, source 8, size 8, flag 1, unit 1,
    // no picture 8, mode 4, ratio 8, count 4, then five empty-ish information fields.
    const int countAt = 62 + 4 + 95 + 12 + 8 + 8 + 1 + 1 + 8 + 4 + 8;
    EXPECT_EQ(bytes.mid(countAt, 4), QByteArray(4, '\0'));
    EXPECT_EQ(bytes.size(), countAt + 4 + 4 + 4 + 8 + 4 + 4);
    TDesignDocument loaded;
    loaded.AddNewShape(loaded.CreateShapeForTool(SpRectangle));
    EXPECT_TRUE(ReadBytes(loaded, bytes));
    EXPECT_EQ(loaded.ShapeCount(), 0);
}

TEST(LabelFile, WrittenDocumentsReadBackUnchangedAndRewriteByteForByte)
{
    TDesignDocument doc;
    FillEveryClass(doc);
    doc.EditARight = 80;
    doc.EditABottom = -3;
    doc.EditEllipse = 12;
    doc.SetClarityObject(true);
    doc.SetTheUNIT(inch);
    doc.BkBitmapMode = Stretch;
    doc.ReservedFlag = true;
    doc.SetBackgroundPicture(QImage(3, 3, QImage::Format_RGB888));
    const TSourceDataBase source{QStringLiteral("DSN=标签"), QStringLiteral("Select * From [Sheet1$]")};
    const QByteArray first = LabelFileBytes(doc, SomeLayout(), source);

    TDesignDocument loaded;
    loaded.SetZoom(3); // points are read as stored, whatever the zoom
    TLabelLayout layout;
    ASSERT_TRUE(ReadBytes(loaded, first, &layout));
    EXPECT_EQ(layout, SomeLayout());
    ASSERT_EQ(loaded.ShapeCount(), doc.ShapeCount());
    EXPECT_EQ(loaded.NextShapeID, doc.ShapeCount());
    for (int i = 0; i < doc.ShapeCount(); ++i) {
        const TMyShape& a = *doc.Shapes[i];
        const TMyShape& b = *loaded.Shapes[i];
        EXPECT_EQ(b.ClassName(), a.ClassName());
        EXPECT_EQ(b.Points, a.Points) << i;
        EXPECT_EQ(b.Info, a.Info) << i;
        EXPECT_EQ(b.Font, a.Font) << i;
        EXPECT_EQ(b.Pen.Color, a.Pen.Color);
        EXPECT_EQ(b.Pen.Width, Round(a.Info.PenWidth));
        EXPECT_EQ(b.Brush, a.Brush);
        EXPECT_EQ(b.GroupPrev, a.GroupPrev);
        EXPECT_EQ(b.LayerId, 0);
    }
    const QImage picture = static_cast<TKWZImage&>(*loaded.Shapes[7]).Picture.Image();
    EXPECT_EQ(picture.size(), QSize(7, 5));
    EXPECT_EQ(picture.pixel(3, 2), qRgb(255, 0, 0));
    EXPECT_EQ(static_cast<TShowBarCode&>(*loaded.Shapes[8]).BarBitmap.Width(), 7);
    EXPECT_TRUE(static_cast<TShowBarCode&>(*loaded.Shapes[9]).BarBitmap.IsEmpty());
    EXPECT_EQ(loaded.EditABottom, -3);
    EXPECT_TRUE(loaded.ClarityObject());
    EXPECT_EQ(loaded.TheUNIT(), inch);
    EXPECT_EQ(loaded.BkBitmapMode, Stretch);
    EXPECT_TRUE(loaded.ReservedFlag);
    EXPECT_EQ(loaded.BkBitmap.Width(), 3);
    EXPECT_EQ(loaded.FileInfo.Date, 37572.5);
    EXPECT_EQ(loaded.FileInfo.Information, QStringLiteral("说明"));

    EXPECT_EQ(LabelFileBytes(loaded, layout, source), first);
}

TEST(LabelFile, EmptyPictureIsEightZeroBytes)
{
    TDesignDocument doc;
    TShapePtr image = doc.CreateShapeForTool(SpImage);
    image->AddPoint({0, 0});
    image->AddPoint({5, 5});
    doc.AddNewShape(image);
    const QByteArray bytes = LabelFileBytes(doc, {}, {});
    // The record ends with the pen and brush, then the picture; the document information
    // (four empty strings and a zero date: 24 bytes) follows.
    EXPECT_EQ(bytes.mid(bytes.size() - 24 - 8, 8), QByteArray(8, '\0'));
    TDesignDocument loaded;
    ASSERT_TRUE(ReadBytes(loaded, bytes));
    EXPECT_TRUE(static_cast<TKWZImage&>(*loaded.Shapes[0]).Picture.IsEmpty());
}

TEST(LabelFile, ChineseStringsAreStoredAsGbkByteCounts)
{
    TDesignDocument doc;
    doc.FileInfo.Title = QStringLiteral("标签");
    const QByteArray bytes = LabelFileBytes(doc, {}, {});
    EXPECT_TRUE(bytes.contains(QByteArray("\x04\x00\x00\x00\xB1\xEA\xC7\xA9", 8)));
}

TEST(LabelFile, HandAssembledFileReadsAsTheTablesSay)
{
    TDesignDocument doc;
    TLabelLayout layout;
    TSourceDataBase source;
    ASSERT_TRUE(IsLabelFile(kHandmade)); // the maker has blanks around it
    ASSERT_TRUE(LoadLabelFile(doc, kHandmade, layout, source));

    EXPECT_EQ(doc.ProductInfo.Maker, QStringLiteral(" Zantu Atelier \t"));
    EXPECT_EQ(doc.ProductInfo.Product, QStringLiteral("测试"));
    EXPECT_EQ(doc.ColorOfBackGround(), clBackground);
    EXPECT_EQ(layout.Zoom, 1.5);
    EXPECT_EQ(layout.LabelEllipse, 8);
    EXPECT_EQ(layout.MarginTop, 12.25);
    EXPECT_EQ(layout.Row, 7);
    EXPECT_EQ(layout.Column, 3);
    EXPECT_EQ(layout.LabelHeight, 38.1);
    EXPECT_EQ(layout.LabelStart, 2);
    EXPECT_EQ(layout.LabelTotal, 21);
    EXPECT_EQ(layout.ShowStartEnd, 1);
    EXPECT_EQ(layout.PrintLabelColor, clRed);
    EXPECT_EQ(doc.EditARight, 80);
    EXPECT_EQ(doc.EditABottom, 50);
    EXPECT_EQ(doc.EditEllipse, 12);
    EXPECT_TRUE(doc.ClarityObject());
    EXPECT_EQ(source.ODBC, QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=产品.xls;Extended Properties=Excel 8.0"));
    EXPECT_EQ(source.Sql, QStringLiteral("Select * From [Sheet1$]"));
    EXPECT_EQ(doc.ControlSize(), QSize(302, 189));
    EXPECT_TRUE(doc.ReservedFlag);
    EXPECT_EQ(doc.TheUNIT(), inch);
    EXPECT_TRUE(doc.BkBitmap.IsEmpty());
    EXPECT_EQ(doc.BkBitmapMode, LeftTop);
    EXPECT_EQ(doc.Ratio(), 1.0);
    EXPECT_TRUE(doc.Layers.isEmpty());

    ASSERT_EQ(doc.ShapeCount(), 3);
    EXPECT_EQ(doc.NextShapeID, 3);
    auto text = std::dynamic_pointer_cast<TKWZText>(doc.Shapes[0]);
    ASSERT_TRUE(text);
    EXPECT_EQ(text->Points, (QVector<QPoint>{{10, 20}, {58, 36}}));
    EXPECT_EQ(text->GroupNext, 1);
    const TObjectInfo& t = text->Info;
    EXPECT_EQ(t.Kind, kindText);
    EXPECT_TRUE(t.Locked);
    EXPECT_EQ(t.WordInfo.Text, QStringLiteral("价格 12.5"));
    EXPECT_EQ(t.WordInfo.DC, 1234);
    EXPECT_EQ(t.WordInfo.FontName, QStringLiteral("黑体"));
    EXPECT_EQ(t.WordInfo.Width, 6); // the second copy counts
    EXPECT_EQ(t.WordInfo.Color, clRed);
    EXPECT_EQ(t.WordInfo.Weight, 900);
    EXPECT_TRUE(t.WordInfo.Underline);
    EXPECT_FALSE(t.WordInfo.StrikeOut);
    EXPECT_TRUE(t.WordInfo.Italic);
    EXPECT_EQ(t.WordInfo.Format, 2u);
    EXPECT_EQ(t.SourceKind, skSerial);
    EXPECT_EQ(t.FieldName, QStringLiteral("价格"));
    EXPECT_EQ(t.RecordNo.SerialKind, QStringLiteral("数字"));
    EXPECT_EQ(t.RecordNo.Copies, 3);
    EXPECT_EQ(t.RecordNo.MinLength, 6);
    EXPECT_EQ(t.RecordNo.PadChar, QStringLiteral("0"));
    EXPECT_EQ(t.RecordNo.Suffix, QStringLiteral("号"));
    EXPECT_EQ(t.Angle, 90);
    EXPECT_EQ(t.BarCode.BarHeight, 0);
    EXPECT_EQ(t.Position[2], 58.0);
    EXPECT_EQ(text->Font.Name, QStringLiteral("黑体"));
    EXPECT_EQ(text->Font.LogWidth, 8);
    EXPECT_EQ(text->Brush.Style, bsClear);

    auto barcode = std::dynamic_pointer_cast<TShowBarCode>(doc.Shapes[1]);
    ASSERT_TRUE(barcode);
    EXPECT_EQ(barcode->ClassName(), QStringLiteral("TShowBarCode"));
    EXPECT_TRUE(barcode->Info.NoPrint);
    EXPECT_EQ(barcode->Info.BarCode.BarHeight, 50);
    EXPECT_EQ(barcode->Info.BarCode.BarAngle, 90);
    EXPECT_EQ(barcode->Info.BarCode.WidthLevel, 3);
    EXPECT_EQ(barcode->Info.BarCode.TextGap, 4);
    EXPECT_EQ(barcode->Info.BarCode.Symbology, 14);
    EXPECT_EQ(barcode->Info.BarCode.Data, QStringLiteral("690123456789"));
    EXPECT_TRUE(barcode->Info.BarCode.ShowText);
    EXPECT_EQ(barcode->Info.PenWidth, 2.5);
    EXPECT_EQ(barcode->Pen.Style, psDot);
    EXPECT_EQ(barcode->Pen.Width, 2);
    ASSERT_EQ(barcode->BarBitmap.Image().size(), QSize(2, 1));
    EXPECT_EQ(barcode->BarBitmap.Image().pixel(0, 0), qRgb(0, 0, 0));
    EXPECT_EQ(barcode->BarBitmap.Image().pixel(1, 0), qRgb(255, 0, 0));

    auto image = std::dynamic_pointer_cast<TKWZImage>(doc.Shapes[2]);
    ASSERT_TRUE(image);
    EXPECT_TRUE(image->Picture.IsEmpty());
    EXPECT_EQ(image->Points[1], QPoint(-64, 48));
    EXPECT_EQ(image->Info.Position[2], -16.9);

    EXPECT_EQ(doc.FileInfo.Title, QStringLiteral("标题"));
    EXPECT_EQ(doc.FileInfo.Date, 37572.5);
    EXPECT_EQ(doc.FileInfo.Spare, QStringLiteral("x"));
}

TEST(LabelFile, HeaderTest)
{
    const QString dir = TempDir();
    auto withMaker = [&](const QByteArray& maker) {
        QByteArray bytes;
        const int32_t n = int32_t(maker.size());
        bytes.append(reinterpret_cast<const char*>(&n), 4);
        bytes += maker;
        const QString path = dir + QStringLiteral("/maker.KWZ");
        WriteFile(path, bytes);
        return IsLabelFile(path);
    };
    EXPECT_TRUE(withMaker("Zantu Studio"));
    EXPECT_TRUE(withMaker("  Zantu Atelier  "));
    EXPECT_TRUE(withMaker("\x01Zantu Studio\r\n"));
    EXPECT_FALSE(withMaker("zantu studio"));
    EXPECT_FALSE(withMaker("Zantu Studios"));
    EXPECT_FALSE(withMaker(""));
    const QString huge = dir + QStringLiteral("/huge.KWZ");
    WriteFile(huge, QByteArray("\xFF\xFF\xFF\x7FZantu", 9));
    EXPECT_FALSE(IsLabelFile(huge));
    EXPECT_THROW(IsLabelFile(dir + QStringLiteral("/missing.KWZ")), TFileError);
}

TEST(LabelFile, DoubledFieldsTakeTheSecondCopyAndSlotThreeSetsClarity)
{
    TDesignDocument doc;
    doc.SetClarityObject(false);
    TLabelLayout layout;
    TSourceDataBase source;
    ASSERT_TRUE(LoadLabelFile(doc, kHandmade, layout, source));
    EXPECT_TRUE(doc.ClarityObject());
    EXPECT_EQ(doc.Shapes[0]->Info.WordInfo.Width, 6);
    EXPECT_EQ(doc.Shapes[1]->Info.BarCode.BarHeight, 50);
}

TEST(LabelFile, EveryTruncationFailsCleanlyAndKeepsWhatWasRead)
{
    const QByteArray whole = ReadFile(kHandmade);
    ASSERT_FALSE(whole.isEmpty());
    const qsizetype end = whole.indexOf("trailing bytes");
    ASSERT_GT(end, 0);
    for (qsizetype length = 0; length < end; ++length) {
        TDesignDocument doc;
        EXPECT_FALSE(ReadBytes(doc, whole.left(length))) << length;
        EXPECT_LE(doc.ShapeCount(), 3);
    }
    TDesignDocument doc;
    EXPECT_TRUE(ReadBytes(doc, whole.left(end)));
}

TEST(LabelFile, ImpossibleCountsFailWithoutAllocating)
{
    TDesignDocument doc;
    FillEveryClass(doc);
    const QByteArray good = LabelFileBytes(doc, {}, {});
    const int countAt = 62 + 4 + 95 + 12 + 8 + 8 + 1 + 1 + 8 + 4 + 8;
    const struct
    {
        const char* name;
        qsizetype at;
        QByteArray value;
    } damage[] = {
        {"object count", countAt, QByteArray("\xFF\xFF\xFF\x7F", 4)},
        {"negative object count", countAt, QByteArray("\xFF\xFF\xFF\xFF", 4)},
        {"point count", countAt + 4 + 20 + 12, QByteArray("\x00\x00\x00\x40", 4)},
        {"negative point count", countAt + 4 + 20 + 12, QByteArray("\xFE\xFF\xFF\xFF", 4)},
        {"text length", countAt + 4 + 20 + 16 + 16 + 6, QByteArray("\x00\x00\x00\x7F", 4)},
        {"maker length", 0, QByteArray("\xFF\xFF\xFF\x7F", 4)},
        {"background picture length", countAt - 20, QByteArray("\x00\x00\x00\x00\x00\x00\x00\x7F", 8)},
    };
    for (const auto& d : damage) {
        QByteArray bytes = good;
        bytes.replace(d.at, d.value.size(), d.value);
        TDesignDocument loaded;
        EXPECT_FALSE(ReadBytes(loaded, bytes)) << d.name;
    }
}

TEST(LabelFile, UnknownClassesAndBezierRecordsFailTheLoad)
{
    TDesignDocument doc;
    doc.AddNewShape(doc.CreateShapeForTool(SpRectangle));
    doc.Shapes[0]->AddPoint({1, 1});
    TShapePtr bezier = doc.CreateShapeForTool(SpPolyBezier);
    for (QPoint p : {QPoint(0, 0), QPoint(10, 0), QPoint(20, 10), QPoint(30, 0)})
        bezier->AddPoint(p);
    doc.AddNewShape(bezier);
    doc.AddNewShape(doc.CreateShapeForTool(SpEllipse));
    const QByteArray bytes = LabelFileBytes(doc, {}, {});
    ASSERT_TRUE(bytes.contains("TMyPolyBezier       "));

    TDesignDocument loaded;
    EXPECT_FALSE(ReadBytes(loaded, bytes));
    ASSERT_EQ(loaded.ShapeCount(), 1); // what came before the damage stays
    EXPECT_EQ(loaded.Shapes[0]->ClassName(), QStringLiteral("TKWZRectangle"));

    QByteArray renamed = bytes;
    renamed.replace("TMyPolyBezier       ", "TSomethingElse      ");
    EXPECT_FALSE(ReadBytes(loaded, renamed));
}

TEST(LabelFile, DamagedPicturesLeaveTheObjectWithoutOne)
{
    TDesignDocument doc;
    TShapePtr image = doc.CreateShapeForTool(SpImage);
    image->AddPoint({0, 0});
    image->AddPoint({5, 5});
    doc.AddNewShape(image);
    doc.AddNewShape(doc.CreateShapeForTool(SpRectangle));
    std::static_pointer_cast<TKWZImage>(image)->Picture.SetImage(QImage(4, 4, QImage::Format_RGB888));
    QByteArray bytes = LabelFileBytes(doc, {}, {});
    const qsizetype bm = bytes.indexOf("BM");
    ASSERT_GT(bm, 0);
    bytes[bm + 1] = 'X'; // no longer a BMP
    TDesignDocument loaded;
    EXPECT_TRUE(ReadBytes(loaded, bytes));
    ASSERT_EQ(loaded.ShapeCount(), 2);
    EXPECT_TRUE(std::static_pointer_cast<TKWZImage>(loaded.Shapes[0])->Picture.IsEmpty());
}

TEST(LabelFile, SaveAndLoadFiles)
{
    const QString dir = TempDir();
    const QString path = dir + QStringLiteral("/标签.KWZ");
    TDesignDocument doc;
    FillEveryClass(doc);
    ASSERT_TRUE(SaveLabelFile(doc, path, SomeLayout(), {}));
    const QByteArray saved = ReadFile(path);
    EXPECT_EQ(saved, LabelFileBytes(doc, SomeLayout(), {}));

    TDesignDocument loaded;
    loaded.AddLayer(QStringLiteral("extra"), true);
    loaded.AddNewShape(loaded.CreateShapeForTool(SpRectangle));
    TLabelLayout layout;
    TSourceDataBase source;
    ASSERT_TRUE(LoadLabelFile(loaded, path, layout, source));
    EXPECT_TRUE(loaded.Layers.isEmpty());
    EXPECT_EQ(loaded.ShapeCount(), doc.ShapeCount());
    EXPECT_EQ(layout, SomeLayout());

    EXPECT_FALSE(SaveLabelFile(doc, dir + QStringLiteral("/no/such/dir/x.KWZ"), {}, {}));
    EXPECT_EQ(ReadFile(path), saved);

    const QString foreign = dir + QStringLiteral("/foreign.KWZ");
    WriteFile(foreign, QByteArray("\x04\x00\x00\x00" "ABCD", 8));
    EXPECT_FALSE(LoadLabelFile(loaded, foreign, layout, source));
    EXPECT_EQ(loaded.ShapeCount(), doc.ShapeCount()); // a foreign file changes nothing
}

TEST(LabelFile, StreamPositionAdvancesPastTheDocument)
{
    TDesignDocument doc;
    FillEveryClass(doc);
    QByteArray bytes = LabelFileBytes(doc, {}, {});
    const qsizetype length = bytes.size();
    bytes += "after";
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    TDesignDocument copy;
    TLabelLayout layout;
    TSourceDataBase source;
    ASSERT_TRUE(ReadLabelStream(copy, buffer, layout, source));
    EXPECT_EQ(buffer.pos(), length);
}
