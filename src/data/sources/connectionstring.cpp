#include "data/sources/connectionstring.h"

#include <QHash>

namespace tessarine {

namespace {

// Splits "key=value;key=value" with values optionally in double or single quotes (a
// doubled quote inside stands for one). Keys are lower-cased and trimmed.
QHash<QString, QString> SplitPairs(const QString& text)
{
    QHash<QString, QString> pairs;
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n) {
        qsizetype eq = text.indexOf(QLatin1Char('='), i);
        qsizetype semi = text.indexOf(QLatin1Char(';'), i);
        if (eq < 0 || (semi >= 0 && semi < eq)) { // a bare word such as "text" or "Excel 8.0"
            const qsizetype end = semi < 0 ? n : semi;
            const QString word = text.mid(i, end - i).trimmed();
            if (!word.isEmpty())
                pairs.insert(word.toLower(), QString());
            i = end + 1;
            continue;
        }
        const QString key = text.mid(i, eq - i).trimmed().toLower();
        i = eq + 1;
        while (i < n && text[i].isSpace())
            ++i;
        QString value;
        if (i < n && (text[i] == QLatin1Char('"') || text[i] == QLatin1Char('\''))) {
            const QChar quote = text[i++];
            while (i < n) {
                if (text[i] == quote) {
                    if (i + 1 < n && text[i + 1] == quote) {
                        value += quote;
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                value += text[i++];
            }
            const qsizetype end = text.indexOf(QLatin1Char(';'), i);
            i = end < 0 ? n : end + 1;
        } else {
            const qsizetype end = text.indexOf(QLatin1Char(';'), i);
            value = text.mid(i, (end < 0 ? n : end) - i).trimmed();
            i = end < 0 ? n : end + 1;
        }
        if (!key.isEmpty() && !pairs.contains(key))
            pairs.insert(key, value);
    }
    return pairs;
}

QString LocalPath(QString path)
{
    // Documents made on Windows store "C:\dir\file.xls" or a folder with its final backslash.
    if (path.contains(QLatin1Char('\\')) && !path.contains(QLatin1Char('/')))
        path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (path.size() > 1 && path.endsWith(QLatin1Char('/')))
        path.chop(1);
    return path;
}

} // namespace

TFileSource ParseConnectionString(const QString& connection)
{
    TFileSource source;
    QHash<QString, QString> pairs = SplitPairs(connection);
    if (!pairs.value(QStringLiteral("provider"))
             .trimmed()
             .startsWith(QLatin1String("Microsoft.Jet.OLEDB"), Qt::CaseInsensitive))
        return source;
    // A quoted "Extended Properties" holds its own options; unquoted, they arrive as
    // separate pairs already.
    const QString extended = pairs.value(QStringLiteral("extended properties"));
    QHash<QString, QString> options = SplitPairs(extended);
    for (auto it = pairs.cbegin(); it != pairs.cend(); ++it)
        if (!options.contains(it.key()))
            options.insert(it.key(), it.value());
    const QString kind = extended.section(QLatin1Char(';'), 0, 0).trimmed().toLower();

    source.path = LocalPath(pairs.value(QStringLiteral("data source")).trimmed());
    const QString hdr = options.value(QStringLiteral("hdr"), QStringLiteral("yes")).trimmed();
    source.header = hdr.compare(QLatin1String("no"), Qt::CaseInsensitive) != 0;
    if (kind.startsWith(QLatin1String("excel"))) {
        source.kind = source.path.endsWith(QLatin1String(".xlsx"), Qt::CaseInsensitive) ||
                              source.path.endsWith(QLatin1String(".xlsm"), Qt::CaseInsensitive)
                          ? TFileSource::Kind::Xlsx
                          : TFileSource::Kind::Xls;
    } else if (kind.startsWith(QLatin1String("dbase"))) {
        source.kind = TFileSource::Kind::DBase;
    } else if (kind == QLatin1String("text")) {
        source.kind = TFileSource::Kind::Csv;
    } else if (kind.isEmpty() && !source.path.isEmpty()) {
        // Jet's own format: a plain provider string names an Access database, whatever the
        // file is called (a workbook named with capitals ends up here too, and is refused).
        source.kind = TFileSource::Kind::Access;
    }
    return source;
}

} // namespace tessarine
