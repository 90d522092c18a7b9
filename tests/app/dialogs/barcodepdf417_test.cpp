#include "app/dialogs/barcodepdf417.h"
#include "modalwatcher.h"

#include "document/barcodeshapes.h"
#include "document/designdocument.h"
#include "document/pdf417symbol.h"
#include "support/testsupport.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGroupBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTest>

#include <gtest/gtest.h>

using namespace tessarine;
using tessarine::test::MessageShownBy;
using tessarine::test::ReadFile;
using tessarine::test::TempDir;
using tessarine::test::TModalWatcher;
using tessarine::test::WriteFile;

namespace {

const QString kTooLargeImport = QStringLiteral("Sorry! 导入文件不能大于1K");
const QString kImportError = QStringLiteral("文件导入错误!");
const QString kTooLongText = QStringLiteral("PDF417信息不得超过1K");

struct Pdf417Fixture
{
    Pdf417Fixture() : folder(TempDir()), dialog(doc, folder + QStringLiteral("/_KWZ.dat")) { dialog.show(); }

    QString Message(const char* button)
    {
        auto* target = dialog.findChild<QAbstractButton*>(QString::fromLatin1(button));
        return MessageShownBy([target] { QTest::mouseClick(target, Qt::LeftButton); });
    }

    QString WriteSource(const QString& name, const QByteArray& bytes)
    {
        const QString path = folder + QLatin1Char('/') + name;
        EXPECT_TRUE(WriteFile(path, bytes));
        return path;
    }

    bool DataFileExists() const { return QFile::exists(dialog.DataFilePath()); }

    TDesignDocument doc;
    QString folder;
    TBarCodePDF417 dialog;
};

} // namespace

TEST(BarCodePDF417, Captions)
{
    Pdf417Fixture f;
    EXPECT_EQ(f.dialog.windowTitle(), QStringLiteral("BarCodePDF417"));
    const struct
    {
        const char* name;
        const char* caption;
    } buttons[] = {{"Import_BM", "文件导入..."}, {"OK_BM", "确   定"}, {"Close_BM", "关   闭"}};
    for (const auto& b : buttons)
        EXPECT_EQ(f.dialog.findChild<QAbstractButton*>(QString::fromLatin1(b.name))->text(),
                  QString::fromUtf8(b.caption));
    // Shown, but the symbol maker takes none of these options.
    for (const char* group : {"SizeGroup", "SymbolGroup"}) {
        auto* box = f.dialog.findChild<QGroupBox*>(QString::fromLatin1(group));
        ASSERT_NE(box, nullptr) << group;
        EXPECT_TRUE(box->isVisible()) << group;
        EXPECT_FALSE(box->isEnabled()) << group;
    }
}

TEST(BarCodePDF417, ImportCopiesFilesUpTo1KAndRefusesLargerOnes)
{
    const struct
    {
        qsizetype size;
        bool accepted;
    } cases[] = {{1, true}, {1023, true}, {1024, true}, {1025, false}, {4096, false}};
    for (const auto& c : cases) {
        Pdf417Fixture f;
        QByteArray bytes(c.size, 'x');
        bytes[0] = '\n'; // bytes are copied as they are
        const QString source = f.WriteSource(QStringLiteral("in.txt"), bytes);
        QString message;
        bool imported = false;
        {
            TModalWatcher watcher([&message](QWidget* modal) {
                message =
                    qobject_cast<QMessageBox*>(modal) ? qobject_cast<QMessageBox*>(modal)->text() : QString();
                modal->close();
            });
            imported = f.dialog.ImportFile(source);
        }
        EXPECT_EQ(imported, c.accepted) << c.size;
        EXPECT_EQ(message, c.accepted ? QString() : kTooLargeImport) << c.size;
        EXPECT_EQ(f.dialog.Memo()->isEnabled(), !c.accepted) << c.size;
        if (c.accepted) {
            EXPECT_EQ(ReadFile(f.dialog.DataFilePath()), bytes) << c.size;
        } else {
            EXPECT_FALSE(f.DataFileExists()) << c.size;
        }
    }
}

TEST(BarCodePDF417, ImportErrors)
{
    Pdf417Fixture f;
    const QString missing = f.folder + QStringLiteral("/missing.txt");
    const QString directory = f.folder;
    for (const QString& path : {missing, directory}) {
        QString message;
        TModalWatcher watcher([&message](QWidget* modal) {
            message = qobject_cast<QMessageBox*>(modal)->text();
            modal->close();
        });
        EXPECT_FALSE(f.dialog.ImportFile(path)) << path.toStdString();
        EXPECT_EQ(message, kImportError) << path.toStdString();
        EXPECT_FALSE(f.DataFileExists());
        EXPECT_TRUE(f.dialog.Memo()->isEnabled());
    }

    // A data file that cannot be written is an import error too.
    TDesignDocument doc;
    TBarCodePDF417 dialog(doc, f.folder + QStringLiteral("/no/such/folder/_KWZ.dat"));
    const QString source = f.WriteSource(QStringLiteral("ok.txt"), "hello");
    QString message;
    TModalWatcher watcher([&message](QWidget* modal) {
        message = qobject_cast<QMessageBox*>(modal)->text();
        modal->close();
    });
    EXPECT_FALSE(dialog.ImportFile(source));
    EXPECT_EQ(message, kImportError);
}

TEST(BarCodePDF417, ImportedFileIsWhatOkKeeps)
{
    Pdf417Fixture f;
    f.dialog.Memo()->setPlainText(QStringLiteral("typed before importing"));
    const QByteArray bytes = QByteArray("line 1\nline 2\n") + QByteArray("\xd6\xd0\xce\xc4"); // "中文" in GBK
    const QString source = f.WriteSource(QStringLiteral("in.txt"), bytes);
    ASSERT_TRUE(f.dialog.ImportFile(source));
    EXPECT_FALSE(f.dialog.Memo()->isEnabled());
    EXPECT_EQ(f.dialog.Memo()->toPlainText(), QStringLiteral("line 1\nline 2\n中文"));

    EXPECT_EQ(f.Message("OK_BM"), QString());
    EXPECT_EQ(f.dialog.result(), QDialog::Accepted);
    EXPECT_TRUE(f.doc.IsOpenImage);
    EXPECT_EQ(ReadFile(f.dialog.DataFilePath()), bytes) << "the memo must not overwrite the imported bytes";
}

TEST(BarCodePDF417, ImportThroughTheFileDialog)
{
    Pdf417Fixture f;
    const QString source = f.WriteSource(QStringLiteral("picked.txt"), "PICKED");
    TModalWatcher pick([&source](QWidget* modal) {
        auto* files = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(files, nullptr);
        // Typed as a full path: selectFile() and accept() go through a directory model that
        // fills in the background, which makes them race the test.
        auto* name = files->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(name, nullptr);
        name->setText(source);
        ASSERT_EQ(files->selectedFiles(), QStringList{source});
        static_cast<QDialog*>(files)->done(QDialog::Accepted);
    });
    QTest::mouseClick(f.dialog.findChild<QAbstractButton*>(QStringLiteral("Import_BM")), Qt::LeftButton);
    ASSERT_TRUE(pick.Fired());
    EXPECT_FALSE(pick.ForcedClose());
    EXPECT_TRUE(f.dialog.Imported());
    EXPECT_EQ(ReadFile(f.dialog.DataFilePath()), QByteArray("PICKED"));
}

TEST(BarCodePDF417, OkWritesTheMemoUpTo1K)
{
    const struct
    {
        QString text;
        bool accepted;
        QByteArray written;
    } cases[] = {
        {QString(1024, QLatin1Char('a')), true, QByteArray(1024, 'a')},
        {QString(1025, QLatin1Char('a')), false, {}},
        {QString(512, QChar(0x4E2D)), true,
         QByteArray("\xd6\xd0").repeated(512)}, // 512 x "中": 1024 GBK bytes
        {QString(513, QChar(0x4E2D)), false, {}},
        {QString(1022, QLatin1Char('a')) + QLatin1Char('\n'), true, QByteArray(1022, 'a') + "\r\n"},
        {QString(1022, QLatin1Char('a')) + QStringLiteral("\n\n"), false, {}}, // CRLF makes it 1026
        {QStringLiteral("第一行\n第二行"), true,
         QByteArray("\xb5\xda\xd2\xbb\xd0\xd0\r\n\xb5\xda\xb6\xfe\xd0\xd0")},
    };
    for (const auto& c : cases) {
        Pdf417Fixture f;
        f.doc.IsOpenImage = true;
        f.dialog.Memo()->setPlainText(c.text);
        const QString message = f.Message("OK_BM");
        if (c.accepted) {
            EXPECT_EQ(message, QString()) << c.text.size();
            EXPECT_EQ(f.dialog.result(), QDialog::Accepted) << c.text.size();
            EXPECT_TRUE(f.doc.IsOpenImage) << c.text.size();
            EXPECT_EQ(ReadFile(f.dialog.DataFilePath()), c.written) << c.text.size();
        } else {
            EXPECT_EQ(message, kTooLongText) << c.text.size();
            EXPECT_TRUE(f.dialog.isVisible()) << "the dialog stays open";
            EXPECT_FALSE(f.doc.IsOpenImage) << c.text.size();
            EXPECT_FALSE(f.DataFileExists()) << c.text.size();
        }
    }
}

TEST(BarCodePDF417, EmptyMemoMakesNoSymbolEvenWithAStaleDataFile)
{
    Pdf417Fixture f;
    f.dialog.hide();
    f.dialog.Memo()->setPlainText(QStringLiteral("from last time"));
    // A data file left behind by an attempt that did not finish.
    ASSERT_TRUE(WriteFile(f.dialog.DataFilePath(), "stale"));
    f.dialog.show();
    EXPECT_FALSE(f.DataFileExists());
    EXPECT_TRUE(f.dialog.Memo()->toPlainText().isEmpty());
    f.doc.IsOpenImage = true;
    EXPECT_EQ(f.Message("OK_BM"), QString());
    EXPECT_EQ(f.dialog.result(), QDialog::Accepted);
    EXPECT_FALSE(f.doc.IsOpenImage);
}

TEST(BarCodePDF417, TextWithoutAGbkCodeIsRefused)
{
    Pdf417Fixture f;
    f.doc.IsOpenImage = true;
    f.dialog.Memo()->setPlainText(QStringLiteral("price \U0001F600"));
    EXPECT_EQ(f.Message("OK_BM"), QStringLiteral("PDF417信息含有无法编码的字符!"));
    EXPECT_TRUE(f.dialog.isVisible());
    EXPECT_FALSE(f.doc.IsOpenImage);
    EXPECT_FALSE(f.DataFileExists());
}

TEST(BarCodePDF417, UnwritableDataFileIsReported)
{
    TDesignDocument doc;
    doc.IsOpenImage = true;
    TBarCodePDF417 dialog(doc, TempDir() + QStringLiteral("/no/such/folder/_KWZ.dat"));
    dialog.show();
    dialog.Memo()->setPlainText(QStringLiteral("hello"));
    auto* ok = dialog.findChild<QAbstractButton*>(QStringLiteral("OK_BM"));
    EXPECT_EQ(MessageShownBy([ok] { QTest::mouseClick(ok, Qt::LeftButton); }),
              QStringLiteral("PDF417数据文件写入错误!"));
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_FALSE(doc.IsOpenImage);
}

TEST(BarCodePDF417, CloseClearsIsOpenImage)
{
    Pdf417Fixture f;
    f.dialog.Memo()->setPlainText(QStringLiteral("not wanted"));
    f.doc.IsOpenImage = true;
    QTest::mouseClick(f.dialog.findChild<QAbstractButton*>(QStringLiteral("Close_BM")), Qt::LeftButton);
    EXPECT_EQ(f.dialog.result(), QDialog::Rejected);
    EXPECT_FALSE(f.doc.IsOpenImage);
    EXPECT_FALSE(f.DataFileExists());

    // Escape closes the same way.
    f.dialog.show();
    f.doc.IsOpenImage = true;
    QTest::keyClick(&f.dialog, Qt::Key_Escape);
    EXPECT_FALSE(f.dialog.isVisible());
    EXPECT_FALSE(f.doc.IsOpenImage);
}

TEST(BarCodePDF417, ResetEnablesAndClearsTheMemoAfterAnImport)
{
    Pdf417Fixture f;
    ASSERT_TRUE(f.dialog.ImportFile(f.WriteSource(QStringLiteral("in.txt"), "abc")));
    f.dialog.Reset();
    EXPECT_TRUE(f.dialog.Memo()->isEnabled());
    EXPECT_TRUE(f.dialog.Memo()->toPlainText().isEmpty());
    EXPECT_FALSE(f.dialog.Imported());
    EXPECT_FALSE(f.DataFileExists());
}

TEST(BarCodePDF417, WritesTheDataFileTheSymbolMakerReads)
{
    TDesignDocument doc;
    EXPECT_EQ(TBarCodePDF417(doc).DataFilePath(), TKWZFunction::DataFilePath());

    Pdf417Fixture f;
    f.dialog.Memo()->setPlainText(QStringLiteral("第一行\n第二行"));
    ASSERT_EQ(f.Message("OK_BM"), QString());
    ASSERT_TRUE(f.doc.IsOpenImage);

    TShowBarCodePDF417 symbol(&f.doc.Context());
    symbol.AddPoint({10, 10});
    QString error;
    ASSERT_TRUE(MakePdf417Symbol(symbol, f.dialog.DataFilePath(), TempDir(), f.doc.IsOpenImage, &error))
        << error.toStdString();
    EXPECT_EQ(symbol.Info.WordInfo.Text, QStringLiteral("第一行,第二行"));
    EXPECT_FALSE(symbol.BarBitmap.IsEmpty());
}
