#include "printfixtures.h"
#include "support/testsupport.h"

#include "document/labelfile.h"
#include "document/textshape.h"

#include <QDir>
#include <QImage>
#include <QProcess>

#include <gtest/gtest.h>

namespace tessarine {
namespace {

struct CliResult
{
    int exitCode = -1;
    QString out;
    QString err;
};

CliResult RunCli(const QStringList& args)
{
    QProcess process;
    process.start(QStringLiteral(TESSARINE_CLI), args);
    process.waitForFinished(120000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

QString PdfText(const QString& pdf)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

class PrintCommandTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        dir = test::TempDir();
        kwz = dir + QStringLiteral("/label.KWZ");
        pdf = dir + QStringLiteral("/out.pdf");
    }

    // A label with a serial number and a fixed text, on the 2 x 2 sheet.
    void SaveSerialLabel()
    {
        TDesignDocument document;
        document.FileInfo.Title = QStringLiteral("Serials");
        test::AddText(document, QPoint(10, 10), QStringLiteral("0001"), true);
        test::AddText(document, QPoint(10, 40), QStringLiteral("FIXED"), false);
        ASSERT_TRUE(SaveLabelFile(document, kwz, test::TwoByTwoLayout(), {}));
    }

    QString SerialInFile()
    {
        TDesignDocument document;
        TLabelLayout layout;
        TSourceDataBase source;
        EXPECT_TRUE(LoadLabelFile(document, kwz, layout, source));
        return document.ShapeCount() ? document.Shapes[0]->Info.WordInfo.Text : QString();
    }

    QString dir, kwz, pdf;
};

TEST_F(PrintCommandTest, PrintsTheRunToAPdfOfTheLayoutsSheets)
{
    SaveSerialLabel();
    const CliResult result =
        RunCli({QStringLiteral("print"), kwz, QStringLiteral("--pdf"), pdf, QStringLiteral("--labels"),
                QStringLiteral("3"), QStringLiteral("--copies"), QStringLiteral("2"),
                QStringLiteral("--start"), QStringLiteral("2")});
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_TRUE(result.out.contains(pdf));
    const test::TPdfInfo info = test::ReadPdfInfo(pdf);
    EXPECT_EQ(info.Pages, 2); // cells 2..7 of four-cell sheets
    EXPECT_NEAR(info.WidthPt, 150 / 25.4 * 72, 0.5);
    const QString text = PdfText(pdf);
    EXPECT_EQ(text.count(QStringLiteral("0001")), 2);
    EXPECT_EQ(text.count(QStringLiteral("0003")), 2);
    EXPECT_EQ(text.count(QStringLiteral("0004")), 0);
    EXPECT_EQ(text.count(QStringLiteral("Serials")), 2) << "the title on both sheets";
}

TEST_F(PrintCommandTest, KeepSerialsWritesTheAdvancedNumbersBackAndOnlyThen)
{
    SaveSerialLabel();
    const QByteArray before = test::ReadFile(kwz);
    const QStringList print = {QStringLiteral("print"),    kwz,
                               QStringLiteral("--pdf"),    pdf,
                               QStringLiteral("--labels"), QStringLiteral("3")};
    ASSERT_EQ(RunCli(print).exitCode, 0);
    EXPECT_EQ(test::ReadFile(kwz), before) << "the file changed without --keep-serials";

    ASSERT_EQ(RunCli(print + QStringList{QStringLiteral("--keep-serials")}).exitCode, 0);
    EXPECT_EQ(SerialInFile(), QStringLiteral("0004"));
    ASSERT_EQ(RunCli(print + QStringList{QStringLiteral("--keep-serials")}).exitCode, 0);
    EXPECT_EQ(SerialInFile(), QStringLiteral("0007"));
    EXPECT_TRUE(PdfText(pdf).contains(QStringLiteral("0006")));
}

TEST_F(PrintCommandTest, RecordsOfADataSourceFillOneLabelEach)
{
    TDesignDocument document;
    const TShapePtr text = test::AddText(document, QPoint(10, 10), QStringLiteral("name"), false);
    text->Info.SourceKind = skDatabaseField;
    text->Info.FieldName = QStringLiteral("Name");
    ASSERT_TRUE(SaveLabelFile(document, kwz, test::TwoByTwoLayout(), {}));
    ASSERT_TRUE(test::WriteFile(dir + QStringLiteral("/goods.csv"), "Name\nalpha\nbravo\ncharlie\n"));
    const QString source = QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=") + dir +
                           QStringLiteral(";Extended Properties=text;HDR=Yes;FMT=Delimited");
    const CliResult result =
        RunCli({QStringLiteral("print"), kwz, QStringLiteral("--pdf"), pdf, QStringLiteral("--labels"),
                QStringLiteral("3"), QStringLiteral("--source"), source, QStringLiteral("--sql"),
                QStringLiteral("Select * From [goods.csv]")});
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    const QString printed = PdfText(pdf);
    for (const char* name : {"alpha", "bravo", "charlie"})
        EXPECT_TRUE(printed.contains(QLatin1String(name))) << name << " missing from:\n"
                                                           << printed.toStdString();
    EXPECT_FALSE(printed.contains(QStringLiteral("name")));
}

TEST_F(PrintCommandTest, RefusalsAndFailuresExitWithAMessage)
{
    SaveSerialLabel();
    struct Case
    {
        QStringList args;
        const char* message;
    };
    const Case cases[] = {
        {{"print", kwz, "--pdf", pdf, "--start", "6"}, "开始位必须在 1 到 5 之间"},
        {{"print", kwz, "--pdf", pdf, "--labels", "0"}, "--labels takes a number from 1 to 10000"},
        {{"print", kwz, "--pdf", pdf, "--copies", "x"}, "--copies takes a number from 1 to 10000"},
        {{"print", kwz, "--printer", "no-such-queue"}, "no printer named no-such-queue"},
        {{"print", kwz, "--pdf", dir + "/missing/out.pdf"}, "打印机出错"},
        {{"print", kwz, "--pdf", pdf, "--source", "x.csv"}, "--source and --sql go together"},
        {{"print", dir + "/none.KWZ", "--pdf", pdf}, "错误!找不到打开文件!"},
        {{"preview", kwz, "-o", dir + "/p.png", "--labels", "5"}, "-o needs %d"},
    };
    for (const Case& c : cases) {
        const CliResult result = RunCli(c.args);
        EXPECT_EQ(result.exitCode, 1) << c.args.join(' ').toStdString();
        EXPECT_TRUE(result.err.contains(QString::fromUtf8(c.message)))
            << c.args.join(' ').toStdString() << ": " << result.err.toStdString();
    }
    EXPECT_EQ(RunCli({QStringLiteral("print"), kwz}).exitCode, 1) << "neither --pdf nor --printer";
}

TEST_F(PrintCommandTest, PreviewWritesOnePictureAPage)
{
    SaveSerialLabel();
    const QString pattern = dir + QStringLiteral("/page%d.png");
    const CliResult result = RunCli({QStringLiteral("preview"), kwz, QStringLiteral("-o"), pattern,
                                     QStringLiteral("--labels"), QStringLiteral("5")});
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    for (int page = 1; page <= 2; ++page) {
        const QImage image(dir + QStringLiteral("/page%1.png").arg(page));
        EXPECT_EQ(image.size(), QSize(794, 1123)) << "page " << page;
    }
    EXPECT_FALSE(QFile::exists(dir + QStringLiteral("/page3.png")));
}

} // namespace
} // namespace tessarine
