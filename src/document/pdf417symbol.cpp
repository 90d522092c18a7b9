#include "pdf417symbol.h"

#include "barcodeshapes.h"

#include "barcode/pdf417maker.h"
#include "platform/gbk.h"

#include <QDir>
#include <QFile>
#include <QImage>

namespace tessarine {

QString TKWZFunction::DataFilePath()
{
    return QDir(QDir::tempPath()).filePath(QStringLiteral("_KWZ.dat"));
}

qint64 TKWZFunction::FileSize(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.size() : -1;
}

QString CommaText(const QStringList& lines)
{
    QStringList items;
    for (const QString& line : lines) {
        bool quote = line.isEmpty();
        for (QChar c : line)
            if (c.unicode() <= ' ' || c == QLatin1Char(',') || c == QLatin1Char('"'))
                quote = true;
        QString item = line;
        if (quote)
            item = QLatin1Char('"') + item.replace(QLatin1String("\""), QLatin1String("\"\"")) + QLatin1Char('"');
        items.append(item);
    }
    return items.join(QLatin1Char(','));
}

bool MakePdf417Symbol(TShowBarCodePDF417& shape, const QString& dataFile, const QString& tempPath, bool isOpenImage,
                      QString* error)
{
    const QDir work(QDir(tempPath).filePath(QStringLiteral("_KWZ")));
    QDir().mkpath(work.path());
    QFile::remove(work.filePath(QString::fromLatin1(TPdf417Maker::kErrorFile)));
    // A picture left by an earlier attempt must never pass for this one.
    QFile::remove(work.filePath(QString::fromLatin1(TPdf417Maker::kSymbolFile)));

    TPdf417Maker maker;
    maker.SetTempDirectory(work.path());
    const QString answer = maker.CreateBarCode(QStringLiteral("PDF417"), dataFile);
    QFile data(dataFile);
    if (data.open(QIODevice::ReadOnly)) {
        QString text = gbk::Decode(data.readAll());
        text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
        QStringList lines = text.split(QLatin1Char('\n'));
        if (!lines.isEmpty() && lines.last().isEmpty())
            lines.removeLast();
        shape.Info.WordInfo.Text = CommaText(lines);
    }
    const bool failed = answer.endsWith(QString::fromLatin1(TPdf417Maker::kErrorFile));
    if (error)
        *error = maker.ErrorText();
    if (failed && !isOpenImage)
        return false;

    QImage picture;
    if (!picture.load(work.filePath(QString::fromLatin1(TPdf417Maker::kSymbolFile)), "BMP"))
        return false;

    QFile::remove(work.filePath(QString::fromLatin1(TPdf417Maker::kResultFile)));
    QFile::remove(work.filePath(QString::fromLatin1(TPdf417Maker::kSymbolFile)));
    QDir().rmdir(work.path());
    QFile::remove(dataFile);

    shape.BarBitmap.SetImage(picture);
    if (shape.Points.size() >= 2)
        shape.Points.resize(1);
    if (shape.Points.isEmpty())
        return true;
    shape.AddPoint(shape.Point(0) + QPoint(picture.width(), picture.height()));
    return true;
}

} // namespace tessarine
