#include "print/systemprinters.h"

#include "support/testsupport.h"

#include <QPrinter>
#include <QStandardPaths>

#include <gtest/gtest.h>

#include <vector>

namespace tessarine {
namespace {

struct ResolveCase
{
    QStringList queues;
    QString pdfPath;
    QString stored;
    QString systemDefault;
    QString chosen;
};

TEST(SystemPrintersTest, ResolvesTheStoredPrinterOrTheBestOtherOne)
{
    const QString pdf = QStringLiteral("/tmp/out.pdf");
    const std::vector<ResolveCase> cases = {
        {{"office", "labels"}, pdf, "labels", "office", "labels"},
        {{"office", "labels"}, pdf, "gone", "office", "office"},
        {{"office", "labels"}, pdf, "gone", "", "office"},
        {{"labels"}, pdf, "PDF", "labels", "PDF"},
        {{}, pdf, "gone", "", "PDF"}, // no queue at all: the PDF printer still prints
        {{}, "", "PDF", "", ""},      // nowhere to write: no printer
        {{"labels"}, "", "PDF", "", "labels"},
    };
    for (const ResolveCase& c : cases) {
        const TSystemPrinters printers{c.queues, c.pdfPath};
        EXPECT_EQ(printers.Resolve(c.stored, c.systemDefault), c.chosen) << c.stored.toStdString();
        EXPECT_EQ(printers.HasPrinter(), !c.queues.isEmpty() || !c.pdfPath.isEmpty());
    }
}

TEST(SystemPrintersTest, ThePdfPrinterWritesANamedFileInTheDocumentsFolder)
{
    // Tests run with a home folder, so the PDF printer has somewhere to write.
    const TSystemPrinters printers = InstalledPrinters(QStringLiteral("a/b"));
    ASSERT_FALSE(printers.PdfPath.isEmpty());
    EXPECT_TRUE(printers.PdfPath.endsWith(QStringLiteral("/a_b.pdf"))) << printers.PdfPath.toStdString();
    EXPECT_TRUE(InstalledPrinters(QString()).PdfPath.endsWith(QStringLiteral("/labels.pdf")));

    QPrinter printer;
    ASSERT_TRUE(SelectPrinter(printer, kPdfPrinterName, printers));
    EXPECT_EQ(printer.outputFormat(), QPrinter::PdfFormat);
    EXPECT_EQ(printer.outputFileName(), printers.PdfPath);
    EXPECT_FALSE(SelectPrinter(printer, QStringLiteral("no such queue"), TSystemPrinters{{}, {}}));
    EXPECT_FALSE(SelectPrinter(printer, kPdfPrinterName, TSystemPrinters{{}, {}}));
}

} // namespace
} // namespace tessarine
