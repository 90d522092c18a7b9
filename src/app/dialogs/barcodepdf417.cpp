#include "barcodepdf417.h"

#include "document/designdocument.h"
#include "document/pdf417symbol.h"
#include "platform/gbk.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QShowEvent>
#include <QSpinBox>
#include <QVBoxLayout>

namespace tessarine {

namespace {

const char* const kTooLargeImport = "Sorry! 导入文件不能大于1K";
const char* const kImportError = "文件导入错误!";
const char* const kTooLongText = "PDF417信息不得超过1K";
const char* const kNotEncodable = "PDF417信息含有无法编码的字符!";
const char* const kWriteError = "PDF417数据文件写入错误!";

QLabel* MakeLabel(const char* caption, const char* name, QWidget* parent)
{
    auto* label = new QLabel(QString::fromUtf8(caption), parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

QSpinBox* MakeSpin(const char* name, int minimum, int maximum, int value, QWidget* parent)
{
    auto* spin = new QSpinBox(parent);
    spin->setObjectName(QString::fromLatin1(name));
    spin->setRange(minimum, maximum);
    spin->setValue(value);
    return spin;
}

bool WriteAll(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    return file.write(bytes) == bytes.size() && file.commit();
}

} // namespace

TBarCodePDF417::TBarCodePDF417(TDesignDocument& document, QWidget* parent)
    : TBarCodePDF417(document, TKWZFunction::DataFilePath(), parent)
{}

TBarCodePDF417::TBarCodePDF417(TDesignDocument& document, const QString& dataFilePath, QWidget* parent)
    : QDialog(parent), m_document(document), m_dataFilePath(dataFilePath)
{
    setObjectName(QStringLiteral("BarCodePDF417"));
    setWindowTitle(QStringLiteral("BarCodePDF417"));

    auto* contentLabel = MakeLabel("内容:", "ContentLabel", this);
    m_memo = new QPlainTextEdit(this);
    m_memo->setObjectName(QStringLiteral("Memo1"));
    m_memo->setMinimumSize(280, 200);
    contentLabel->setBuddy(m_memo);

    auto* sizeGroup = new QGroupBox(QStringLiteral("尺寸"), this);
    sizeGroup->setObjectName(QStringLiteral("SizeGroup"));
    auto* sizeLayout = new QGridLayout(sizeGroup);
    sizeLayout->addWidget(MakeLabel("比例缩放:", "ScaleLabel", sizeGroup), 0, 0);
    auto* scale = new QComboBox(sizeGroup);
    scale->setObjectName(QStringLiteral("ScaleBox"));
    scale->addItems(
        {QStringLiteral("1:1"), QStringLiteral("1:2"), QStringLiteral("1:3"), QStringLiteral("1:4")});
    sizeLayout->addWidget(scale, 0, 1);
    sizeLayout->addWidget(MakeLabel("百分比:", "PercentLabel", sizeGroup), 1, 0);
    auto* percent = MakeSpin("PercentEdit", 10, 400, 100, sizeGroup);
    percent->setSuffix(QStringLiteral("%"));
    sizeLayout->addWidget(percent, 1, 1);
    sizeGroup->setEnabled(false);

    auto* symbolGroup = new QGroupBox(QStringLiteral("二维特殊功能"), this);
    symbolGroup->setObjectName(QStringLiteral("SymbolGroup"));
    auto* symbolLayout = new QGridLayout(symbolGroup);
    symbolLayout->addWidget(MakeLabel("纠错级别:", "ErrorLevelLabel", symbolGroup), 0, 0);
    auto* level = new QComboBox(symbolGroup);
    level->setObjectName(QStringLiteral("ErrorLevelBox"));
    for (int i = 0; i <= 8; ++i)
        level->addItem(QString::number(i));
    level->setCurrentIndex(2);
    symbolLayout->addWidget(level, 0, 1);
    symbolLayout->addWidget(MakeLabel("行  数:", "RowsLabel", symbolGroup), 1, 0);
    symbolLayout->addWidget(MakeSpin("RowsEdit", 3, 90, 3, symbolGroup), 1, 1);
    symbolLayout->addWidget(MakeLabel("列  数:", "ColumnsLabel", symbolGroup), 2, 0);
    symbolLayout->addWidget(MakeSpin("ColumnsEdit", 1, 30, 1, symbolGroup), 2, 1);
    auto* truncated = new QCheckBox(QStringLiteral("缩短型PDF417"), symbolGroup);
    truncated->setObjectName(QStringLiteral("TruncatedCheck"));
    symbolLayout->addWidget(truncated, 3, 0, 1, 2);
    symbolGroup->setEnabled(false);

    auto* import = new QPushButton(QStringLiteral("文件导入..."), this);
    import->setObjectName(QStringLiteral("Import_BM"));
    auto* ok = new QPushButton(QStringLiteral("确   定"), this);
    ok->setObjectName(QStringLiteral("OK_BM"));
    auto* close = new QPushButton(QStringLiteral("关   闭"), this);
    close->setObjectName(QStringLiteral("Close_BM"));
    // Enter starts a new line in the memo; it must not confirm the dialog.
    for (QPushButton* button : {import, ok, close})
        button->setAutoDefault(false);
    connect(import, &QPushButton::clicked, this, &TBarCodePDF417::Import_BMClick);
    connect(ok, &QPushButton::clicked, this, &TBarCodePDF417::OK_BMClick);
    connect(close, &QPushButton::clicked, this, &TBarCodePDF417::reject);

    auto* content = new QVBoxLayout;
    content->addWidget(contentLabel);
    content->addWidget(m_memo, 1);
    content->addWidget(import, 0, Qt::AlignLeft);
    auto* options = new QVBoxLayout;
    options->addWidget(sizeGroup);
    options->addWidget(symbolGroup);
    options->addStretch();
    options->addWidget(ok);
    options->addWidget(close);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(content, 1);
    layout->addLayout(options);
}

void TBarCodePDF417::Reset()
{
    m_memo->clear();
    m_memo->setEnabled(true);
    m_imported = false;
    QFile::remove(m_dataFilePath);
}

void TBarCodePDF417::showEvent(QShowEvent* event)
{
    // Each showing starts a new symbol; a window merely restored keeps what it holds.
    if (!event->spontaneous())
        Reset();
    QDialog::showEvent(event);
}

void TBarCodePDF417::Warn(const QString& text)
{
    QMessageBox::warning(this, windowTitle(), text);
}

QByteArray TBarCodePDF417::DataFileBytes(const QString& text, bool* ok)
{
    QString lines = text;
    lines.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    const QByteArray bytes = gbk::Encode(lines);
    // The file must read back as what was typed. Checking the round trip, rather than the
    // encoder's error flag, also refuses characters GBK only approximates.
    *ok = gbk::Decode(bytes) == lines;
    return bytes;
}

bool TBarCodePDF417::ImportFile(const QString& path)
{
    QFile source(path);
    if (!QFileInfo(path).isFile() || !source.open(QIODevice::ReadOnly)) {
        Warn(QString::fromUtf8(kImportError));
        return false;
    }
    if (source.size() > kMaximumBytes) {
        Warn(QString::fromUtf8(kTooLargeImport));
        return false;
    }
    // Read one byte past the limit: a file that grew since its size was taken is still refused.
    const QByteArray bytes = source.read(kMaximumBytes + 1);
    if (source.error() != QFileDevice::NoError) {
        Warn(QString::fromUtf8(kImportError));
        return false;
    }
    if (bytes.size() > kMaximumBytes) {
        Warn(QString::fromUtf8(kTooLargeImport));
        return false;
    }
    if (!WriteAll(m_dataFilePath, bytes)) {
        Warn(QString::fromUtf8(kImportError));
        return false;
    }
    // The memo shows what will be encoded; it is disabled because the file, not the memo, is
    // the symbol's content now.
    m_memo->setPlainText(gbk::Decode(bytes));
    m_memo->setEnabled(false);
    m_imported = true;
    return true;
}

void TBarCodePDF417::Import_BMClick()
{
    QFileDialog dialog(this, QStringLiteral("文件导入"));
    dialog.setObjectName(QStringLiteral("OpenDialog1"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters({QStringLiteral("文本文件 (*.txt)"), QStringLiteral("所有文件 (*)")});
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    ImportFile(dialog.selectedFiles().first());
}

void TBarCodePDF417::OK_BMClick()
{
    if (!m_imported) {
        bool encodable = true;
        const QString text = m_memo->toPlainText();
        const QByteArray bytes = DataFileBytes(text, &encodable);
        if (bytes.size() > kMaximumBytes) {
            m_document.IsOpenImage = false;
            Warn(QString::fromUtf8(kTooLongText));
            return;
        }
        if (!encodable) {
            m_document.IsOpenImage = false;
            Warn(QString::fromUtf8(kNotEncodable));
            return;
        }
        if (!text.isEmpty() && !WriteAll(m_dataFilePath, bytes)) {
            m_document.IsOpenImage = false;
            Warn(QString::fromUtf8(kWriteError));
            return;
        }
    }
    m_document.IsOpenImage = QFileInfo::exists(m_dataFilePath);
    accept();
}

void TBarCodePDF417::reject()
{
    m_document.IsOpenImage = false;
    QDialog::reject();
}

} // namespace tessarine
