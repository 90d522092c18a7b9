// Every dialog laid out on screen: captions fit, every glyph exists in the fonts, every
// control is inside its parent and carries a component name a language file can find.
// With TESSARINE_SNAPSHOT_DIR set, the dialogs and a sheet of the clip art are also saved as
// PNG files for looking at.
#include "app/dialogs/aboutbox.h"
#include "app/dialogs/barcodepdf417.h"
#include "app/dialogs/clipart.h"
#include "app/dialogs/fileinformation.h"
#include "app/dialogs/imagelibrary.h"
#include "app/dialogs/contentpage.h"
#include "app/dialogs/setbar.h"
#include "app/dialogs/setimage.h"
#include "app/dialogs/settext.h"
#include "app/dialogs/setobject.h"
#include "app/dialogs/tools.h"
#include "app/settings/languageapplier.h"

#include "data/module/datamodule.h"
#include "document/designdocument.h"
#include "support/testsupport.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

using namespace tessarine;

namespace {

// The English the program ships, whose captions are longer. Applied before the object is
// loaded, as at start-up.
void ApplyEnglish(QWidget* dialog)
{
    const auto english = TLanguage::Load(QStringLiteral(TESSARINE_FIXTURES "/../../resources/languages/English.Lga"));
    EXPECT_TRUE(english.has_value());
    if (english)
        english->Apply(dialog);
}

// The text and barcode dialogs read the data module, which the document keeps alive for them.
std::unique_ptr<QWidget> MakeSetText(TDesignDocument& doc, int page, TContentPage::TSourceItem source,
                                     bool english = false)
{
    auto dialog = std::make_unique<TSetText>(doc, *new TKWZDataModule(&doc));
    if (english)
        ApplyEnglish(dialog.get());
    TObjectInfo info;
    info.Kind = kindLinesText;
    info.WordInfo.Text = QStringLiteral("出口纸箱\n每箱一张");
    info.WordInfo.FontName = QStringLiteral("宋体");
    info.WordInfo.Height = 12;
    info.WordInfo.Width = 12;
    info.WordInfo.Weight = 900;
    info.WordInfo.Color = RGBColor(160, 0, 0);
    dialog->SetImportVisible(true);
    dialog->Load(info);
    dialog->Content()->SelectSource(source);
    dialog->findChild<QTabWidget*>()->setCurrentIndex(page);
    return dialog;
}

std::unique_ptr<QWidget> MakeSetBar(TDesignDocument& doc, int page, TContentPage::TSourceItem source,
                                    bool english = false)
{
    auto dialog = std::make_unique<TSetBar>(doc, *new TKWZDataModule(&doc));
    if (english)
        ApplyEnglish(dialog.get());
    TObjectInfo info;
    info.Kind = kindBarCode;
    info.BarCode.Symbology = 6;
    info.BarCode.Data = QStringLiteral("NO.0001-B");
    info.BarCode.WidthLevel = 95;
    info.BarCode.BarHeight = 60;
    info.BarCode.TextGap = 8;
    info.BarCode.ShowText = true;
    info.SourceKind = skSerial;
    info.RecordNo.SerialKind = QStringLiteral("文字和数字");
    info.RecordNo.Prefix = QStringLiteral("NO.");
    info.RecordNo.Suffix = QStringLiteral("-B");
    info.RecordNo.Step = 1;
    dialog->Load(info);
    dialog->Content()->SelectSource(source);
    dialog->findChild<QTabWidget*>()->setCurrentIndex(page);
    return dialog;
}

struct Subject
{
    const char* name;
    std::function<std::unique_ptr<QWidget>(TDesignDocument&)> make;
};

const Subject kSubjects[] = {
    {"SetObject",
     [](TDesignDocument&) {
         auto dialog = std::make_unique<TSetObject>();
         TObjectInfo info;
         info.Kind = kindBox;
         info.PenWidth = 2;
         info.PenColor = RGBColor(200, 30, 30);
         info.BrushColor = RGBColor(250, 240, 180);
         info.BrushStyle = bsHorizontal;
         dialog->Load(info);
         return std::unique_ptr<QWidget>(std::move(dialog));
     }},
    {"SetObjectFill",
     [](TDesignDocument&) {
         auto dialog = std::make_unique<TSetObject>();
         dialog->findChild<QTabWidget*>()->setCurrentIndex(1);
         return std::unique_ptr<QWidget>(std::move(dialog));
     }},
    {"SetImage", [](TDesignDocument&) { return std::unique_ptr<QWidget>(std::make_unique<TSetImage>()); }},
    {"Tools",
     [](TDesignDocument& doc) {
         auto tools = std::make_unique<TTools>(doc);
         tools->SetFullScreenMode(true);
         return std::unique_ptr<QWidget>(std::move(tools));
     }},
    {"ImageLibrary",
     [](TDesignDocument& doc) {
         auto library = std::make_unique<TImageLibrary>(doc);
         library->ListView()->item(14)->setSelected(true);
         return std::unique_ptr<QWidget>(std::move(library));
     }},
    {"FileInformation",
     [](TDesignDocument& doc) {
         doc.FileInfo.Title = QStringLiteral("出口纸箱标签");
         doc.FileInfo.Author = QStringLiteral("王工");
         doc.FileInfo.Information = QStringLiteral("每箱一张\n条码用 Code 128");
         return std::unique_ptr<QWidget>(std::make_unique<TFileInformation>(doc));
     }},
    {"AboutBox",
     [](TDesignDocument&) {
         return std::unique_ptr<QWidget>(
             std::make_unique<TAboutBox>(QStringLiteral("Ver3.1"), QStringLiteral("Build 3002")));
     }},
    {"BarCodePDF417",
     [](TDesignDocument& doc) {
         auto dialog =
             std::make_unique<TBarCodePDF417>(doc, tessarine::test::TempDir() + QStringLiteral("/_KWZ.dat"));
         dialog->Memo()->setPlainText(QStringLiteral("批号 A-1024\n有效期 2026-01"));
         return std::unique_ptr<QWidget>(std::move(dialog));
     }},
    {"SetTextContent", [](TDesignDocument& doc) { return MakeSetText(doc, 0, TContentPage::siConstant); }},
    {"SetTextSerial", [](TDesignDocument& doc) { return MakeSetText(doc, 0, TContentPage::siSerial); }},
    {"SetTextDatabase", [](TDesignDocument& doc) { return MakeSetText(doc, 0, TContentPage::siDatabase); }},
    {"SetTextFont", [](TDesignDocument& doc) { return MakeSetText(doc, 1, TContentPage::siConstant); }},
    {"SetBarContent", [](TDesignDocument& doc) { return MakeSetBar(doc, 0, TContentPage::siConstant); }},
    {"SetBarSerial", [](TDesignDocument& doc) { return MakeSetBar(doc, 0, TContentPage::siSerial); }},
    {"SetBarSettings", [](TDesignDocument& doc) { return MakeSetBar(doc, 1, TContentPage::siConstant); }},
    {"SetTextFontEnglish",
     [](TDesignDocument& doc) { return MakeSetText(doc, 1, TContentPage::siConstant, true); }},
    {"SetBarSerialEnglish",
     [](TDesignDocument& doc) { return MakeSetBar(doc, 0, TContentPage::siSerial, true); }},
};

bool InsideCompositeControl(const QWidget* widget, const QWidget* top)
{
    for (const QWidget* p = widget->parentWidget(); p && p != top; p = p->parentWidget())
        if (qobject_cast<const QAbstractSpinBox*>(p) || qobject_cast<const QComboBox*>(p) ||
            qobject_cast<const QTabBar*>(p) || qobject_cast<const QAbstractScrollArea*>(p))
            return true;
    return false;
}

QString Caption(const QWidget* widget)
{
    if (auto* label = qobject_cast<const QLabel*>(widget))
        return label->text();
    if (auto* button = qobject_cast<const QAbstractButton*>(widget))
        return button->text();
    if (auto* group = qobject_cast<const QGroupBox*>(widget))
        return group->title();
    return QString();
}

void ExpectGlyphs(const QWidget* widget, const QString& text, const char* subject)
{
    const QFontMetrics metrics(widget->font());
    for (QChar c : text)
        if (!c.isSpace() && c != QLatin1Char('&')) {
            EXPECT_TRUE(metrics.inFont(c))
                << subject << ": no glyph for U+" << std::hex << c.unicode() << " in " << text.toStdString();
        }
}

void CheckLayout(QWidget& top, const char* subject)
{
    for (QWidget* widget : top.findChildren<QWidget*>()) {
        if (!widget->isVisible() || InsideCompositeControl(widget, &top))
            continue;
        const bool control = qobject_cast<QLabel*>(widget) || qobject_cast<QAbstractButton*>(widget) ||
                             qobject_cast<QGroupBox*>(widget) || qobject_cast<QLineEdit*>(widget) ||
                             qobject_cast<QPlainTextEdit*>(widget) || qobject_cast<QComboBox*>(widget) ||
                             qobject_cast<QAbstractSpinBox*>(widget) ||
                             qobject_cast<QAbstractScrollArea*>(widget) || qobject_cast<QTabWidget*>(widget);
        if (!control)
            continue;
        const std::string what = std::string(subject) + "/" + widget->metaObject()->className() + " '" +
                                 Caption(widget).toStdString() + "'";
        EXPECT_FALSE(widget->objectName().isEmpty()) << what << " has no component name";
        const QRect parentRect = widget->parentWidget()->rect();
        EXPECT_TRUE(parentRect.contains(widget->geometry())) << what << " sticks out of its parent";

        const QString caption = Caption(widget);
        if (caption.isEmpty())
            continue;
        ExpectGlyphs(widget, caption, subject);
        if (qobject_cast<QLabel*>(widget) || qobject_cast<QAbstractButton*>(widget)) {
            EXPECT_GE(widget->width(), widget->sizeHint().width()) << what << " is clipped";
            EXPECT_GE(widget->height(), widget->minimumSizeHint().height()) << what << " is clipped";
        } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
            EXPECT_GE(group->width(), group->fontMetrics().horizontalAdvance(caption) + 16)
                << what << " title is clipped";
        }
    }
    for (QTabBar* bar : top.findChildren<QTabBar*>())
        for (int i = 0; i < bar->count(); ++i) {
            ExpectGlyphs(bar, bar->tabText(i), subject);
            EXPECT_GE(bar->tabRect(i).width(), bar->fontMetrics().horizontalAdvance(bar->tabText(i)))
                << subject << " tab " << bar->tabText(i).toStdString();
        }
}

QString SnapshotDir()
{
    const QString dir = qEnvironmentVariable("TESSARINE_SNAPSHOT_DIR");
    if (!dir.isEmpty())
        QDir().mkpath(dir);
    return dir;
}

} // namespace

TEST(DialogLayout, CaptionsFitAndEveryControlIsNamed)
{
    const QString snapshots = SnapshotDir();
    for (const Subject& subject : kSubjects) {
        TDesignDocument doc;
        std::unique_ptr<QWidget> widget = subject.make(doc);
        widget->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(widget.get())) << subject.name;
        EXPECT_FALSE(widget->objectName().isEmpty()) << subject.name;
        CheckLayout(*widget, subject.name);
        const QImage picture = widget->grab().toImage();
        EXPECT_FALSE(picture.isNull()) << subject.name;
        if (!snapshots.isEmpty()) {
            EXPECT_TRUE(
                picture.save(snapshots + QLatin1Char('/') + QString::fromLatin1(subject.name) + ".png"));
        }
        widget->hide();
    }
}

TEST(DialogLayout, ClipArtSheet)
{
    // The sheet is for eyes; the test only makes sure every cell got its picture.
    constexpr int cell = 80;
    constexpr int columns = 12;
    QImage sheet(columns * cell, (kClipArtCount + columns - 1) / columns * cell, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    for (int i = 0; i < kClipArtCount; ++i) {
        const QPoint origin((i % columns) * cell + 8, (i / columns) * cell + 2);
        painter.drawImage(origin, ClipArtPicture(i));
        painter.drawText(QRect(origin.x(), origin.y() + 64, 64, 14), Qt::AlignCenter, QString::number(i));
    }
    painter.end();
    for (int i = 0; i < kClipArtCount; ++i) {
        const QPoint origin((i % columns) * cell + 8, (i / columns) * cell + 2);
        EXPECT_EQ(sheet.copy(QRect(origin, QSize(64, 64))).convertToFormat(QImage::Format_RGB888),
                  ClipArtBitmap(i))
            << i;
    }
    const QString snapshots = SnapshotDir();
    if (!snapshots.isEmpty()) {
        EXPECT_TRUE(sheet.save(snapshots + QStringLiteral("/ClipArt.png")));
    }
}
