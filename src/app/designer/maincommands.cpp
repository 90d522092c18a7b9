// The document commands of the main window: New, Open, Save, Save As, closing, the file named
// on the command line, help and about.
#include "mainwindow.h"

#include "workarea.h"

#include "app/dialogs/aboutbox.h"
#include "app/settings/fileassociation.h"
#include "document/design.h"
#include "document/labelfile.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace tessarine {

namespace {

const QString kFileFilter = QStringLiteral("Format File(*.KWZ)");

// The help pages: beside the program when installed, in the source tree when run from a build.
QString HelpIndex()
{
    const QString beside = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("help/index.html"));
    if (QFileInfo::exists(beside))
        return beside;
    return QStringLiteral(TESSARINE_SOURCE_DIR "/resources/help/index.html");
}

} // namespace

void TMain::SetTitleForFile(const QString& path)
{
    setWindowTitle(QStringLiteral("Tessarine 标签排版设计 [") + path + QStringLiteral("]"));
}

bool TMain::LoadDocument(const QString& path)
{
    TSourceDataBase source;
    TLabelLayout layout;
    if (!LoadLabelFile(Document(), path, layout, source))
        return false;
    SetLabelLayout(layout);
    m_settings.WriteDataSource(source);
    ReconnectDataSource();
    m_data.CurrentFileName = path;
    SetTitleForFile(path);
    // The page follows the size the file gave the surface.
    Design()->resize(Document().ControlSize());
    return true;
}

bool TMain::WriteDocument(const QString& target)
{
    return SaveLabelFile(Document(), target, LabelLayout(), m_settings.ReadDataSource());
}

bool TMain::OpenCommandLine(const QStringList& parameters)
{
    if (parameters.isEmpty()) {
        RegisterFileType(QCoreApplication::applicationFilePath(),
                         QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
        return true;
    }
    // The association passes the path unquoted: a path with blanks arrives in pieces.
    const QString path = parameters.join(QLatin1Char(' '));
    try {
        if (!IsLabelFile(path)) {
            Warn(parameters.first() + QStringLiteral("文件头破坏."));
            return false;
        }
        if (!LoadDocument(path)) {
            Warn(path + QStringLiteral("文件读入错误!"));
            return false;
        }
    } catch (const TFileError&) {
        Warn(QStringLiteral("错误!找不到打开文件!"));
        return false;
    }
    return true;
}

void TMain::NewFile()
{
    setWindowTitle(kUntitledTitle);
    if (m_data.NewWindow) {
        if (StartNewInstance)
            StartNewInstance();
        else
            QProcess::startDetached(QCoreApplication::applicationFilePath(), {});
    } else {
        m_data.CurrentFileName.clear();
    }
    Document().ClearDocument();
}

void TMain::OpenFile()
{
    const QString path = AskOpenFileName ? AskOpenFileName()
                                         : QFileDialog::getOpenFileName(this, QString(), QString(), kFileFilter);
    if (!path.isEmpty())
        OpenPath(path);
}

void TMain::OpenPath(const QString& path)
{
    try {
        if (!IsLabelFile(path)) {
            Warn(path + QStringLiteral("文件头破坏."));
            return;
        }
        if (!LoadDocument(path))
            Warn(QStringLiteral("File Error!"));
    } catch (const TFileError&) {
        Warn(QStringLiteral("错误!找不到打开文件!"));
    }
}

void TMain::SaveFile()
{
    if (windowTitle() != kUntitledTitle) {
        QString target = m_data.CurrentFileName;
        if (!target.endsWith(QStringLiteral(".KWZ")))
            target += QStringLiteral(".KWZ");
        if (!WriteDocument(target))
            Warn(QStringLiteral("保存失败!"));
        return;
    }
    const QString chosen = AskSaveFileName ? AskSaveFileName()
                                           : QFileDialog::getSaveFileName(this, QString(), QString(), kFileFilter);
    if (chosen.isEmpty())
        return;
    QString target = chosen;
    if (!target.endsWith(QStringLiteral(".KWZ")))
        target += QStringLiteral(".KWZ");
    if (!WriteDocument(target)) {
        Warn(QStringLiteral("保存失败!"));
        return;
    }
    m_data.CurrentFileName = chosen;
    SetTitleForFile(chosen);
}

void TMain::SaveFileAs()
{
    const QString chosen = AskSaveFileName ? AskSaveFileName()
                                           : QFileDialog::getSaveFileName(this, QString(), QString(), kFileFilter);
    if (chosen.isEmpty())
        return;
    // Only the last three characters are looked at: "labelKWZ" is saved as it stands.
    const QString target = chosen.endsWith(QStringLiteral("KWZ")) ? chosen : chosen + QStringLiteral(".KWZ");
    if (!WriteDocument(target)) {
        Warn(QStringLiteral("保存失败!"));
        return;
    }
    m_data.CurrentFileName = chosen;
    SetTitleForFile(chosen);
}

void TMain::closeEvent(QCloseEvent* event)
{
    if (PrintingToPort && Ask(QStringLiteral("正在打印中,是否终止打印"), QMessageBox::Yes | QMessageBox::No) !=
                              QMessageBox::Yes) {
        event->ignore();
        return;
    }
    StopPortWriter();
    const QMessageBox::StandardButton answer =
        Ask(QStringLiteral("是否保存") + m_data.CurrentFileName + QStringLiteral("文档"),
            QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    if (answer == QMessageBox::Cancel) {
        event->ignore();
        return;
    }
    if (answer == QMessageBox::Yes)
        SaveFile();
    event->accept();
}

void TMain::Help()
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(HelpIndex()));
}

void TMain::About()
{
    TAboutBox(m_data.VersionText, m_data.BuildText, this).exec();
}

} // namespace tessarine
