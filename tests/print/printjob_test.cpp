#include "print/printjob.h"

#include "barcode/zxingdecode.h"
#include "printfixtures.h"
#include "support/testsupport.h"

#include "document/textshape.h"

#include <QPdfWriter>
#include <QPrinter>
#include <QSignalSpy>

#include <gtest/gtest.h>

namespace tessarine {
namespace {

constexpr int kDpi = 300;

// A PDF printer at 300 dots per inch with the layout's sheet.
std::unique_ptr<QPrinter> PdfPrinter(const QString& path, const TLabelLayout& layout)
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(path);
    printer->setResolution(kDpi);
    UseLayoutPage(*printer, layout);
    return printer;
}

// Everything a job must give back: vertices, pen, radius, text gap and font of each object.
struct ShapeState
{
    QVector<QPoint> points;
    double penWidth, cornerRadius;
    int32_t textGap, fontHeight, fontWidth;
    bool operator==(const ShapeState& o) const
    {
        return points == o.points && penWidth == o.penWidth && cornerRadius == o.cornerRadius &&
               textGap == o.textGap && fontHeight == o.fontHeight && fontWidth == o.fontWidth;
    }
};

std::vector<ShapeState> StateOf(const TDesignDocument& document)
{
    std::vector<ShapeState> states;
    for (const TShapePtr& s : document.Shapes)
        states.push_back({s->Points, s->Info.PenWidth, s->Info.CornerRadius, s->Info.BarCode.TextGap,
                          s->Info.WordInfo.Height, s->Info.WordInfo.Width});
    return states;
}

class PrintJobTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        pdf = test::TempDir() + QStringLiteral("/job.pdf");
        layout = test::TwoByTwoLayout();
        document.FileInfo.Title = QStringLiteral("TITLE");
    }

    TPrintOutcome Print(const TPrintRun& run)
    {
        auto printer = PdfPrinter(pdf, layout);
        TPrintJob job(document, layout, run);
        return job.Print(*printer);
    }

    QString pdf;
    TLabelLayout layout;
    TDesignDocument document;
};

TEST_F(PrintJobTest, SheetsCarrySizeAndCountOfTheRun)
{
    test::AddBlackBox(document, QRect(10, 10, 48, 24));
    struct Case
    {
        TPrintRun run;
        int pages;
    };
    for (const Case& c : {Case{{1, 1, 1}, 1}, Case{{4, 1, 1}, 1}, Case{{3, 3, 1}, 3}, Case{{1, 1, 5}, 2},
                          Case{{2, 3, 4}, 3}}) {
        const TPrintOutcome outcome = Print(c.run);
        ASSERT_EQ(outcome.status, TPrintOutcome::Printed) << outcome.message.toStdString();
        EXPECT_EQ(outcome.sheets, c.pages);
        const test::TPdfInfo info = test::ReadPdfInfo(pdf);
        EXPECT_EQ(info.Pages, c.pages) << c.run.Labels << " x " << c.run.Copies << " from " << c.run.Start;
        EXPECT_NEAR(info.WidthPt, 150 / 25.4 * 72, 0.5);
        EXPECT_NEAR(info.HeightPt, 80 / 25.4 * 72, 0.5);
    }
}

TEST_F(PrintJobTest, ObjectsLandInTheirCellsWithinOneDot)
{
    // 48 x 24 screen pixels at (10, 10) are 150 x 75 dots at (31, 31) inside a cell.
    test::AddBlackBox(document, QRect(10, 10, 48, 24));
    ASSERT_EQ(Print({3, 1, 2}).status, TPrintOutcome::Printed);
    const QImage page = test::RenderPdfPage(pdf, 1, kDpi);
    ASSERT_LE(std::abs(page.width() - 1772), 1);
    const QVector<QRect> cells = CellRects(layout, kDpi, kDpi);
    EXPECT_TRUE(test::DarkBounds(page, cells[0]).isEmpty()) << "cell 1 precedes the start";
    for (int cell = 1; cell < 4; ++cell) {
        const QRect expected(cells[cell].x() + 31, cells[cell].y() + 31, 150, 75);
        const QRect found = test::DarkBounds(page, cells[cell]);
        EXPECT_LE(std::abs(found.left() - expected.left()), 1) << "cell " << cell + 1;
        EXPECT_LE(std::abs(found.top() - expected.top()), 1) << "cell " << cell + 1;
        EXPECT_LE(std::abs(found.right() - expected.right()), 1) << "cell " << cell + 1;
        EXPECT_LE(std::abs(found.bottom() - expected.bottom()), 1) << "cell " << cell + 1;
    }
}

TEST_F(PrintJobTest, EverySheetCarriesTheTitleCentredAtItsTop)
{
    test::AddBlackBox(document, QRect(10, 10, 48, 24));
    ASSERT_EQ(Print({5, 1, 1}).status, TPrintOutcome::Printed);
    ASSERT_EQ(test::ReadPdfInfo(pdf).Pages, 2);
    for (int page = 1; page <= 2; ++page) {
        const QImage image = test::RenderPdfPage(pdf, page, kDpi);
        const QRect title = test::DarkBounds(image, QRect(0, 0, image.width(), 60));
        ASSERT_FALSE(title.isEmpty()) << "page " << page;
        EXPECT_LE(std::abs(title.center().x() - image.width() / 2), 3) << "page " << page;
        EXPECT_LE(title.top(), 12);
    }
}

TEST_F(PrintJobTest, ObjectsMarkedNotToPrintAreLeftOut)
{
    test::AddBlackBox(document, QRect(10, 10, 48, 24));
    test::AddBlackBox(document, QRect(100, 10, 48, 24))->Info.NoPrint = true;
    ASSERT_EQ(Print({1, 1, 1}).status, TPrintOutcome::Printed);
    const QImage page = test::RenderPdfPage(pdf, 1, kDpi);
    const QRect cell = CellRects(layout, kDpi, kDpi)[0];
    const QRect found = test::DarkBounds(page, cell);
    EXPECT_LE(found.right(), cell.x() + 31 + 150) << "the box marked not to print shows";
    EXPECT_EQ(document.ShapeCount(), 2);
}

TEST_F(PrintJobTest, BarcodesOnThePrintedPageDecodeAndStepPerLabel)
{
    test::AddCode128(document, QRect(10, 20, 200, 60), QStringLiteral("1001"), true);
    ASSERT_EQ(Print({2, 2, 1}).status, TPrintOutcome::Printed);
    const QImage page = test::RenderPdfPage(pdf, 1, kDpi);
    const QVector<QRect> cells = CellRects(layout, kDpi, kDpi);
    // Two copies of the first label, then two of the second.
    const char* expected[] = {"1001", "1001", "1002", "1002"};
    for (int cell = 0; cell < 4; ++cell) {
        const test::TDecoded decoded = test::Decode(page.copy(cells[cell]), ZXing::BarcodeFormat::Code128);
        ASSERT_TRUE(decoded.Valid) << "cell " << cell + 1;
        EXPECT_EQ(decoded.Text, expected[cell]) << "cell " << cell + 1;
    }
}

TEST_F(PrintJobTest, NumberingContinuesWhereThePreviousPrintStopped)
{
    const TShapePtr text = test::AddText(document, QPoint(10, 10), QStringLiteral("0001"), true);
    auto barcode = test::AddCode128(document, QRect(10, 40, 200, 60), QStringLiteral("0500"), true);
    QSignalSpy moves(&document, &TDesignDocument::OnMoveDR);
    ASSERT_EQ(Print({3, 2, 1}).status, TPrintOutcome::Printed);
    EXPECT_EQ(text->Info.WordInfo.Text, QStringLiteral("0004"));
    EXPECT_EQ(barcode->Info.BarCode.Data, QStringLiteral("0503"));
    ASSERT_EQ(moves.size(), 3) << "one record move per label, not per copy";
    EXPECT_EQ(moves[0][0].toBool(), false);
    ASSERT_EQ(Print({2, 1, 1}).status, TPrintOutcome::Printed);
    EXPECT_EQ(text->Info.WordInfo.Text, QStringLiteral("0006"));
    EXPECT_EQ(barcode->Info.BarCode.Data, QStringLiteral("0505"));
}

TEST_F(PrintJobTest, ZoomAndObjectsAreRestoredAfterTheJob)
{
    test::AddBlackBox(document, QRect(10, 10, 48, 24))->Info.CornerRadius = 6;
    test::AddText(document, QPoint(10, 50), QStringLiteral("Fixed"), false);
    test::AddCode128(document, QRect(10, 80, 200, 60), QStringLiteral("ABC"), false)->Info.BarCode.TextGap =
        3;
    document.SetZoom(1.5);
    const std::vector<ShapeState> before = StateOf(document);
    ASSERT_EQ(Print({3, 1, 1}).status, TPrintOutcome::Printed);
    EXPECT_EQ(document.Zoom(), 1.5);
    EXPECT_EQ(document.Context().FontScale, 1.0);
    EXPECT_FALSE(document.Context().Printing);
    EXPECT_TRUE(StateOf(document) == before);
    for (const TShapePtr& shape : document.Shapes)
        EXPECT_EQ(shape->Canvas, document.SurfaceCanvas());
}

TEST_F(PrintJobTest, TextIsPrintedAtPrinterSize)
{
    // 24 screen pixels of cell height are 75 printer dots; the glyphs fill most of that.
    test::AddText(document, QPoint(10, 10), QStringLiteral("HHHH"), false);
    ASSERT_EQ(Print({1, 1, 1}).status, TPrintOutcome::Printed);
    const QImage page = test::RenderPdfPage(pdf, 1, kDpi);
    const QRect found = test::DarkBounds(page, CellRects(layout, kDpi, kDpi)[0]);
    EXPECT_GT(found.height(), 40);
    EXPECT_LT(found.height(), 76);
    EXPECT_GT(found.width(), 100);
}

TEST_F(PrintJobTest, AStartPastTheSheetIsRefusedAndNothingChanges)
{
    const TShapePtr text = test::AddText(document, QPoint(10, 10), QStringLiteral("0001"), true);
    const TPrintOutcome outcome = Print({2, 1, 6});
    EXPECT_EQ(outcome.status, TPrintOutcome::Refused);
    EXPECT_EQ(outcome.message, CheckPrintRun(layout, {2, 1, 6}));
    EXPECT_EQ(text->Info.WordInfo.Text, QStringLiteral("0001"));
    EXPECT_FALSE(QFile::exists(pdf));
}

// A PDF printer whose paper jams at a given sheet.
class JammingWriter : public QPdfWriter
{
public:
    JammingWriter(const QString& path, int failingSheet) : QPdfWriter(path), m_failingSheet(failingSheet) {}
    bool newPage() override { return ++m_sheet < m_failingSheet && QPdfWriter::newPage(); }

private:
    int m_failingSheet;
    int m_sheet = 1;
};

TEST_F(PrintJobTest, APrinterErrorEndsTheJobWithAMessageAndRestoresTheDocument)
{
    test::AddBlackBox(document, QRect(10, 10, 48, 24));
    const TShapePtr text = test::AddText(document, QPoint(10, 50), QStringLiteral("0001"), true);
    document.SetZoom(2.0);
    const std::vector<ShapeState> before = StateOf(document);
    JammingWriter writer(pdf, 3);
    writer.setResolution(kDpi);
    UseLayoutPage(writer, layout);
    TPrintJob job(document, layout, {20, 1, 1});
    const TPrintOutcome outcome = job.Print(writer);
    EXPECT_EQ(outcome.status, TPrintOutcome::Failed);
    EXPECT_EQ(outcome.message, kPrinterErrorMessage);
    EXPECT_EQ(outcome.sheets, 2);
    EXPECT_EQ(document.Zoom(), 2.0);
    EXPECT_FALSE(document.Context().Printing);
    // Two full sheets went out: eight labels, eight steps.
    EXPECT_EQ(text->Info.WordInfo.Text, QStringLiteral("0009"));
    text->Info.WordInfo.Text = QStringLiteral("0001");
    EXPECT_TRUE(StateOf(document) == before);
}

TEST_F(PrintJobTest, ProgressCountsSheetsAndCancelStopsTheJob)
{
    test::AddBlackBox(document, QRect(10, 10, 48, 24));
    auto printer = PdfPrinter(pdf, layout);
    TPrintJob job(document, layout, {10, 1, 3});
    std::vector<std::pair<int, int>> seen;
    job.OnProgress = [&](int sheet, int sheets) {
        seen.emplace_back(sheet, sheets);
        return sheet < 2;
    };
    const TPrintOutcome outcome = job.Print(*printer);
    EXPECT_EQ(outcome.status, TPrintOutcome::Cancelled);
    // Cells 3 and 4 of sheet 1, then the first cell of sheet 2 cancels.
    const std::vector<std::pair<int, int>> expected = {{1, 3}, {1, 3}, {2, 3}};
    EXPECT_EQ(seen, expected);
    EXPECT_EQ(document.Zoom(), 1.0);
}

TEST_F(PrintJobTest, AnUnwritableOutputFailsWithAMessage)
{
    test::AddBlackBox(document, QRect(10, 10, 48, 24));
    auto printer = PdfPrinter(QStringLiteral("/nonexistent-folder/out.pdf"), layout);
    document.SetZoom(1.25);
    TPrintJob job(document, layout, {1, 1, 1});
    const TPrintOutcome outcome = job.Print(*printer);
    EXPECT_EQ(outcome.status, TPrintOutcome::Failed);
    EXPECT_EQ(outcome.message, kPrinterErrorMessage);
    EXPECT_EQ(document.Zoom(), 1.25);
}

} // namespace
} // namespace tessarine
