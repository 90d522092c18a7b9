#include "pdf417maker.h"

#include <QDir>
#include <QFile>
#include <QImage>

#include <zint.h>

#include <cstring>
#include <memory>

namespace tessarine {

namespace {

constexpr qint64 kMaxDataBytes = 1024 * 1024; // far above what a symbol can hold

struct ZintDeleter
{
    void operator()(zint_symbol* symbol) const { ZBarcode_Delete(symbol); }
};

} // namespace

void TPdf417Maker::SetTempDirectory(const QString& directory)
{
    m_directory = directory;
}

QString TPdf417Maker::Fail(const QString& why)
{
    m_error = why;
    const QString dir = m_directory.isEmpty() ? QDir::tempPath() : m_directory;
    QFile result(QDir(dir).filePath(QString::fromLatin1(kResultFile)));
    if (result.open(QIODevice::WriteOnly | QIODevice::Truncate))
        result.write(why.toUtf8() + '\n');
    return QDir(dir).filePath(QString::fromLatin1(kErrorFile));
}

QString TPdf417Maker::CreateBarCode(const QString& kind, const QString& dataFile, const QString&, const QString&,
                                    const QString&, const QString&)
{
    m_error.clear();
    if (kind != QLatin1String("PDF417"))
        return Fail(QStringLiteral("unknown symbol kind %1").arg(kind));
    QFile data(dataFile);
    if (!data.open(QIODevice::ReadOnly))
        return Fail(QStringLiteral("cannot read %1").arg(dataFile));
    if (data.size() > kMaxDataBytes)
        return Fail(QStringLiteral("the data file is too large"));
    const QByteArray bytes = data.readAll();
    if (bytes.isEmpty())
        return Fail(QStringLiteral("the data file is empty"));

    std::unique_ptr<zint_symbol, ZintDeleter> symbol(ZBarcode_Create());
    if (!symbol)
        return Fail(QStringLiteral("out of memory"));
    symbol->symbology = BARCODE_PDF417;
    symbol->input_mode = DATA_MODE; // the bytes as they are: GBK text stays GBK
    symbol->scale = 1.0f;
    const int status = ZBarcode_Encode_and_Buffer(symbol.get(), reinterpret_cast<const unsigned char*>(bytes.constData()),
                                                  int(bytes.size()), 0);
    // Codes below ZINT_ERROR are warnings: the symbol was made.
    if (status >= ZINT_ERROR || !symbol->bitmap)
        return Fail(QString::fromLatin1(symbol->errtxt));

    // zint's bitmap is packed RGB; copy it out before the symbol is freed.
    QImage picture(symbol->bitmap_width, symbol->bitmap_height, QImage::Format_RGB888);
    const int rowBytes = symbol->bitmap_width * 3;
    for (int y = 0; y < symbol->bitmap_height; ++y)
        std::memcpy(picture.scanLine(y), symbol->bitmap + qsizetype(y) * rowBytes, rowBytes);

    const QString dir = m_directory.isEmpty() ? QDir::tempPath() : m_directory;
    const QString path = QDir(dir).filePath(QString::fromLatin1(kSymbolFile));
    if (!picture.save(path, "BMP"))
        return Fail(QStringLiteral("cannot write %1").arg(path));
    QFile result(QDir(dir).filePath(QString::fromLatin1(kResultFile)));
    if (result.open(QIODevice::WriteOnly | QIODevice::Truncate))
        result.write(QByteArray("OK ") + QByteArray::number(picture.width()) + ' ' +
                     QByteArray::number(picture.height()) + '\n');
    return path;
}

} // namespace tessarine
