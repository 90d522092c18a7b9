#include "printfixtures.h"
#include "support/testsupport.h"

#include "document/labelfile.h"

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QThread>

#include <gtest/gtest.h>

#include <unistd.h>

namespace tessarine {
namespace {

QString Run(const QString& program, const QStringList& args)
{
    QProcess process;
    process.start(program, args);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The first queue whose device is the cups-pdf backend, from "device for NAME: cups-pdf:/".
QString CupsPdfQueue()
{
    const QRegularExpression device(QStringLiteral("^device for (\\S+): cups-pdf:"),
                                    QRegularExpression::MultilineOption);
    const QRegularExpressionMatch match = device.match(Run(QStringLiteral("lpstat"), {QStringLiteral("-v")}));
    return match.hasMatch() ? match.captured(1) : QString();
}

// Where cups-pdf puts the files of a job: its "Out" folder with the user's home filled in,
// and its folder for anonymous jobs.
QStringList CupsPdfFolders()
{
    QString out = QStringLiteral("${HOME}/PDF");
    QString anonymous = QStringLiteral("/var/spool/cups-pdf/ANONYMOUS");
    QFile conf(QStringLiteral("/etc/cups/cups-pdf.conf"));
    if (conf.open(QIODevice::ReadOnly)) {
        for (const QString& line : QString::fromUtf8(conf.readAll()).split(QLatin1Char('\n'))) {
            const QStringList words = line.trimmed().split(QRegularExpression(QStringLiteral("\\s+")));
            if (words.size() == 2 && words[0] == QStringLiteral("Out"))
                out = words[1];
            if (words.size() == 2 && words[0] == QStringLiteral("AnonDirName"))
                anonymous = words[1];
        }
    }
    out.replace(QStringLiteral("${HOME}"), QDir::homePath());
    out.replace(QStringLiteral("${USER}"), qEnvironmentVariable("USER", QStringLiteral("root")));
    return {out, anonymous, QStringLiteral("/var/spool/cups-pdf")};
}

QString FindPdf(const QStringList& folders, const QString& token)
{
    for (const QString& folder : folders) {
        QDirIterator it(folder, {QStringLiteral("*.pdf")}, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            if (QFileInfo(path).fileName().contains(token))
                return path;
        }
    }
    return {};
}

TEST(CupsPrintTest, APrintThroughACupsPdfQueueBecomesAPdf)
{
    const QString queue = CupsPdfQueue();
    if (queue.isEmpty())
        GTEST_SKIP()
            << "no cups-pdf queue: install cups and printer-driver-cups-pdf, start cupsd and add one "
               "(scripts/cups-pdf-queue.sh does, .ci/run calls it)";

    // A title no other job has, so the file cups-pdf names after it is ours.
    const QString token =
        QStringLiteral("tessarinecups%1x%2").arg(getpid()).arg(QDateTime::currentMSecsSinceEpoch());
    const QString kwz = test::TempDir() + QStringLiteral("/cups.KWZ");
    {
        TDesignDocument document;
        document.FileInfo.Title = token;
        test::AddBlackBox(document, QRect(10, 10, 48, 24));
        ASSERT_TRUE(SaveLabelFile(document, kwz, test::TwoByTwoLayout(), {}));
    }
    QProcess cli;
    cli.start(QStringLiteral(TESSARINE_CLI), {QStringLiteral("print"), kwz, QStringLiteral("--printer"),
                                              queue, QStringLiteral("--labels"), QStringLiteral("6")});
    ASSERT_TRUE(cli.waitForFinished(120000));
    ASSERT_EQ(cli.exitCode(), 0) << cli.readAllStandardError().toStdString();

    // cups-pdf writes the file when the job has gone through the queue.
    QString pdf;
    QElapsedTimer waited;
    waited.start();
    while (pdf.isEmpty() && waited.elapsed() < 90000) {
        QThread::msleep(500);
        pdf = FindPdf(CupsPdfFolders(), token);
    }
    ASSERT_FALSE(pdf.isEmpty()) << "no PDF named after " << token.toStdString() << " in "
                                << CupsPdfFolders().join(QStringLiteral(", ")).toStdString();
    // The file may still be growing: wait until pdfinfo reads it whole.
    test::TPdfInfo info;
    while ((info = test::ReadPdfInfo(pdf)).Pages == 0 && waited.elapsed() < 120000)
        QThread::msleep(500);
    EXPECT_EQ(info.Pages, 2);
    QFile::remove(pdf);
}

} // namespace
} // namespace tessarine
