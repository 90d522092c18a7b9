#include "support/testsupport.h"

#include "platform/ports.h"

#include <QProcess>
#include <QStandardPaths>

#include <gtest/gtest.h>

namespace tessarine {
namespace {

using test::ReadFile;
using test::TempDir;

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
    process.waitForFinished(120000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1, process.readAllStandardOutput(),
            QString::fromUtf8(process.readAllStandardError())};
}

class ThermalCliTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        s_label = TempDir() + QStringLiteral("/sample.KWZ");
        const CliResult made = Cli({QStringLiteral("sample"), s_label});
        ASSERT_EQ(made.exitCode, 0) << made.err.toStdString();
    }

    static QString s_label;
};

QString ThermalCliTest::s_label;

struct KindCase
{
    const char* kind;
    const char* start;
    const char* end;
};

class ThermalCliKindTest : public ThermalCliTest, public ::testing::WithParamInterface<KindCase>
{
};

TEST_P(ThermalCliKindTest, WritesTheStreamOfTheKind)
{
    const QString out = TempDir() + QStringLiteral("/job.prn");
    const CliResult run = Cli({QStringLiteral("thermal"), s_label, QStringLiteral("--kind"),
                               QString::fromUtf8(GetParam().kind), QStringLiteral("-o"), out, QStringLiteral("--labels"),
                               QStringLiteral("3")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QByteArray stream = ReadFile(out);
    EXPECT_TRUE(stream.startsWith(GetParam().start));
    EXPECT_TRUE(stream.endsWith(GetParam().end));
    EXPECT_TRUE(run.out.startsWith("3 labels on 1 sheets, " + QByteArray::number(stream.size()) + " bytes"));
}

INSTANTIATE_TEST_SUITE_P(Kinds, ThermalCliKindTest,
                         ::testing::Values(KindCase{"Zebra 203DPI 内置", "^XA\r^MCY\r", "^PQ1,0,1,Y^XZ\r"},
                                           KindCase{"DataMax 300DPI 内置", "\x02n\r\n", "^01\r\nE\r\n"},
                                           KindCase{"Argox 300dpi 内置", "ZT\r\nq", "P1\r\n"}));

TEST_F(ThermalCliTest, PortGetsTheSameStreamWithCrLf)
{
    const QString out = TempDir() + QStringLiteral("/job.zpl");
    const QString device = TempDir() + QStringLiteral("/lp0");
    // The port table lives in the settings file the designer uses.
    const QString settings =
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/Tessarine/Tessarine.conf");
    TPortTable ports;
    ports.SetDevicePath(QStringLiteral("LPT2"), device);
    ASSERT_TRUE(ports.Save(settings));
    const QStringList common = {QStringLiteral("thermal"), s_label, QStringLiteral("--kind"),
                                QStringLiteral("Zebra 300DPI 内置"), QStringLiteral("--copies"), QStringLiteral("2")};
    ASSERT_EQ(Cli(common + QStringList{QStringLiteral("-o"), out}).exitCode, 0);
    const CliResult sent = Cli(common + QStringList{QStringLiteral("--port"), QStringLiteral("LPT2")});
    ASSERT_EQ(sent.exitCode, 0) << sent.err.toStdString();
    EXPECT_EQ(ReadFile(device), ReadFile(out) + "\r\n");
}

TEST_F(ThermalCliTest, Refusals)
{
    const CliResult kind = Cli({QStringLiteral("thermal"), s_label, QStringLiteral("--kind"), QStringLiteral("Zebra"),
                                QStringLiteral("-o"), TempDir() + QStringLiteral("/x")});
    EXPECT_EQ(kind.exitCode, 1);
    EXPECT_TRUE(kind.err.contains(QStringLiteral("no thermal printer kind named Zebra")));
    // A port nobody listens on.
    const CliResult port = Cli({QStringLiteral("thermal"), s_label, QStringLiteral("--kind"),
                                QStringLiteral("Zebra 203DPI 内置"), QStringLiteral("--port"), QStringLiteral("127.0.0.1:1")});
    EXPECT_EQ(port.exitCode, 1);
    EXPECT_EQ(port.err.trimmed(), QStringLiteral("Sorry! 127.0.0.1:1端口被占用中,请稍候..."));
    const CliResult both = Cli({QStringLiteral("thermal"), s_label, QStringLiteral("--kind"),
                                QStringLiteral("Zebra 203DPI 内置")});
    EXPECT_EQ(both.exitCode, 1);
    const CliResult start = Cli({QStringLiteral("thermal"), s_label, QStringLiteral("--kind"),
                                 QStringLiteral("Zebra 203DPI 内置"), QStringLiteral("-o"), TempDir() + QStringLiteral("/y"),
                                 QStringLiteral("--start"), QStringLiteral("999")});
    EXPECT_EQ(start.exitCode, 1);
}

} // namespace
} // namespace tessarine
