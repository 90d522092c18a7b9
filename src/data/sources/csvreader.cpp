#include "data/sources/csvreader.h"

#include "data/sources/sqlitetable.h"
#include "platform/gbk.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

namespace tessarine {

namespace {

constexpr qint64 kMaxCsvSize = 512ll * 1024 * 1024;

} // namespace

QString DecodeCsvText(const QByteArray& bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(bytes.mid(3));
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    // Not UTF-8: the files of this trade that are not come from Chinese Windows, in GBK.
    return gbk::Decode(bytes);
}

bool SplitCsv(const QString& text, std::vector<QStringList>* records, QString* error)
{
    records->clear();
    QStringList record;
    QString field;
    bool quoted = false; // inside a quoted field
    bool fieldStarted = false;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar ch = text[i];
        if (quoted) {
            if (ch == QLatin1Char('"')) {
                if (i + 1 < n && text[i + 1] == QLatin1Char('"')) {
                    field += ch;
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                field += ch;
            }
            continue;
        }
        if (ch == QLatin1Char('"') && !fieldStarted) {
            quoted = true;
            fieldStarted = true;
        } else if (ch == QLatin1Char(',')) {
            record << field;
            field.clear();
            fieldStarted = false;
        } else if (ch == QLatin1Char('\r') || ch == QLatin1Char('\n')) {
            if (ch == QLatin1Char('\r') && i + 1 < n && text[i + 1] == QLatin1Char('\n'))
                ++i;
            record << field;
            field.clear();
            fieldStarted = false;
            records->push_back(record);
            record.clear();
        } else {
            field += ch;
            fieldStarted = true;
        }
    }
    if (quoted)
        return Fail(error, QStringLiteral("A quoted field is not closed"));
    if (fieldStarted || !record.isEmpty()) {
        record << field;
        records->push_back(record);
    }
    return true;
}

bool LoadCsvFolder(const QString& folder, bool header, QSqlDatabase& db, QString* error)
{
    const QDir dir(folder);
    if (!dir.exists())
        return Fail(error, QStringLiteral("Folder not found: %1").arg(folder));
    const QFileInfoList files = dir.entryInfoList({QStringLiteral("*.csv")}, QDir::Files, QDir::Name);
    for (const QFileInfo& info : files) {
        if (info.size() > kMaxCsvSize)
            return Fail(error, QStringLiteral("%1 is too large").arg(info.filePath()));
        QFile file(info.filePath());
        if (!file.open(QIODevice::ReadOnly))
            return Fail(error, QStringLiteral("Cannot open %1").arg(info.filePath()));
        std::vector<QStringList> records;
        QString problem;
        if (!SplitCsv(DecodeCsvText(file.readAll()), &records, &problem))
            return Fail(error, QStringLiteral("%1: %2").arg(info.filePath(), problem));
        std::vector<QVariantList> grid;
        grid.reserve(records.size());
        for (const QStringList& record : records) {
            QVariantList row;
            row.reserve(record.size());
            for (const QString& value : record)
                row << (value.isEmpty() ? QVariant() : QVariant(value));
            grid.push_back(std::move(row));
        }
        if (!StoreTable(TableFromGrid(info.fileName(), std::move(grid), header), db, error))
            return false;
    }
    return true;
}

} // namespace tessarine
