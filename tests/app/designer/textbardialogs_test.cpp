// The main window opens the text and barcode dialogs for the objects they edit.
#include "app/designer/mainwindow.h"
#include "app/dialogs/contentpage.h"
#include "app/dialogs/setbar.h"
#include "app/dialogs/settext.h"

#include "document/barcodeshapes.h"
#include "document/design.h"
#include "document/designdocument.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

using namespace tessarine;

namespace {

struct DesignerWindow
{
    DesignerWindow()
    {
        main.Ask = [](const QString&, QMessageBox::StandardButtons) { return QMessageBox::No; };
        main.resize(1200, 800);
        main.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&main));
    }
    TDesign* Surface() { return main.Design(); }
    TDesignDocument& Doc() { return main.Document(); }
    void Tool(const char* menuItem) { main.Action(QString::fromUtf8(menuItem))->trigger(); }
    void Click(QPoint at) { QTest::mouseClick(Surface(), Qt::LeftButton, Qt::NoModifier, at); }

    // Runs open (which shows a modal dialog) and lets work act on the dialog inside its loop.
    // False when no dialog of that kind came up.
    template <typename TDialog>
    bool WithDialog(TDialog* dialog, const std::function<void()>& open,
                    const std::function<void(TDialog&)>& work)
    {
        bool shown = false;
        QTimer::singleShot(0, [&] {
            shown = dialog->isVisible();
            work(*dialog);
            if (dialog->isVisible())
                dialog->reject();
        });
        open();
        return shown;
    }

    TMain main;
};

template <typename T> T* Child(QWidget& dialog, const char* name)
{
    return dialog.findChild<T*>(QString::fromLatin1(name));
}

void Press(QWidget& dialog, const char* button)
{
    QTest::mouseClick(Child<QAbstractButton>(dialog, button), Qt::LeftButton);
}

} // namespace

TEST(TextBarDialogs, DoubleClickOnATextOpensTheTextDialog)
{
    const struct
    {
        const char* tool;
        uint8_t kind;
        bool import;
    } cases[] = {{"Main_Menu_CreateText", kindText, false},
                 {"Main_Menu_CreateLinesText", kindLinesText, true}};
    for (const auto& c : cases) {
        DesignerWindow w;
        w.Tool(c.tool);
        w.Click({100, 100});
        ASSERT_EQ(w.Doc().ShapeCount(), 1);
        const TShapePtr text = w.Doc().Shapes[0];
        const QString made = text->Info.WordInfo.Text;
        TObjectInfo loaded;
        bool importShown = false;
        const bool shown = w.WithDialog<TSetText>(
            w.main.SetTextDialog(),
            [&] {
                QTest::mouseDClick(w.Surface(), Qt::LeftButton, Qt::NoModifier, {104, 104});
            },
            [&](TSetText& dialog) {
                loaded = dialog.EditInfo();
                importShown = Child<QAbstractButton>(dialog, "ImportFile_BM")->isVisible();
                Child<QPlainTextEdit>(dialog, "ConstantMemo")->setPlainText(QStringLiteral("价格 9.90"));
                Child<QSpinBox>(dialog, "SpecialHeight")->setValue(254);
                Press(dialog, "OK_BM");
            });
        ASSERT_TRUE(shown) << c.tool;
        EXPECT_EQ(loaded.Kind, c.kind);
        EXPECT_EQ(loaded.WordInfo.Text, made);
        EXPECT_EQ(loaded.WordInfo.Height, 16) << "the dialog gets points";
        EXPECT_EQ(importShown, c.import) << c.tool;
        EXPECT_EQ(text->Info.WordInfo.Text, QStringLiteral("价格 9.90"));
        EXPECT_EQ(text->Info.WordInfo.Height, 133);
        EXPECT_EQ(w.main.Data().EditInfo.WordInfo.Text, QStringLiteral("价格 9.90"));
    }
}

TEST(TextBarDialogs, AltEnterOpensTheDialogOfTheSelection)
{
    DesignerWindow w;
    w.Tool("Main_Menu_CreateText");
    w.Click({100, 100});
    ASSERT_EQ(w.Doc().SelectionCount(), 1);
    const QString made = w.Doc().Shapes[0]->Info.WordInfo.Text;
    w.main.activateWindow();
    const bool shown = w.WithDialog<TSetText>(
        w.main.SetTextDialog(), [&] { QTest::keyClick(&w.main, Qt::Key_Return, Qt::AltModifier); },
        [](TSetText& dialog) { Press(dialog, "Cancel_BM"); });
    EXPECT_TRUE(shown);
    EXPECT_EQ(w.Doc().Shapes[0]->Info.WordInfo.Text, made) << "cancel changes nothing";
}

TEST(TextBarDialogs, TheBarcodeToolAsksForTheNewBarcode)
{
    DesignerWindow w;
    w.Tool("Main_Menu_CreateBarCode");
    QString symbology;
    int height = 0;
    const bool shown = w.WithDialog<TSetBar>(
        w.main.SetBarDialog(),
        [&] {
            w.Click({60, 60});
        },
        [&](TSetBar& dialog) {
            symbology = Child<QComboBox>(dialog, "TypeBox")->currentText();
            height = Child<QSpinBox>(dialog, "Height")->value();
            Child<QPlainTextEdit>(dialog, "ConstantMemo")->setPlainText(QStringLiteral("690123456789"));
            Press(dialog, "OK_BM");
        });
    ASSERT_TRUE(shown);
    EXPECT_EQ(symbology, QStringLiteral("CodeEAN 13"));
    EXPECT_EQ(height, 65);
    ASSERT_EQ(w.Doc().ShapeCount(), 1);
    const auto barcode = std::dynamic_pointer_cast<TShowBarCode>(w.Doc().Shapes[0]);
    ASSERT_NE(barcode, nullptr);
    EXPECT_EQ(barcode->Info.Kind, kindBarCode);
    EXPECT_EQ(barcode->Info.BarCode.Symbology, 14);
    EXPECT_EQ(barcode->Info.BarCode.Data, QStringLiteral("6901234567892"));
    EXPECT_EQ(barcode->Info.BarCode.BarHeight, 65);
    EXPECT_FALSE(barcode->BarBitmap.IsEmpty());
    EXPECT_FALSE(w.Doc().IsOpenImage);

    // Double click on it: the barcode dialog with its record; a new symbology is applied.
    w.Click({70, 70});
    const bool reopened = w.WithDialog<TSetBar>(
        w.main.SetBarDialog(),
        [&] {
            QTest::mouseDClick(w.Surface(), Qt::LeftButton, Qt::NoModifier, {70, 70});
        },
        [&](TSetBar& dialog) {
            EXPECT_EQ(dialog.EditInfo().Kind, kindBarCode);
            EXPECT_EQ(Child<QPlainTextEdit>(dialog, "ConstantMemo")->toPlainText(),
                      QStringLiteral("6901234567892"));
            Child<QComboBox>(dialog, "TypeBox")->setCurrentText(QStringLiteral("Code 128B"));
            Child<QPlainTextEdit>(dialog, "ConstantMemo")->setPlainText(QStringLiteral("Lot 7"));
            Press(dialog, "OK_BM");
        });
    ASSERT_TRUE(reopened);
    EXPECT_EQ(barcode->Info.BarCode.Symbology, 6);
    EXPECT_EQ(barcode->Info.BarCode.Data, QStringLiteral("Lot 7"));
    EXPECT_EQ(w.main.Data().EditInfo.Kind, kindNone);
}

TEST(TextBarDialogs, CancellingTheNewBarcodeRemovesIt)
{
    DesignerWindow w;
    w.Tool("Main_Menu_CreateBarCode");
    const bool shown = w.WithDialog<TSetBar>(
        w.main.SetBarDialog(),
        [&] {
            w.Click({60, 60});
        },
        [](TSetBar& dialog) { Press(dialog, "Cancel_BM"); });
    ASSERT_TRUE(shown);
    EXPECT_EQ(w.Doc().ShapeCount(), 0);
    EXPECT_EQ(w.Doc().SelectionCount(), 0);
}
