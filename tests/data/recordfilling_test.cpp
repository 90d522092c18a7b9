#include "data/recordfilling.h"

#include "document/barcodedata.h"
#include "document/barcodeshapes.h"
#include "document/designdocument.h"

#include "barcode/barcodetypes.h"

#include <QDate>
#include <QDateTime>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTime>

#include <gtest/gtest.h>

#include <vector>

namespace tessarine {
namespace {

// One in-memory SQLite database per test, closed with it.
class RecordFillingTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_name = QStringLiteral("records_%1").arg(quintptr(this));
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
        db.setDatabaseName(QStringLiteral(":memory:"));
        ASSERT_TRUE(db.open()) << db.lastError().text().toStdString();
        Exec("CREATE TABLE goods (name TEXT, price REAL, qty INTEGER, code TEXT, note TEXT)");
        Exec("INSERT INTO goods VALUES ('甲乙', 2.5, 7, '690123456789', NULL)");
    }

    void TearDown() override { QSqlDatabase::removeDatabase(m_name); }

    void Exec(const char* sql)
    {
        QSqlQuery query(QSqlDatabase::database(m_name));
        ASSERT_TRUE(query.exec(QString::fromUtf8(sql)))
            << sql << ": " << query.lastError().text().toStdString();
    }

    // The first row of a query, as the data set's current record.
    QSqlRecord Row(const QString& sql)
    {
        QSqlRecord record;
        {
            QSqlQuery query(QSqlDatabase::database(m_name));
            EXPECT_TRUE(query.exec(sql)) << query.lastError().text().toStdString();
            EXPECT_TRUE(query.next());
            record = query.record();
        }
        return record;
    }

    QString m_name;
};

TShapePtr AddBoundText(TDesignDocument& document, TDrawTool tool, const QString& field,
                       const QString& text = {})
{
    TShapePtr shape = document.CreateShapeForTool(tool);
    shape->AddStoredPoint(QPoint(5, 5));
    shape->AddStoredPoint(QPoint(5, 5));
    shape->Info.WordInfo.Text = text;
    shape->Info.WordInfo.Width = 8;
    shape->Info.WordInfo.Height = 16;
    shape->Info.SourceKind = skDatabaseField;
    shape->Info.FieldName = field;
    document.AddNewShape(shape);
    return shape;
}

std::shared_ptr<TShowBarCode> AddBoundBarcode(TDesignDocument& document, uint8_t symbology,
                                              const QString& field,
                                              const QString& data = QStringLiteral("0000"))
{
    auto shape = std::static_pointer_cast<TShowBarCode>(document.CreateShapeForTool(SpBarCode));
    shape->AddStoredPoint(QPoint(0, 0));
    shape->AddStoredPoint(QPoint(200, 80));
    shape->Info.BarCode.Symbology = symbology;
    shape->Info.BarCode.Data = data;
    shape->Info.BarCode.BarHeight = 60;
    shape->Info.BarCode.WidthLevel = 1;
    shape->Info.SourceKind = skDatabaseField;
    shape->Info.FieldName = field;
    document.AddNewShape(shape);
    return shape;
}

TEST_F(RecordFillingTest, TextTakesTheFieldValue)
{
    struct Case
    {
        TDrawTool tool;
        const char* field;
        const char* expected;
    };
    const std::vector<Case> cases = {
        {SpText, "name", "甲乙"},     {SpLinesText, "name", "甲乙"}, {SpText, "NAME", "甲乙"},
        {SpText, "qty", "7"},         {SpText, "price", "2.5"},      {SpText, "note", ""},
        {SpText, "missing", "     "},
    };
    const QSqlRecord record = Row(QStringLiteral("SELECT * FROM goods"));
    for (const Case& c : cases) {
        TDesignDocument document;
        const TShapePtr text =
            AddBoundText(document, c.tool, QString::fromUtf8(c.field), QStringLiteral("old"));
        FillFromRecord(document, record, QLocale::c());
        EXPECT_EQ(text->Info.WordInfo.Text, QString::fromUtf8(c.expected)) << c.field;
    }
}

TEST_F(RecordFillingTest, UnboundTextKeepsItsContent)
{
    const QSqlRecord record = Row(QStringLiteral("SELECT * FROM goods"));
    TDesignDocument document;
    const TShapePtr noField = AddBoundText(document, SpText, QString(), QStringLiteral("keep"));
    const TShapePtr serial = AddBoundText(document, SpText, QStringLiteral("name"), QStringLiteral("keep"));
    serial->Info.SourceKind = skSerial;
    FillFromRecord(document, record, QLocale::c());
    EXPECT_EQ(noField->Info.WordInfo.Text, QStringLiteral("keep"));
    EXPECT_EQ(serial->Info.WordInfo.Text, QStringLiteral("keep"));
}

TEST_F(RecordFillingTest, SingleLineTextBoxFollowsTheValue)
{
    const QSqlRecord record = Row(QStringLiteral("SELECT * FROM goods"));
    TDesignDocument document;
    const TShapePtr chinese = AddBoundText(document, SpText, QStringLiteral("name"));
    const TShapePtr missing = AddBoundText(document, SpText, QStringLiteral("missing"));
    FillFromRecord(document, record, QLocale::c());
    EXPECT_EQ(chinese->Points[1], QPoint(5 + 4 * 8, 5 + 16));
    EXPECT_EQ(missing->Points[1], QPoint(5 + 5 * 8, 5 + 16));
}

TEST_F(RecordFillingTest, FloatingPointInShortestFormOfFifteenDigits)
{
    struct Case
    {
        const char* expression;
        QLocale locale;
        const char* expected;
    };
    const std::vector<Case> cases = {
        {"2.5", QLocale::c(), "2.5"},
        {"100.0", QLocale::c(), "100"},
        {"1.0 / 3.0", QLocale::c(), "0.333333333333333"},
        {"0.1 + 0.2", QLocale::c(), "0.3"},
        {"1234567.25", QLocale::c(), "1234567.25"},
        {"-0.5", QLocale::c(), "-0.5"},
        {"2.5", QLocale(QLocale::German, QLocale::Germany), "2,5"},
        {"1234567.25", QLocale(QLocale::English, QLocale::UnitedStates), "1234567.25"},
    };
    for (const Case& c : cases) {
        const QSqlRecord record =
            Row(QStringLiteral("SELECT %1 AS value").arg(QString::fromUtf8(c.expression)));
        ASSERT_EQ(record.value(0).typeId(), QMetaType::Double) << c.expression;
        TDesignDocument document;
        const TShapePtr text = AddBoundText(document, SpText, QStringLiteral("value"));
        FillFromRecord(document, record, c.locale);
        EXPECT_EQ(text->Info.WordInfo.Text, QString::fromUtf8(c.expected)) << c.expression;
    }
}

TEST(FieldValueTextTest, DatesAndTimesInTheLocaleFormats)
{
    const QLocale us(QLocale::English, QLocale::UnitedStates);
    struct Case
    {
        QVariant value;
        const char* expected;
    };
    const std::vector<Case> cases = {
        {QDate(2024, 3, 5), "3/5/24"},
        {QTime(14, 7, 9), "2:07:09 PM"},
        {QDateTime(QDate(2024, 3, 5), QTime(14, 7, 9)), "3/5/24 2:07:09 PM"},
        {QDateTime(QDate(2024, 3, 5), QTime(0, 0)), "3/5/24"},
        {QDateTime(QDate(2024, 3, 5), QTime(0, 0, 1)), "3/5/24 12:00:01 AM"},
    };
    for (const Case& c : cases) {
        QString text;
        ASSERT_TRUE(FieldValueText(c.value, text, us)) << c.expected;
        EXPECT_EQ(text, QString::fromUtf8(c.expected));
    }
}

TEST(FieldValueTextTest, InvalidValuesHaveNoText)
{
    QString text = QStringLiteral("untouched");
    EXPECT_FALSE(FieldValueText(QVariant(), text, QLocale::c()));
    EXPECT_EQ(text, QStringLiteral("untouched"));
}

TEST_F(RecordFillingTest, BarcodeDataPerSymbology)
{
    struct Case
    {
        uint8_t symbology;
        const char* field;
        const char* expected;
    };
    const std::vector<Case> cases = {
        {kSymbologyEAN13, "code", "6901234567892"},
        {kSymbologyEAN13, "qty", "0000000000079"},
        {kSymbologyEAN13, "name", "0000123456784"},
        {kSymbologyEAN13, "missing", "0000123456784"},
        {kSymbologyEAN8, "missing", "12345670"},
        {kSymbologyUPCA, "missing", "000123456784"},
        {bcCode39, "qty", "7"},
        {bcCode39, "missing", "12345678"},
        {bcCode128B, "name", "甲乙"},
        {bcCode128B, "missing", "12345678"},
        {bcCode_2_5_interleaved, "code", "690123456789"},
        {bcCode_2_5_interleaved, "missing", "00000000"},
        {bcCode93, "code", "0000"},
        {bcCode128A, "code", "0000"},
    };
    const QSqlRecord record = Row(QStringLiteral("SELECT * FROM goods"));
    for (const Case& c : cases) {
        TDesignDocument document;
        const auto barcode = AddBoundBarcode(document, c.symbology, QString::fromUtf8(c.field));
        FillFromRecord(document, record, QLocale::c());
        EXPECT_EQ(barcode->Info.BarCode.Data, QString::fromUtf8(c.expected))
            << int(c.symbology) << " " << c.field;
        EXPECT_FALSE(barcode->BarBitmap.IsEmpty()) << int(c.symbology) << " " << c.field;
    }
}

TEST_F(RecordFillingTest, UnrenderableValueShowsTheStandInSymbol)
{
    const QSqlRecord record = Row(QStringLiteral("SELECT * FROM goods"));
    TDesignDocument document;
    // Interleaved 2 of 5 holds digits only.
    const auto bound = AddBoundBarcode(document, bcCode_2_5_interleaved, QStringLiteral("name"));
    FillFromRecord(document, record, QLocale::c());
    EXPECT_EQ(bound->Info.BarCode.Data, QStringLiteral("甲乙"));

    auto standIn = std::static_pointer_cast<TShowBarCode>(document.CreateShapeForTool(SpBarCode));
    standIn->Info = bound->Info;
    ASSERT_FALSE(RenderLinearBarcode(*standIn));
    standIn->Info.BarCode.Data = QStringLiteral("12345678");
    ASSERT_TRUE(RenderLinearBarcode(*standIn));
    ASSERT_FALSE(bound->BarBitmap.IsEmpty());
    EXPECT_EQ(bound->BarBitmap.Image(), standIn->BarBitmap.Image());
}

TEST_F(RecordFillingTest, RepaintsOnce)
{
    const QSqlRecord record = Row(QStringLiteral("SELECT * FROM goods"));
    TDesignDocument document;
    AddBoundText(document, SpText, QStringLiteral("name"));
    AddBoundBarcode(document, bcCode39, QStringLiteral("qty"));
    QSignalSpy repaints(&document, &TDesignDocument::RepaintRequested);
    FillFromRecord(document, record, QLocale::c());
    EXPECT_EQ(repaints.count(), 1);
}

} // namespace
} // namespace tessarine
