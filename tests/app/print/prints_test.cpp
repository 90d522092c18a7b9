#include "app/print/previewfrm.h"
#include "app/print/printprogress.h"
#include "app/print/prints.h"
#include "app/print/printwindows.h"

#include "support/testsupport.h"

#include "data/serialstepping.h"
#include "document/designdocument.h"
#include "document/textshape.h"
#include "print/kwzpreview.h"
#include "print/printersettings.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace tessarine {
namespace {

TLabelLayout PageSetupLayout()
{
    TLabelLayout layout;
    layout.Zoom = 3.8;
    layout.PageWidth = 100;
    layout.PageHeight = 60;
    layout.MarginLeft = 4;
    layout.MarginTop = 5;
    layout.Row = 2;
    layout.Column = 2;
    layout.LabelWidth = 45;
    layout.LabelHeight = 25;
    layout.LabelMarginLeft = 2;
    layout.LabelMarginTop = 3;
    layout.LabelEllipse = 6;
    return layout;
}

int PdfPages(const QString& pdf)
{
    QProcess process;
    process.start(QStringLiteral("pdfinfo"), {pdf});
    process.waitForFinished(60000);
    const QString text = QString::fromUtf8(process.readAllStandardOutput());
    for (const QString& line : text.split(QLatin1Char('\n')))
        if (line.startsWith(QStringLiteral("Pages:")))
            return line.mid(6).trimmed().toInt();
    return 0;
}

class PrintsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        settings.P_Current_Name = QStringLiteral("Office Laser");
        settings.P_Current_Port = QStringLiteral("LPT1");
        settings.P_DPI = -1;
        pdf = test::TempDir() + QStringLiteral("/printed.pdf");
        serial = document.CreateShapeForTool(SpText);
        serial->AddStoredPoint({5, 5});
        serial->AddStoredPoint({53, 29});
        serial->Info.Kind = kindText;
        serial->Info.WordInfo.Text = QStringLiteral("0001");
        serial->Info.WordInfo.Height = 24;
        serial->Info.WordInfo.Width = 12;
        serial->Info.SourceKind = skSerial;
        serial->Info.RecordNo.SerialKind = kSerialDigits;
        serial->Info.RecordNo.Step = 1;
        document.AddNewShape(serial);
        dialog.SetMessageHandler([this](const QString& text) { messages << text; });
        UsePrinters({}, pdf);
        dialog.Prepare(PageSetupLayout());
    }

    void UsePrinters(const QStringList& queues, const QString& pdfPath)
    {
        dialog.SetPrinterLookup([=](const QString&) { return TSystemPrinters{queues, pdfPath}; });
    }

    TDesignDocument document;
    TPrinterSettings settings;
    TPrints dialog{document, settings};
    QStringList messages;
    QString pdf;
    TShapePtr serial;
};

TEST_F(PrintsTest, FieldsStartAtOneWithinTheirRanges)
{
    struct Field
    {
        QSpinBox* box;
        int minimum, maximum;
    };
    for (const Field& f : {Field{dialog.LabelCountEdit(), 1, 10000}, Field{dialog.CopiesEdit(), 1, 10000},
                           Field{dialog.TotalEdit(), 1, 30000}, Field{dialog.StartEdit(), 1, 1000},
                           Field{dialog.BorderOffsetEdit(), 0, 15}}) {
        EXPECT_EQ(f.box->value(), 1) << f.box->objectName().toStdString();
        EXPECT_EQ(f.box->minimum(), f.minimum) << f.box->objectName().toStdString();
        EXPECT_EQ(f.box->maximum(), f.maximum) << f.box->objectName().toStdString();
    }
    EXPECT_TRUE(dialog.TotalEdit()->isReadOnly());
    EXPECT_TRUE(dialog.ThermalPrintButton()->isHidden());
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("打印"));
}

TEST_F(PrintsTest, TotalAndPreviewMarksFollowTheFields)
{
    struct Case
    {
        int count, copies, start, total;
    };
    for (const Case& c :
         {Case{3, 4, 2, 12}, Case{200, 150, 5, 30000}, Case{10000, 10000, 1000, 30000}, Case{1, 1, 1, 1}}) {
        dialog.LabelCountEdit()->setValue(c.count);
        dialog.CopiesEdit()->setValue(c.copies);
        dialog.StartEdit()->setValue(c.start);
        EXPECT_EQ(dialog.TotalEdit()->value(), c.total) << c.count << " x " << c.copies;
        EXPECT_EQ(dialog.PreView()->LabelTotal(), c.total);
        EXPECT_EQ(dialog.PreView()->LabelStart(), c.start);
        const TPrintRun run = dialog.Run();
        EXPECT_EQ(run.Labels, c.count);
        EXPECT_EQ(run.Copies, c.copies);
        EXPECT_EQ(run.Start, c.start);
    }
    EXPECT_TRUE(dialog.PreView()->ShowStartEnd());
}

TEST_F(PrintsTest, PrepareTakesThePageSetupGridAndThePrinterReadOuts)
{
    const TLabelLayout layout = PageSetupLayout();
    const TKWZPreView& preView = *dialog.PreView();
    EXPECT_DOUBLE_EQ(preView.Zoom(), 3.8 + 0.9);
    EXPECT_EQ(preView.Row(), 2);
    EXPECT_EQ(preView.Column(), 2);
    EXPECT_EQ(preView.PageWidth(), 100);
    EXPECT_EQ(preView.LabelWidth(), 45);
    EXPECT_EQ(preView.MarginTop(), 5);
    EXPECT_EQ(preView.LabelEllipse(), 6);
    EXPECT_TRUE(dialog.JobLayout() == layout);
    EXPECT_EQ(dialog.PrinterNameLabel()->text(), QStringLiteral("Office Laser"));
    EXPECT_EQ(dialog.PortLabel()->text(), QStringLiteral("LPT1"));
}

// Pixels of the print colour (0x000000FF, red) in the preview control's picture.
int PrintColourPixels(TKWZPreView& preView)
{
    const QImage picture = preView.grab().toImage().convertToFormat(QImage::Format_RGB32);
    int count = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            count += picture.pixel(x, y) == qRgb(255, 0, 0);
    return count;
}

TEST_F(PrintsTest, ThePreviewControlMarksTheCellsTheJobFills)
{
    dialog.PreView()->resize(dialog.PreView()->sizeHint());
    dialog.StartEdit()->setValue(4);
    const int oneCell = PrintColourPixels(*dialog.PreView());
    ASSERT_GT(oneCell, 0);
    dialog.StartEdit()->setValue(2);
    dialog.LabelCountEdit()->setValue(3);
    const int threeCells = PrintColourPixels(*dialog.PreView());
    EXPECT_NEAR(threeCells, 3 * oneCell, oneCell / 5);
}

TEST_F(PrintsTest, WithoutAnyPrinterPrintAndPreviewAskForOne)
{
    UsePrinters({}, {});
    QSignalSpy previews(&dialog, &TPrints::PreviewRequested);
    dialog.PrintClick();
    dialog.PreviewClick();
    EXPECT_EQ(messages, (QStringList{QStringLiteral("请安装打印机"), QStringLiteral("请首先安装打印机")}));
    EXPECT_EQ(previews.size(), 0);
    EXPECT_EQ(serial->Info.WordInfo.Text, QStringLiteral("0001"));
}

TEST_F(PrintsTest, ThePdfPrinterPrintsWhenTheSystemHasNoQueue)
{
    dialog.LabelCountEdit()->setValue(3);
    dialog.CopiesEdit()->setValue(2);
    dialog.StartEdit()->setValue(4);
    dialog.PrintClick();
    EXPECT_TRUE(messages.isEmpty()) << messages.join(' ').toStdString();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(PdfPages(pdf), 3); // cells 4..9 of four-cell sheets
    EXPECT_EQ(serial->Info.WordInfo.Text, QStringLiteral("0004"));
    QSignalSpy previews(&dialog, &TPrints::PreviewRequested);
    dialog.PreviewClick();
    EXPECT_EQ(previews.size(), 1);
}

TEST_F(PrintsTest, AStartPastTheSheetIsRefusedAndTheDialogStays)
{
    dialog.StartEdit()->setValue(6);
    dialog.PrintClick();
    EXPECT_EQ(messages, QStringList{CheckPrintRun(PageSetupLayout(), {1, 1, 6})});
    EXPECT_FALSE(QFile::exists(pdf));
    EXPECT_EQ(serial->Info.WordInfo.Text, QStringLiteral("0001"));
}

TEST_F(PrintsTest, AThermalKindIsNotPrintedThroughTheDriver)
{
    settings.P_DPI = 203;
    QSignalSpy thermal(&dialog, &TPrints::ThermalPrintRequested);
    dialog.PrintClick();
    EXPECT_FALSE(QFile::exists(pdf));
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_EQ(thermal.size(), 1); // the print command starts the thermal job
    dialog.ThermalPrintButton()->click();
    EXPECT_EQ(thermal.size(), 2);
}

TEST_F(PrintsTest, TheBorderBoxOnlyEnablesItsOffset)
{
    EXPECT_FALSE(dialog.BorderOffsetEdit()->isEnabled());
    dialog.BorderCheck()->setChecked(true);
    EXPECT_TRUE(dialog.BorderOffsetEdit()->isEnabled());
}

TEST_F(PrintsTest, CancelInTheProgressWindowStopsALongJob)
{
    dialog.LabelCountEdit()->setValue(10000);
    // Pressed as soon as the job first lets the window take events.
    QTimer::singleShot(0, dialog.Progress()->CancelButton(), &QPushButton::click);
    dialog.PrintClick();
    EXPECT_TRUE(dialog.Progress()->Cancelled());
    const int printed = serial->Info.WordInfo.Text.toInt() - 1;
    EXPECT_GT(printed, 0);
    EXPECT_LT(printed, 10000);
    EXPECT_TRUE(messages.isEmpty());
}

TEST(PrintProgressTest, ShowsTheSheetAndTellsTheJobToStopAfterCancel)
{
    TPrintProgress progress;
    progress.Start();
    QTest::qWait(TPrintProgress::kEventIntervalMs + 10);
    EXPECT_TRUE(progress.Update(2, 5));
    EXPECT_EQ(progress.SheetLabel()->text(), QStringLiteral("正在打印第 2 页, 共 5 页"));
    progress.CancelButton()->click();
    EXPECT_FALSE(progress.Update(2, 5));
    progress.Start();
    EXPECT_TRUE(progress.Update(1, 1)) << "a new job starts uncancelled";
}

TEST(PrintWindowsTest, PreviewShowsThePagesOfTheDialogsRunOnACopy)
{
    TDesignDocument document;
    TPrinterSettings settings;
    settings.P_DPI = -1;
    QWidget mainWindow;
    TPrintWindows windows(document, settings, &mainWindow);
    windows.PrintDialog()->LabelCountEdit()->setValue(9);
    int shownPages = -1;
    QTimer::singleShot(0, windows.PreviewWindow(), [&] {
        shownPages = windows.PreviewWindow()->PageCount();
        windows.PreviewWindow()->CloseClick();
    });
    windows.ShowPreview(PageSetupLayout());
    EXPECT_EQ(shownPages, 3);
    EXPECT_EQ(windows.PreviewWindow()->PageCount(), 0) << "closing frees the pages";
}

} // namespace
} // namespace tessarine
