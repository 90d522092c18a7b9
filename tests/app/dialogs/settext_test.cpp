#include "app/dialogs/contentpage.h"
#include "app/dialogs/settext.h"
#include "modalwatcher.h"

#include "data/module/datamodule.h"
#include "data/serialstepping.h"
#include "document/designdocument.h"
#include "document/textshape.h"
#include "platform/gbk.h"
#include "support/testsupport.h"

#include <QAbstractButton>
#include <QColorDialog>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTest>

#include <gtest/gtest.h>

using namespace tessarine;
using tessarine::test::TModalWatcher;

namespace {

// A document with one selected text object of 12 points (16 pixels) and the dialog opened
// for it with the record a double click makes: sizes in points.
struct SetTextFixture
{
    SetTextFixture()
    {
        text = doc.CreateShapeForTool(SpText);
        text->AddPoint({10, 10});
        text->AddPoint({90, 26});
        TObjectInfo& info = text->Info;
        info.Kind = kindText;
        info.WordInfo.Text = QStringLiteral("Hello");
        info.WordInfo.FontName = QStringLiteral("宋体");
        info.WordInfo.Height = 16;
        info.WordInfo.Width = 8;
        info.WordInfo.Weight = 400;
        info.WordInfo.CharSet = 134;
        info.WordInfo.Color = RGBColor(0, 0, 255);
        doc.AddNewShape(text);
        doc.AddToSelection(text);
        dialog.show();
    }

    TObjectInfo Record() const
    {
        TObjectInfo record = text->Info;
        record.ObjectIndex = doc.IndexOfShape(text.get());
        record.WordInfo.Height = TDesignDocument::HeightToPoints(text->Info.WordInfo.Height);
        record.WordInfo.Width = TDesignDocument::WidthToPoints(text->Info.WordInfo.Width);
        return record;
    }
    void Open() { dialog.Load(Record()); }

    template <typename T> T* Find(const char* name) const
    {
        return dialog.findChild<T*>(QString::fromLatin1(name));
    }
    QSpinBox* Spin(const char* name) const { return Find<QSpinBox>(name); }
    QListWidget* List(const char* name) const { return Find<QListWidget>(name); }
    QComboBox* Combo(const char* name) const { return Find<QComboBox>(name); }
    QPlainTextEdit* Memo() const { return Find<QPlainTextEdit>("ConstantMemo"); }
    void Press(const char* button) const { QTest::mouseClick(Find<QAbstractButton>(button), Qt::LeftButton); }
    QString Panel() const
    {
        return dialog.findChild<QStackedWidget*>(QStringLiteral("SourcePanels"))
            ->currentWidget()
            ->objectName();
    }
    const TLogText& Word() const { return text->Info.WordInfo; }

    TDesignDocument doc;
    TKWZDataModule data;
    TSetText dialog{doc, data};
    TShapePtr text;
};

} // namespace

TEST(SetText, StartsWithItsDefaults)
{
    SetTextFixture f;
    EXPECT_EQ(f.dialog.windowTitle(), QStringLiteral("文字设置"));
    EXPECT_EQ(f.List("SizeList")->currentItem()->text(), QStringLiteral("9"));
    EXPECT_EQ(f.List("TypeKind")->currentItem()->text(), QStringLiteral("常规"));
    EXPECT_EQ(f.Combo("CharSetBox")->currentText(), QStringLiteral("DEFAULT_CHARSET"));
    EXPECT_EQ(f.Find<QLineEdit>("FontNameEdit")->text(), f.dialog.font().family());
    EXPECT_GT(f.List("FontList")->count(), 0);
    EXPECT_EQ(f.Find<QLineEdit>("Fillstring")->text(), QStringLiteral("1"));
    EXPECT_EQ(f.Find<QLabel>("SampleText")->text(), QStringLiteral("Tessarine 标签打印"));
    EXPECT_FALSE(f.Find<QAbstractButton>("ImportFile_BM")->isVisible());
}

TEST(SetText, OpeningFillsTheControlsFromTheRecord)
{
    SetTextFixture f;
    f.text->Info.Angle = 180;
    f.text->Info.WordInfo.Underline = true;
    f.Open();
    EXPECT_EQ(f.Memo()->toPlainText(), QStringLiteral("Hello"));
    EXPECT_EQ(f.Spin("SpecialHeight")->value(), 30); // Round(12 x 2.54)
    EXPECT_EQ(f.Spin("SpecialWidth")->value(), 30);
    EXPECT_EQ(f.Find<QLineEdit>("FontNameEdit")->text(), QStringLiteral("宋体"));
    EXPECT_TRUE(f.Find<QAbstractButton>("Angle2")->isChecked());
    EXPECT_TRUE(f.Find<QAbstractButton>("UnderlineBox")->isChecked());
    EXPECT_FALSE(f.Find<QAbstractButton>("StrikeOutBox")->isChecked());
    EXPECT_EQ(f.dialog.SampleColor(), RGBColor(0, 0, 255));
    EXPECT_EQ(f.Find<QFrame>("ColorSample")->palette().color(QPalette::Window), QColor(0, 0, 255));
    EXPECT_EQ(f.Combo("CharSetBox")->currentText(), QStringLiteral("GB2312_CHARSET"));
    EXPECT_EQ(f.Panel(), QStringLiteral("GetConstant"));
}

TEST(SetText, OkWithoutChangesKeepsTheObject)
{
    SetTextFixture f;
    f.Open();
    const TLogText before = f.Word();
    f.Press("OK_BM");
    EXPECT_EQ(f.dialog.result(), QDialog::Accepted);
    EXPECT_EQ(f.Word().Text, before.Text);
    EXPECT_EQ(f.Word().Height, 16);
    EXPECT_EQ(f.Word().Width, 8);
    EXPECT_EQ(f.Word().CharSet, 134);
    EXPECT_EQ(f.Word().Weight, 400);
    EXPECT_EQ(f.Word().Color, RGBColor(0, 0, 255));
    EXPECT_EQ(f.text->Info.SourceKind, skTyped);
}

TEST(SetText, StyleItemsFollowWeightAndSlant)
{
    const struct
    {
        int32_t weight;
        bool italic;
        const char* item;
    } cases[] = {{400, false, "常规"}, {400, true, "斜体"}, {900, false, "粗体"}, {900, true, "粗斜体"}};
    for (const auto& c : cases) {
        SetTextFixture f;
        f.text->Info.WordInfo.Weight = c.weight;
        f.text->Info.WordInfo.Italic = c.italic;
        f.Open();
        EXPECT_EQ(f.List("TypeKind")->currentItem()->text(), QString::fromUtf8(c.item));
        // Choosing the item on a plain object gives that weight and slant.
        SetTextFixture g;
        g.Open();
        g.List("TypeKind")->setCurrentRow(TSetText::StyleItemOf(c.weight, c.italic));
        g.Press("OK_BM");
        EXPECT_EQ(g.Word().Weight, c.weight) << c.item;
        EXPECT_EQ(g.Word().Italic, c.italic) << c.item;
    }
    // A weight without an item selects nothing and survives OK.
    SetTextFixture f;
    f.text->Info.WordInfo.Weight = 700;
    f.Open();
    EXPECT_EQ(f.List("TypeKind")->currentRow(), -1);
    f.Press("OK_BM");
    EXPECT_EQ(f.Word().Weight, 700);
}

TEST(SetText, EmptyMemoGivesTheDefaultText)
{
    SetTextFixture f;
    f.Open();
    f.Memo()->clear();
    f.Press("OK_BM");
    EXPECT_EQ(f.Word().Text, QStringLiteral("Tessarine标签设计"));
    EXPECT_EQ(f.text->Info.SourceKind, skTyped);
    EXPECT_TRUE(f.text->Info.FieldName.isEmpty());
}

TEST(SetText, SpecialAndListSizes)
{
    const struct
    {
        int specialHeight;
        int specialWidth;
        int listRow; // -1: leave the list alone
        int32_t pixels;
    } cases[] = {
        {254, 127, -1, 133}, // 100 points
        {0, 127, -1, 0},     // width alone still takes both fields: height 0
        {0, 0, 4, 16},       // "12" from the list
        {0, 0, 15, 96},      // "72"
    };
    for (const auto& c : cases) {
        SetTextFixture f;
        f.Open();
        if (c.listRow >= 0) {
            f.List("SizeList")->setCurrentRow(c.listRow);
            // Picking a size resets the special fields.
            EXPECT_EQ(f.Spin("SpecialHeight")->value(), 0);
            EXPECT_EQ(f.Spin("SpecialWidth")->value(), 0);
        } else {
            f.Spin("SpecialHeight")->setValue(c.specialHeight);
            f.Spin("SpecialWidth")->setValue(c.specialWidth);
        }
        f.Press("OK_BM");
        EXPECT_EQ(f.Word().Height, c.pixels) << c.specialHeight << " / row " << c.listRow;
        EXPECT_EQ(f.Word().Width, TDesignDocument::PointsToWidth(TDesignDocument::HeightToPoints(c.pixels)));
    }
}

TEST(SetText, CharacterSetItemsStoreTheirCodes)
{
    const std::pair<const char*, uint8_t> expected[] = {
        {"ANSI_CHARSET", 0},          {"DEFAULT_CHARSET", 1},      {"SYMBOL_CHARSET", 2},
        {"SHIFTJIS_CHARSET", 128},    {"HANGEUL_CHARSET", 129},    {"GB2312_CHARSET", 134},
        {"CHINESEBIG5_CHARSET", 136}, {"OEM_CHARSET", 255},        {"JOHAB_CHARSET", 130},
        {"HEBREW_CHARSET", 177},      {"ARABIC_CHARSET", 178},     {"GREEK_CHARSET", 161},
        {"TURKISH_CHARSET ", 162},    {"VIETNAMESE_CHARSET", 163}, {"THAI_CHARSET", 222},
        {"EASTEUROPE_CHARSET", 238},  {"RUSSIAN_CHARSET", 204},    {"MAC_CHARSET", 77},
        {"BALTIC_CHARSET", 186},
    };
    SetTextFixture f;
    ASSERT_EQ(f.Combo("CharSetBox")->count(), int(std::size(expected)));
    for (int i = 0; i < int(std::size(expected)); ++i) {
        EXPECT_EQ(f.Combo("CharSetBox")->itemText(i), QString::fromLatin1(expected[i].first));
        f.Open();
        f.Combo("CharSetBox")->setCurrentIndex(i);
        f.Press("OK_BM");
        EXPECT_EQ(f.Word().CharSet, expected[i].second) << expected[i].first;
    }
}

TEST(SetText, FontRotationAndLinesReachTheObject)
{
    for (int quarter = 0; quarter < 4; ++quarter) {
        SetTextFixture f;
        f.Open();
        f.Find<QAbstractButton>(QStringLiteral("Angle%1").arg(quarter).toLatin1().constData())->click();
        f.Find<QAbstractButton>("StrikeOutBox")->setChecked(quarter % 2 == 1);
        f.Find<QAbstractButton>("UnderlineBox")->setChecked(quarter >= 2);
        f.Find<QLineEdit>("FontNameEdit")->setText(QStringLiteral("DejaVu Sans"));
        f.Press("OK_BM");
        EXPECT_EQ(f.text->Info.Angle, quarter * 90);
        EXPECT_EQ(f.Word().StrikeOut, quarter % 2 == 1);
        EXPECT_EQ(f.Word().Underline, quarter >= 2);
        EXPECT_EQ(f.Word().FontName, QStringLiteral("DejaVu Sans"));
    }
}

TEST(SetText, ColourBoxColoursSampleAndObject)
{
    SetTextFixture f;
    f.Open();
    TModalWatcher choose([](QWidget* modal) {
        auto* colors = qobject_cast<QColorDialog*>(modal);
        ASSERT_NE(colors, nullptr);
        colors->setCurrentColor(QColor(200, 10, 30));
        colors->accept();
    });
    f.Press("ColorBox_BM");
    ASSERT_TRUE(choose.Fired());
    EXPECT_EQ(f.Find<QLabel>("SampleText")->palette().color(QPalette::WindowText), QColor(200, 10, 30));
    TModalWatcher cancel([](QWidget* modal) { qobject_cast<QDialog*>(modal)->reject(); });
    f.Press("ColorBox_BM");
    ASSERT_TRUE(cancel.Fired());
    f.Press("OK_BM");
    EXPECT_EQ(f.Word().Color, RGBColor(200, 10, 30));
}

TEST(SetText, SampleFollowsTheChoices)
{
    SetTextFixture f;
    f.Open();
    auto* sample = f.Find<QLabel>("SampleText");
    f.List("SizeList")->setCurrentRow(0); // 8
    const int small = sample->font().pixelSize();
    f.List("SizeList")->setCurrentRow(15); // 72
    EXPECT_GT(sample->font().pixelSize(), 4 * small);
    f.Find<QAbstractButton>("UnderlineBox")->setChecked(true);
    EXPECT_TRUE(sample->font().underline());
    f.List("TypeKind")->setCurrentRow(3);
    EXPECT_TRUE(sample->font().italic());
    EXPECT_TRUE(sample->font().fixedPitch());
}

TEST(SetText, SerialTextRoundTripsPrefixAndSuffix)
{
    SetTextFixture f;
    f.Open();
    f.Combo("DataSourcBox")->setCurrentIndex(TContentPage::siSerial);
    f.Combo("SetSerialType")->setCurrentIndex(TContentPage::stLettersAndDigits);
    f.Find<QLineEdit>("RecordNoMemo")->setText(QStringLiteral("0001"));
    f.Find<QLineEdit>("Prefix")->setText(QStringLiteral("No."));
    f.Find<QLineEdit>("Suffix")->setText(QStringLiteral("-A"));
    f.Spin("NoSpringUp")->setValue(1);
    f.Find<QAbstractButton>("SetStrLong")->click();
    f.Spin("StrLong")->setValue(6);
    f.Find<QAbstractButton>("StrLeftOrRight2")->click();
    f.Find<QLineEdit>("Fillstring")->setText(QStringLiteral("0"));
    f.Press("OK_BM");
    const TObjectInfo& info = f.text->Info;
    EXPECT_EQ(info.WordInfo.Text, QStringLiteral("No.0001-A"));
    EXPECT_EQ(info.SourceKind, skSerial);
    EXPECT_EQ(info.RecordNo.SerialKind, kSerialLettersAndDigits);
    EXPECT_EQ(info.RecordNo.FixedLength, 1);
    EXPECT_EQ(info.RecordNo.MinLength, 6);
    EXPECT_EQ(info.RecordNo.PadSide, 1);
    EXPECT_EQ(info.RecordNo.PadChar, QStringLiteral("0"));
    ASSERT_TRUE(StepSerials(f.doc));
    EXPECT_EQ(info.WordInfo.Text, QStringLiteral("No.0002-A"));

    SetTextFixture g; // a fresh dialog shows everything again from the record
    g.text->Info = info;
    g.Open();
    EXPECT_EQ(g.Panel(), QStringLiteral("SetSerial"));
    EXPECT_EQ(g.Find<QLineEdit>("RecordNoMemo")->text(), QStringLiteral("0002"));
    EXPECT_EQ(g.Find<QLineEdit>("Prefix")->text(), QStringLiteral("No."));
    EXPECT_EQ(g.Find<QLineEdit>("Suffix")->text(), QStringLiteral("-A"));
    EXPECT_EQ(g.Spin("StrLong")->value(), 6);
    EXPECT_TRUE(g.Spin("StrLong")->isEnabled());
    EXPECT_TRUE(g.Find<QAbstractButton>("StrLeftOrRight2")->isChecked());
    EXPECT_EQ(g.Find<QLineEdit>("Fillstring")->text(), QStringLiteral("0"));
}

TEST(SetText, SerialTypesShowTheirRangeAndAffixRule)
{
    const struct
    {
        const char* type;
        const char* first;
        const char* last;
    } cases[] = {{"文字", "A", "Z"},       {"文字和数字", "A&0", "Z&9"}, {"数字", "0", "9"},
                 {"二进制", "0", "11011"}, {"八进制", "0", "7"},         {"十六进制", "0", "FFFF"}};
    SetTextFixture f;
    f.Open();
    f.Combo("DataSourcBox")->setCurrentIndex(TContentPage::siSerial);
    for (const auto& c : cases) {
        f.Combo("SetSerialType")->setCurrentIndex(TContentPage::stLettersAndDigits);
        f.Find<QLineEdit>("Prefix")->setText(QStringLiteral("P"));
        f.Combo("SetSerialType")->setCurrentText(QString::fromUtf8(c.type));
        EXPECT_EQ(f.Find<QLineEdit>("FirstValue")->text(), QString::fromLatin1(c.first)) << c.type;
        EXPECT_EQ(f.Find<QLineEdit>("LastValue")->text(), QString::fromLatin1(c.last)) << c.type;
        const bool affixes = QString::fromUtf8(c.type) == kSerialLettersAndDigits;
        EXPECT_EQ(f.Find<QLineEdit>("Prefix")->isEnabled(), affixes) << c.type;
        EXPECT_EQ(f.Find<QLineEdit>("Prefix")->text().isEmpty(), !affixes) << c.type;
    }
    // Text objects may use letters with digits with any font.
    f.Combo("SetSerialType")->setCurrentIndex(TContentPage::stLettersAndDigits);
    EXPECT_EQ(f.Combo("SetSerialType")->currentIndex(), TContentPage::stLettersAndDigits);
}

TEST(SetText, ImportReplacesTheMemoWithTheFile)
{
    SetTextFixture f;
    f.dialog.SetImportVisible(true);
    f.Open();
    EXPECT_TRUE(f.Find<QAbstractButton>("ImportFile_BM")->isVisible());
    const QString path = test::TempDir() + QStringLiteral("/lines.txt");
    ASSERT_TRUE(test::WriteFile(path, gbk::Encode(QStringLiteral("第一行\r\n第二行\r\n"))));
    f.dialog.Content()->AskImportFileName = [path] { return path; };
    f.Press("ImportFile_BM");
    EXPECT_EQ(f.Memo()->toPlainText(), QStringLiteral("第一行\n第二行"));
    // A cancelled file dialog or an unreadable file leaves the memo.
    for (const QString& answer : {QString(), path + QStringLiteral(".missing")}) {
        f.dialog.Content()->AskImportFileName = [answer] { return answer; };
        f.Press("ImportFile_BM");
        EXPECT_EQ(f.Memo()->toPlainText(), QStringLiteral("第一行\n第二行"));
    }
    f.Press("OK_BM");
    EXPECT_EQ(f.Word().Text, QStringLiteral("第一行\n第二行"));
}

TEST(SetText, CancelLeavesTheObject)
{
    SetTextFixture f;
    f.Open();
    f.Memo()->setPlainText(QStringLiteral("changed"));
    f.Spin("SpecialHeight")->setValue(500);
    f.Press("Cancel_BM");
    EXPECT_EQ(f.dialog.result(), QDialog::Rejected);
    EXPECT_EQ(f.Word().Text, QStringLiteral("Hello"));
    EXPECT_EQ(f.Word().Height, 16);
}
