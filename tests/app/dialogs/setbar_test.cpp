#include "app/dialogs/contentpage.h"
#include "app/dialogs/setbar.h"
#include "app/settings/languageapplier.h"
#include "app/settings/profile.h"

#include "../../barcode/zxingdecode.h"

#include "data/module/datamodule.h"
#include "data/serialstepping.h"
#include "document/barcodedata.h"
#include "document/barcodeshapes.h"
#include "document/designdocument.h"
#include "platform/gbk.h"
#include "support/testsupport.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStackedWidget>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

using namespace tessarine;

namespace {

// A document with one selected, rendered barcode and the dialog opened for it, as the main
// window opens it after a double click.
struct SetBarFixture
{
    explicit SetBarFixture(uint8_t symbology = 6, const QString& content = QStringLiteral("Label-42"))
    {
        barcode = std::static_pointer_cast<TShowBarCode>(doc.CreateShapeForTool(SpBarCode));
        barcode->AddPoint({20, 20});
        barcode->AddPoint({220, 100});
        TObjectInfo& info = barcode->Info;
        info.Kind = kindBarCode;
        info.BarCode.Symbology = symbology;
        info.BarCode.Data = content;
        info.BarCode.BarHeight = 60;
        info.BarCode.WidthLevel = 95;
        info.BarCode.TextGap = 10;
        info.BarCode.ShowText = true;
        info.WordInfo.FontName = QStringLiteral("宋体");
        info.WordInfo.Height = 16;
        doc.AddNewShape(barcode);
        EXPECT_TRUE(RenderLinearBarcode(*barcode));
        doc.AddToSelection(barcode);
        dialog.show();
    }

    TObjectInfo Record() const
    {
        TObjectInfo record = barcode->Info;
        record.ObjectIndex = doc.IndexOfShape(barcode.get());
        return record;
    }
    void Open() { dialog.Load(Record()); }

    template <typename T> T* Find(const char* name) const
    {
        return dialog.findChild<T*>(QString::fromLatin1(name));
    }
    QComboBox* Combo(const char* name) const { return Find<QComboBox>(name); }
    void ChooseText(const char* combo, const QString& text) const
    {
        QComboBox* box = Combo(combo);
        const int index = box->findText(text);
        ASSERT_GE(index, 0) << text.toStdString();
        box->setCurrentIndex(index);
    }
    void Press(const char* button) const { QTest::mouseClick(Find<QAbstractButton>(button), Qt::LeftButton); }

    TDesignDocument doc;
    TKWZDataModule data;
    TSetBar dialog{doc, data};
    std::shared_ptr<TShowBarCode> barcode;
};

QString PanelOf(const TSetBar& dialog)
{
    return dialog.findChild<QStackedWidget*>(QStringLiteral("SourcePanels"))->currentWidget()->objectName();
}

// The symbol as a scanner reads it, turned back upright first.
test::TDecoded Scan(const TShowBarCode& barcode, ZXing::BarcodeFormat format)
{
    QTransform back;
    back.rotate(barcode.Info.BarCode.BarAngle);
    return test::Decode(barcode.BarBitmap.Image().transformed(back), format);
}

QString WriteProductsDatabase(const QString& name, const QStringList& values)
{
    const QString path = test::TempDir() + QLatin1Char('/') + name;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("fixture"));
        db.setDatabaseName(path);
        EXPECT_TRUE(db.open());
        QSqlQuery q(db);
        EXPECT_TRUE(q.exec(QStringLiteral("CREATE TABLE Products (Code TEXT, Name TEXT)")));
        for (const QString& value : values)
            EXPECT_TRUE(q.exec(QStringLiteral("INSERT INTO Products VALUES ('%1', 'item %1')").arg(value)));
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("fixture"));
    return path;
}

} // namespace

TEST(SetBar, SymbologyItemsStandForTheirOrdinals)
{
    const uint8_t expected[] = {3, 6, 8, 12, 13, 14, 15, 20, 0, 5, 7, 10, 16, 17, 18, 19, 21, 22, 11};
    SetBarFixture f;
    QComboBox* types = f.Combo("TypeBox");
    ASSERT_EQ(types->count(), int(std::size(expected)));
    for (int item = 0; item < types->count(); ++item) {
        EXPECT_EQ(TSetBar::kSymbologies[size_t(item)].Ordinal, expected[item]) << item;
        EXPECT_EQ(TSetBar::SymbologyItemOf(expected[item]), item);
    }
    EXPECT_EQ(types->itemText(5), QStringLiteral("CodeEAN 13"));
    EXPECT_EQ(types->itemText(8), QStringLiteral("2/5 interleaved"));
    for (uint8_t hidden : {1, 2, 4, 9})
        EXPECT_EQ(TSetBar::SymbologyItemOf(hidden), -1) << int(hidden);
}

TEST(SetBar, OpeningFillsTheControlsFromTheRecord)
{
    const struct
    {
        uint8_t symbology;
        int32_t level;
        int32_t angle;
        int32_t gapPixels;
        const char* typeText;
        int widthItem;
        const char* angleText;
        int gapMillimetres;
    } cases[] = {
        {3, 95, 0, 19, "Code 39", 0, "0", 5},
        {6, 3, 90, 0, "Code 128B", 3, "90", 0},
        {7, 6, 180, -38, "Code128C", 6, "180", -10},
        {11, 1, 270, 1134, "CodePostNet", 1, "270", 300},
    };
    for (const auto& c : cases) {
        SetBarFixture f;
        TObjectInfo record = f.Record();
        record.BarCode.Symbology = c.symbology;
        record.BarCode.WidthLevel = c.level;
        record.BarCode.BarAngle = c.angle;
        record.BarCode.TextGap = c.gapPixels;
        record.BarCode.BarHeight = 77;
        record.BarCode.ShowText = c.angle == 90;
        f.dialog.Load(record);
        EXPECT_EQ(f.Combo("TypeBox")->currentText(), QString::fromLatin1(c.typeText));
        EXPECT_EQ(f.Combo("Scale")->currentIndex(), c.widthItem);
        EXPECT_FALSE(f.Combo("Scale")->isEnabled());
        EXPECT_EQ(f.Combo("Angle")->currentText(), QString::fromLatin1(c.angleText));
        EXPECT_EQ(f.Find<QSpinBox>("SetPrint_MarginUD")->value(), c.gapMillimetres) << c.gapPixels;
        EXPECT_EQ(f.Find<QSpinBox>("Height")->value(), 77);
        EXPECT_EQ(f.Find<QCheckBox>("ShowBarText")->isChecked(), c.angle == 90);
        EXPECT_EQ(f.Find<QPlainTextEdit>("ConstantMemo")->toPlainText(), QStringLiteral("Label-42"));
    }
}

TEST(SetBar, OkWithoutChangesKeepsTheRecord)
{
    // Level 95 shows as item "1" and comes back as 95; a gap of 10 pixels shows as 3 mm and
    // must not come back as 11 pixels; a level the list cannot show stays.
    for (int32_t level : {95, 4, 7}) {
        SetBarFixture f;
        f.barcode->Info.BarCode.WidthLevel = level;
        f.Open();
        if (level == 95) {
            EXPECT_EQ(f.Combo("Scale")->currentText(), QStringLiteral("1"));
        }
        const TObjectInfo before = f.barcode->Info;
        f.Press("OK_BM");
        EXPECT_EQ(f.dialog.result(), QDialog::Accepted);
        EXPECT_EQ(f.barcode->Info.BarCode, before.BarCode) << level;
        EXPECT_EQ(f.barcode->Info.SourceKind, skTyped);
        EXPECT_EQ(f.dialog.EditInfo().Kind, kindNone);
    }
}

TEST(SetBar, NewSymbologyAndDataRenderAScannableSymbol)
{
    const struct
    {
        const char* item;
        const char* data;
        ZXing::BarcodeFormat format;
        const char* stored;
        const char* scanned;
    } cases[] = {
        {"Code 39", "TESS-39", ZXing::BarcodeFormat::Code39, "TESS-39", "TESS-39"},
        {"Code 128B", "Tag 7b", ZXing::BarcodeFormat::Code128, "Tag 7b", "Tag 7b"},
        {"Code 93", "CODE93", ZXing::BarcodeFormat::Code93, "CODE93", "CODE93"},
        {"CodeEAN 8", "1234567", ZXing::BarcodeFormat::EAN8, "12345670", "12345670"},
        {"CodeEAN 13", "690123456789", ZXing::BarcodeFormat::EAN13, "6901234567892", "6901234567892"},
        {"CodeEAN 13", "", ZXing::BarcodeFormat::EAN13, "0000123456784", "0000123456784"},
        {"CodeUPC", "03600029145", ZXing::BarcodeFormat::UPCA, "036000291452", "036000291452"},
        {"2/5 interleaved", "123456", ZXing::BarcodeFormat::ITF, "123456", "123456"},
        {"Code128C", "102030", ZXing::BarcodeFormat::Code128, "102030", "102030"},
    };
    for (const auto& c : cases) {
        SetBarFixture f;
        f.Open();
        f.ChooseText("TypeBox", QString::fromLatin1(c.item));
        f.Find<QPlainTextEdit>("ConstantMemo")->setPlainText(QString::fromLatin1(c.data));
        f.Press("OK_BM");
        EXPECT_EQ(f.barcode->Info.BarCode.Symbology,
                  TSetBar::kSymbologies[size_t(f.Combo("TypeBox")->currentIndex())].Ordinal);
        EXPECT_EQ(f.barcode->Info.BarCode.Data, QString::fromLatin1(c.stored)) << c.item;
        const test::TDecoded decoded = Scan(*f.barcode, c.format);
        EXPECT_TRUE(decoded.Valid) << c.item << " " << c.data;
        EXPECT_EQ(decoded.Text, c.scanned) << c.item;
    }
}

TEST(SetBar, EmptyOrUnusableDataBecomesTheDefault)
{
    const struct
    {
        const char* item;
        const char* data;
        const char* stored;
    } cases[] = {
        {"Code 128B", "", "12345678"},
        {"Code 39", "", "12345678"},
        {"CodeEAN 13", "12AB", "12345678"}, // not digits: the default, completed when rendered
        {"Code128C", "ABC", "12345678"},    // the encoder refuses letters for Code 128C
    };
    for (const auto& c : cases) {
        SetBarFixture f;
        f.Open();
        f.ChooseText("TypeBox", QString::fromLatin1(c.item));
        f.Find<QPlainTextEdit>("ConstantMemo")->setPlainText(QString::fromLatin1(c.data));
        f.Press("OK_BM");
        EXPECT_EQ(f.barcode->Info.BarCode.Data, QString::fromLatin1(c.stored)) << c.item << " " << c.data;
        EXPECT_FALSE(f.barcode->BarBitmap.IsEmpty());
    }
}

TEST(SetBar, BarSettingsReachTheSymbol)
{
    SetBarFixture f;
    f.Open();
    const QSize upright = f.barcode->BarBitmap.Image().size();
    f.ChooseText("Angle", QStringLiteral("270"));
    f.Find<QSpinBox>("Height")->setValue(80);
    f.Find<QSpinBox>("SetPrint_MarginUD")->setValue(5);
    f.Find<QCheckBox>("ShowBarText")->setChecked(false);
    f.Press("OK_BM");
    const TBarCodes& bar = f.barcode->Info.BarCode;
    EXPECT_EQ(bar.BarAngle, 270);
    EXPECT_EQ(bar.BarHeight, 80);
    EXPECT_EQ(bar.TextGap, 19); // Round(5 x 96 / 25.4)
    EXPECT_FALSE(bar.ShowText);
    const QSize turned = f.barcode->BarBitmap.Image().size();
    EXPECT_EQ(turned.width(), upright.height() + 20) << "20 pixels more bar height, turned";
    EXPECT_EQ(turned.height(), upright.width());
    const test::TDecoded decoded = Scan(*f.barcode, ZXing::BarcodeFormat::Code128);
    EXPECT_EQ(decoded.Text, "Label-42");
}

TEST(SetBar, SerialPrefixAndSuffixRoundTrip)
{
    SetBarFixture f;
    f.Open();
    f.Combo("DataSourcBox")->setCurrentIndex(TContentPage::siSerial);
    EXPECT_EQ(PanelOf(f.dialog), QStringLiteral("SetSerial"));
    // Choosing the serial source starts from the present data.
    EXPECT_EQ(f.Find<QLineEdit>("RecordNoMemo")->text(), QStringLiteral("Label-42"));
    f.ChooseText("SetSerialType", QStringLiteral("文字和数字"));
    f.Find<QLineEdit>("RecordNoMemo")->setText(QStringLiteral("0001"));
    f.Find<QLineEdit>("Prefix")->setText(QStringLiteral("No."));
    f.Find<QLineEdit>("Suffix")->setText(QStringLiteral("-A"));
    f.Find<QSpinBox>("NoSpringUp")->setValue(2);
    f.Find<QSpinBox>("CounterLabel")->setValue(3);
    f.Press("OK_BM");
    const TObjectInfo& info = f.barcode->Info;
    EXPECT_EQ(info.BarCode.Data, QStringLiteral("No.0001-A"));
    EXPECT_EQ(info.SourceKind, skSerial);
    EXPECT_EQ(info.RecordNo.SerialKind, kSerialLettersAndDigits);
    EXPECT_EQ(info.RecordNo.Step, 2);
    EXPECT_EQ(info.RecordNo.Copies, 3);
    EXPECT_EQ(Scan(*f.barcode, ZXing::BarcodeFormat::Code128).Text, "No.0001-A");

    // Stepping understands what the dialog stored.
    ASSERT_TRUE(StepSerials(f.doc));
    EXPECT_EQ(f.barcode->Info.BarCode.Data, QStringLiteral("No.0003-A"));

    f.Open();
    EXPECT_EQ(f.Find<QLineEdit>("RecordNoMemo")->text(), QStringLiteral("0003"));
    EXPECT_EQ(f.Find<QLineEdit>("Prefix")->text(), QStringLiteral("No."));
    EXPECT_EQ(f.Find<QLineEdit>("Suffix")->text(), QStringLiteral("-A"));
    EXPECT_TRUE(f.Find<QLineEdit>("Prefix")->isEnabled());
}

TEST(SetBar, CheckDigitSymbologiesStoreTheCompletedStartValue)
{
    SetBarFixture f(14, QStringLiteral("6901234567892"));
    f.Open();
    f.Combo("DataSourcBox")->setCurrentIndex(TContentPage::siSerial);
    // Letters with digits cannot be had for EAN-13: the type falls back to digits.
    f.ChooseText("SetSerialType", QStringLiteral("文字和数字"));
    EXPECT_EQ(f.Combo("SetSerialType")->currentText(), QStringLiteral("数字"));
    EXPECT_FALSE(f.Find<QLineEdit>("Prefix")->isEnabled());
    f.Find<QLineEdit>("RecordNoMemo")->setText(QStringLiteral("41"));
    f.Press("OK_BM");
    EXPECT_EQ(f.barcode->Info.BarCode.Data, QStringLiteral("0000000000413"));
    EXPECT_EQ(f.barcode->Info.RecordNo.SerialKind, kSerialDigits);
    EXPECT_EQ(Scan(*f.barcode, ZXing::BarcodeFormat::EAN13).Text, "0000000000413");
}

TEST(SetBar, SourcesWithoutAPanelLeaveContentAndSourceAlone)
{
    for (int item : {TContentPage::siKeyboard, TContentPage::siDate, TContentPage::siTime}) {
        SetBarFixture f;
        f.barcode->Info.SourceKind = skDatabaseField;
        f.barcode->Info.FieldName = QStringLiteral("Code");
        f.Open();
        f.Combo("DataSourcBox")->setCurrentIndex(item);
        EXPECT_EQ(PanelOf(f.dialog), QString()) << "no panel for item " << item;
        f.Press("OK_BM");
        EXPECT_EQ(f.barcode->Info.BarCode.Data, QStringLiteral("Label-42"));
        EXPECT_EQ(f.barcode->Info.SourceKind, skDatabaseField);
        EXPECT_EQ(f.barcode->Info.FieldName, QStringLiteral("Code"));
    }
}

TEST(SetBar, SourceKindChoosesTheItemOnOpening)
{
    const std::pair<uint8_t, const char*> cases[] = {{0, "常量"},   {1, "日期"},     {2, "时间"},
                                                     {3, "数据库"}, {4, "键盘输入"}, {5, "序号"}};
    for (const auto& [kind, text] : cases) {
        SetBarFixture f;
        f.barcode->Info.SourceKind = kind;
        f.Open();
        EXPECT_EQ(f.Combo("DataSourcBox")->currentText(), QString::fromUtf8(text)) << int(kind);
    }
}

TEST(SetBar, DatabaseFieldFillsTheDataAndBindsTheObject)
{
    SetBarFixture f;
    ASSERT_TRUE(f.data.Connect(WriteProductsDatabase("codes.db", {"111", "222", "333"})));
    ASSERT_TRUE(f.data.Open(QStringLiteral("Select * From Products")));
    f.Open();
    f.Combo("DataSourcBox")->setCurrentIndex(TContentPage::siDatabase);
    EXPECT_EQ(PanelOf(f.dialog), QStringLiteral("GetDataSourc"));
    EXPECT_EQ(f.dialog.Content()->Fields(), QStringList({"Code", "Name"}));
    EXPECT_EQ(f.Combo("FieldItmeBox")->currentText(), QStringLiteral("Code"));
    EXPECT_EQ(f.Find<QPlainTextEdit>("DBMemo1")->toPlainText(), QStringLiteral("111"));

    // A row of the grid is the current record.
    auto* grid = f.Find<QTableView>("DBGrid1");
    ASSERT_EQ(grid->model()->rowCount(), 3);
    grid->setCurrentIndex(grid->model()->index(2, 0));
    EXPECT_EQ(f.data.RecordNo(), 3);
    EXPECT_EQ(f.Find<QPlainTextEdit>("DBMemo1")->toPlainText(), QStringLiteral("333"));
    f.ChooseText("FieldItmeBox", QStringLiteral("Name"));
    EXPECT_EQ(f.Find<QPlainTextEdit>("DBMemo1")->toPlainText(), QStringLiteral("item 333"));
    f.Press("OK_BM");
    EXPECT_EQ(f.barcode->Info.SourceKind, skDatabaseField);
    EXPECT_EQ(f.barcode->Info.FieldName, QStringLiteral("Name"));
    EXPECT_EQ(f.barcode->Info.BarCode.Data, QStringLiteral("item 333"));
    EXPECT_EQ(Scan(*f.barcode, ZXing::BarcodeFormat::Code128).Text, "item 333");
    // Detached: record moves no longer reach the dialog.
    f.data.First();
    EXPECT_EQ(f.Find<QPlainTextEdit>("DBMemo1")->toPlainText(), QStringLiteral("item 333"));
}

TEST(SetBar, OpenDatabaseRefillsTheFieldList)
{
    SetBarFixture f;
    f.barcode->Info.SourceKind = skDatabaseField;
    f.barcode->Info.FieldName = QStringLiteral("Code");
    f.Open();
    // No database yet: the binding is still offered, so OK keeps it.
    EXPECT_EQ(f.dialog.Content()->Fields(), QStringList({"Code"}));
    const QString path = WriteProductsDatabase("later.db", {"909"});
    int requests = 0;
    QObject::connect(f.dialog.Content(), &TContentPage::OpenDatabaseRequested, [&] {
        ++requests;
        EXPECT_TRUE(f.data.Connect(path));
        EXPECT_TRUE(f.data.Open(QStringLiteral("Select Name, Code From Products")));
    });
    f.Press("OpenDataBase_BM");
    EXPECT_EQ(requests, 1);
    EXPECT_EQ(f.dialog.Content()->Fields(), QStringList({"Name", "Code"}));
    EXPECT_EQ(f.Combo("FieldItmeBox")->currentText(), QStringLiteral("Name"));
    EXPECT_EQ(f.Find<QPlainTextEdit>("DBMemo1")->toPlainText(), QStringLiteral("item 909"));
}

TEST(SetBar, NewBarcodeFillsTheTemplate)
{
    SetBarFixture f;
    f.Open();
    f.ChooseText("TypeBox", QStringLiteral("Code 39"));
    f.Find<QSpinBox>("Height")->setValue(30);
    f.ChooseText("Angle", QStringLiteral("90"));
    f.Combo("DataSourcBox")->setCurrentIndex(TContentPage::siSerial);

    f.dialog.LoadNewBarcode();
    EXPECT_EQ(f.Combo("TypeBox")->currentText(), QStringLiteral("CodeEAN 13"));
    EXPECT_EQ(f.Combo("Scale")->currentIndex(), 0);
    EXPECT_EQ(f.Find<QSpinBox>("Height")->value(), 65);
    EXPECT_EQ(f.Combo("Angle")->currentText(), QStringLiteral("0"));
    EXPECT_EQ(PanelOf(f.dialog), QStringLiteral("GetConstant"));
    EXPECT_TRUE(f.Find<QPlainTextEdit>("ConstantMemo")->toPlainText().isEmpty());
    EXPECT_EQ(f.dialog.EditInfo().Kind, kindNone);

    f.Find<QPlainTextEdit>("ConstantMemo")->setPlainText(QStringLiteral("690123456789"));
    const TObjectInfo objectBefore = f.barcode->Info;
    f.Press("OK_BM");
    EXPECT_TRUE(f.doc.IsOpenImage);
    EXPECT_EQ(f.doc.BarCodeTemplate.BarCode.Symbology, 14);
    EXPECT_EQ(f.doc.BarCodeTemplate.BarCode.Data, QStringLiteral("6901234567892"));
    EXPECT_EQ(f.doc.BarCodeTemplate.BarCode.BarHeight, 65);
    EXPECT_EQ(f.doc.BarCodeTemplate.BarCode.WidthLevel, 95);
    EXPECT_EQ(f.barcode->Info, objectBefore) << "the existing barcode is not touched";

    f.dialog.LoadNewBarcode();
    f.Press("Cancel_BM");
    EXPECT_FALSE(f.doc.IsOpenImage);
    f.doc.IsOpenImage = true;
    f.dialog.LoadNewBarcode();
    f.Press("Help_BM");
    EXPECT_FALSE(f.doc.IsOpenImage) << "help closes like cancel";
}

TEST(SetBar, TranslatedSerialTypesStillStep)
{
    QByteArray file = "[SetBar]\n";
    const char* types[] = {"Letters", "Letters and digits", "Digits", "Binary", "Octal", "Hex"};
    for (int i = 0; i < 6; ++i)
        file += "SetSerialType" + QByteArray::number(i + 1) + "=" + types[i] + "\n";
    file += "DataSourcBox0=Constant\nDataSourcBox1=Database\nDataSourcBox2=Keyboard\n"
            "DataSourcBox3=Serial\nDataSourcBox4=Date\nDataSourcBox5=Time\n"
            "AboveOrUnder1=Up\nAboveOrUnder2=Down\nFillLRLabel1=Left\nFillLRLabel2=Right\n";
    SetBarFixture f(6, QStringLiteral("007"));
    TLanguage(TProfile::Parse(file)).Apply(&f.dialog);
    EXPECT_EQ(f.Combo("DataSourcBox")->itemText(3), QStringLiteral("Serial"));
    EXPECT_EQ(f.Find<QAbstractButton>("AboveOrUnder2")->text(), QStringLiteral("Down"));

    f.Open();
    f.Combo("DataSourcBox")->setCurrentIndex(TContentPage::siSerial);
    f.ChooseText("SetSerialType", QStringLiteral("Digits"));
    f.Find<QSpinBox>("NoSpringUp")->setValue(1);
    f.Find<QAbstractButton>("AboveOrUnder2")->click();
    f.Press("OK_BM");
    EXPECT_EQ(f.barcode->Info.RecordNo.SerialKind, QStringLiteral("数字"));
    EXPECT_EQ(f.barcode->Info.RecordNo.Decrement, 1);
    ASSERT_TRUE(StepSerials(f.doc));
    EXPECT_EQ(f.barcode->Info.BarCode.Data, QStringLiteral("006"));

    // Reopening shows the translated item for the stored kind.
    f.Open();
    EXPECT_EQ(f.Combo("SetSerialType")->currentText(), QStringLiteral("Digits"));
    EXPECT_EQ(f.Combo("DataSourcBox")->currentText(), QStringLiteral("Serial"));
}
