#include "support/testsupport.h"

#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

#include <gtest/gtest.h>

using tessarine::test::ReadFile;
using tessarine::test::TempDir;
using tessarine::test::WriteFile;

namespace {

struct CliResult
{
    int exitCode = -1;
    QByteArray out;
    QString err;
};

CliResult Cli(const QStringList& args)
{
    QProcess process;
    process.start(QStringLiteral(TESSARINE_CLI), args);
    process.waitForFinished(60000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1, process.readAllStandardOutput(),
            QString::fromUtf8(process.readAllStandardError())};
}

const QString kHandmade = QStringLiteral(TESSARINE_FIXTURES "/handmade.KWZ");

} // namespace

TEST(CliInfo, PrintsTheDocumentWithItsFieldNames)
{
    const CliResult run = Cli({QStringLiteral("info"), kHandmade});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QJsonObject json = QJsonDocument::fromJson(run.out).object();
    EXPECT_EQ(json["ProductInfo"].toObject()["Product"].toString(), QStringLiteral("测试"));
    EXPECT_EQ(json["ColorOfBackGround"].toInteger(), 0x80000001LL);
    EXPECT_EQ(json["LabelLayout"].toObject()["Row"].toInt(), 7);
    EXPECT_EQ(json["EditARight"].toInt(), 80);
    EXPECT_EQ(json["SourceDataBase"].toObject()["Sql"].toString(), QStringLiteral("Select * From [Sheet1$]"));
    EXPECT_EQ(json["FileInfo"].toObject()["Date"].toDouble(), 37572.5);
    const QJsonArray shapes = json["Shapes"].toArray();
    ASSERT_EQ(shapes.size(), 3);
    const QJsonObject text = shapes[0].toObject();
    EXPECT_EQ(text["class"].toString(), QStringLiteral("TKWZText"));
    EXPECT_EQ(text["GroupNext"].toInt(), 1);
    EXPECT_EQ(text["Points"].toArray()[1].toArray()[0].toInt(), 58);
    const QJsonObject info = text["Info"].toObject();
    EXPECT_EQ(info["WordInfo"].toObject()["Text"].toString(), QStringLiteral("价格 12.5"));
    EXPECT_EQ(info["RecordNo"].toObject()["Suffix"].toString(), QStringLiteral("号"));
    EXPECT_EQ(info["Position"].toArray()[3].toDouble(), 36.0);
    EXPECT_EQ(text["Font"].toObject()["Name"].toString(), QStringLiteral("黑体"));
    const QJsonObject barcode = shapes[1].toObject();
    EXPECT_EQ(barcode["Info"].toObject()["BarCode"].toObject()["Data"].toString(), QStringLiteral("690123456789"));
    EXPECT_EQ(barcode["BarBitmap"].toObject()["Width"].toInt(), 2);
    EXPECT_EQ(barcode["Pen"].toObject()["Style"].toInt(), 2);
}

TEST(CliInfo, FailuresUseTheDesignersMessages)
{
    const QString dir = TempDir();
    const QString foreign = dir + QStringLiteral("/foreign.KWZ");
    WriteFile(foreign, QByteArray("\x03\x00\x00\x00" "abc", 7));
    QByteArray truncated = ReadFile(kHandmade).left(300);
    const QString damaged = dir + QStringLiteral("/damaged.KWZ");
    WriteFile(damaged, truncated);
    const struct
    {
        QString path;
        QString message;
    } cases[] = {
        {dir + QStringLiteral("/missing.KWZ"), QStringLiteral("错误!找不到打开文件!")},
        {foreign, foreign + QStringLiteral("文件头破坏.")},
        {damaged, QStringLiteral("File Error!")},
    };
    for (const auto& c : cases) {
        const CliResult run = Cli({QStringLiteral("info"), c.path});
        EXPECT_NE(run.exitCode, 0) << c.path.toStdString();
        EXPECT_TRUE(run.err.contains(c.message)) << run.err.toStdString();
        EXPECT_TRUE(run.out.isEmpty());
    }
}

TEST(CliResave, RewritesFilesByteForByte)
{
    const QString dir = TempDir();
    const QString sample = dir + QStringLiteral("/sample.KWZ");
    const QString again = dir + QStringLiteral("/again.KWZ");
    ASSERT_EQ(Cli({QStringLiteral("sample"), sample}).exitCode, 0);
    ASSERT_EQ(Cli({QStringLiteral("resave"), sample, again}).exitCode, 0);
    EXPECT_EQ(ReadFile(again), ReadFile(sample));
    EXPECT_GT(ReadFile(sample).size(), 1000);
    EXPECT_NE(Cli({QStringLiteral("resave"), sample, dir + QStringLiteral("/none/x.KWZ")}).exitCode, 0);
    EXPECT_NE(Cli({QStringLiteral("frobnicate")}).exitCode, 0);
}

TEST(CliBarcode, PrintsPatternsWritesPicturesAndReportsErrors)
{
    const QString dir = TempDir();
    const QString png = dir + QStringLiteral("/ean.png");
    const CliResult ok = Cli({QStringLiteral("barcode"), QStringLiteral("--type"), QStringLiteral("14"),
                              QStringLiteral("--data"), QStringLiteral("690123456789"), QStringLiteral("--pattern"),
                              QStringLiteral("--angle"), QStringLiteral("90"), QStringLiteral("-o"), png});
    ASSERT_EQ(ok.exitCode, 0) << ok.err.toStdString();
    // EAN-13 opens with its bar-space-bar start guard.
    EXPECT_TRUE(ok.out.trimmed().startsWith("505")) << ok.out.toStdString();
    const QImage picture(png);
    ASSERT_FALSE(picture.isNull());
    EXPECT_GT(picture.height(), picture.width()); // turned a quarter

    const CliResult bad = Cli({QStringLiteral("barcode"), QStringLiteral("--type"), QStringLiteral("8"),
                               QStringLiteral("--data"), QStringLiteral("lower case"), QStringLiteral("--pattern")});
    EXPECT_NE(bad.exitCode, 0);
    EXPECT_TRUE(bad.err.contains(QStringLiteral("Code93"))) << bad.err.toStdString();
    EXPECT_NE(Cli({QStringLiteral("barcode"), QStringLiteral("--type"), QStringLiteral("23"), QStringLiteral("--data"),
                   QStringLiteral("1"), QStringLiteral("--pattern")})
                  .exitCode,
              0);
}
