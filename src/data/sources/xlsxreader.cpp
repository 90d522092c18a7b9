#include "data/sources/xlsxreader.h"

#include "data/sources/sqlitetable.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QXmlStreamReader>
#include <map>
#include <zip.h>

namespace tessarine {

namespace {

// No part of a label database comes near this; a larger declared size is a damaged or
// hostile archive, refused before anything is allocated.
constexpr zip_uint64_t kMaxPartSize = 256u * 1024u * 1024u;
constexpr int kMaxColumns = 16384; // XFD
constexpr int kMaxRows = 1048576;
constexpr qint64 kMaxGridCells = 16ll * 1024 * 1024;

struct Archive
{
    zip_t* zip = nullptr;
    ~Archive()
    {
        if (zip)
            zip_discard(zip);
    }
};

// Reads one part; *found is false when the archive has no such entry.
bool ReadPart(zip_t* zip, const QString& name, QByteArray* bytes, bool* found, QString* error)
{
    const QByteArray entry = name.toUtf8();
    zip_stat_t stat;
    zip_stat_init(&stat);
    *found = zip_stat(zip, entry.constData(), 0, &stat) == 0;
    if (!*found)
        return true;
    if (!(stat.valid & ZIP_STAT_SIZE) || stat.size > kMaxPartSize)
        return Fail(error, QStringLiteral("Workbook part %1 is too large or damaged").arg(name));
    zip_file_t* file = zip_fopen(zip, entry.constData(), 0);
    if (!file)
        return Fail(error, QStringLiteral("Cannot open workbook part %1").arg(name));
    bytes->resize(qsizetype(stat.size));
    zip_int64_t total = 0;
    while (total < zip_int64_t(stat.size)) {
        const zip_int64_t got = zip_fread(file, bytes->data() + total, stat.size - zip_uint64_t(total));
        if (got <= 0)
            break;
        total += got;
    }
    zip_fclose(file);
    if (total != zip_int64_t(stat.size))
        return Fail(error, QStringLiteral("Workbook part %1 is damaged").arg(name));
    return true;
}

// The text of an element, with the <t> pieces of rich-text runs joined and phonetic
// guides (<rPh>) left out. The reader stands on the start element.
QString CollectText(QXmlStreamReader& xml)
{
    QString text;
    int depth = 1;
    int skip = 0;
    while (depth > 0 && !xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            ++depth;
            if (xml.name() == QLatin1String("rPh"))
                ++skip;
        } else if (xml.isEndElement()) {
            --depth;
            if (xml.name() == QLatin1String("rPh"))
                --skip;
        } else if (xml.isCharacters() && skip == 0) {
            text += xml.text();
        }
    }
    return text;
}

// "BC12" -> column 54 and row 11, both counted from 0.
bool ParseReference(QStringView ref, int* column, int* row)
{
    int c = 0;
    qsizetype i = 0;
    while (i < ref.size() && ref[i].isLetter()) {
        c = c * 26 + (ref[i].toUpper().unicode() - 'A' + 1);
        if (c > kMaxColumns)
            return false;
        ++i;
    }
    bool ok = false;
    const int r = ref.mid(i).toInt(&ok);
    if (c == 0 || !ok || r < 1 || r > kMaxRows)
        return false;
    *column = c - 1;
    *row = r - 1;
    return true;
}

bool IsDateFormatCode(const QString& code)
{
    bool quoted = false;
    bool bracket = false;
    for (const QChar ch : code) {
        if (ch == QLatin1Char('"'))
            quoted = !quoted;
        else if (!quoted && ch == QLatin1Char('['))
            bracket = true;
        else if (!quoted && ch == QLatin1Char(']'))
            bracket = false;
        else if (!quoted && !bracket && QStringLiteral("dmyhsDMYHS").contains(ch))
            return true;
    }
    return false;
}

// Whole-day serials become "YYYY-MM-DD", others add the time; times alone have no date.
QString SerialToText(double serial)
{
    const QDate epoch(1899, 12, 30);
    qint64 seconds = qint64(serial * 86400.0 + 0.5);
    const qint64 days = seconds / 86400;
    seconds %= 86400;
    const QTime time = QTime(0, 0).addSecs(int(seconds));
    if (days == 0 && seconds > 0)
        return time.toString(QStringLiteral("HH:mm:ss"));
    const QString date = epoch.addDays(days).toString(Qt::ISODate);
    return seconds == 0 ? date : date + QLatin1Char(' ') + time.toString(QStringLiteral("HH:mm:ss"));
}

// Indices of the cell styles whose number format shows a date or time.
QSet<int> DateStyles(const QByteArray& styles)
{
    QHash<int, bool> customDate;
    QSet<int> result;
    QXmlStreamReader xml(styles);
    bool inCellXfs = false;
    int xf = 0;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            if (xml.name() == QLatin1String("numFmt")) {
                customDate.insert(
                    xml.attributes().value(QLatin1String("numFmtId")).toInt(),
                    IsDateFormatCode(xml.attributes().value(QLatin1String("formatCode")).toString()));
            } else if (xml.name() == QLatin1String("cellXfs")) {
                inCellXfs = true;
            } else if (inCellXfs && xml.name() == QLatin1String("xf")) {
                const int id = xml.attributes().value(QLatin1String("numFmtId")).toInt();
                const bool builtinDate = (id >= 14 && id <= 22) || (id >= 45 && id <= 47);
                if (customDate.contains(id) ? customDate.value(id) : builtinDate)
                    result.insert(xf);
                ++xf;
            }
        } else if (xml.isEndElement() && xml.name() == QLatin1String("cellXfs")) {
            inCellXfs = false;
        }
    }
    return result;
}

QString ResolveTarget(const QString& target)
{
    if (target.startsWith(QLatin1Char('/')))
        return target.mid(1);
    return QStringLiteral("xl/") + target;
}

bool ReadSheet(const QByteArray& bytes, const QStringList& shared, const QSet<int>& dateStyles,
               std::vector<QVariantList>* grid, QString* error)
{
    std::map<int, std::map<int, QVariant>> cells;
    QXmlStreamReader xml(bytes);
    int row = -1;
    int nextColumn = 0;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("row")) {
            bool ok = false;
            const int r = xml.attributes().value(QLatin1String("r")).toInt(&ok);
            row = ok && r >= 1 && r <= kMaxRows ? r - 1 : row + 1;
            if (row >= kMaxRows)
                return Fail(error, QStringLiteral("Too many rows"));
            nextColumn = 0;
        } else if (xml.name() == QLatin1String("c")) {
            const QXmlStreamAttributes attrs = xml.attributes();
            int column = nextColumn;
            int r = row < 0 ? 0 : row;
            if (attrs.hasAttribute(QLatin1String("r")) &&
                !ParseReference(attrs.value(QLatin1String("r")), &column, &r))
                return Fail(error,
                            QStringLiteral("Bad cell reference %1").arg(attrs.value(QLatin1String("r"))));
            if (column >= kMaxColumns)
                return Fail(error, QStringLiteral("Too many columns"));
            nextColumn = column + 1;
            const QString type = attrs.value(QLatin1String("t")).toString();
            const bool date = dateStyles.contains(attrs.value(QLatin1String("s")).toInt());
            QVariant value;
            int depth = 1;
            while (depth > 0 && !xml.atEnd()) {
                xml.readNext();
                if (xml.isEndElement()) {
                    --depth;
                } else if (xml.isStartElement()) {
                    if (xml.name() == QLatin1String("v")) {
                        const QString text = xml.readElementText();
                        bool ok = false;
                        if (type == QLatin1String("s")) {
                            const int index = text.toInt(&ok);
                            if (!ok || index < 0 || index >= shared.size())
                                return Fail(error, QStringLiteral("Bad shared string index %1").arg(text));
                            value = shared[index];
                        } else if (type == QLatin1String("b")) {
                            value = text.trimmed() == QLatin1String("1");
                        } else if (type == QLatin1String("str") || type == QLatin1String("e") ||
                                   type == QLatin1String("inlineStr")) {
                            value = text;
                        } else {
                            const double number = text.toDouble(&ok);
                            value = !ok    ? QVariant(text)
                                    : date ? QVariant(SerialToText(number))
                                           : QVariant(number);
                        }
                    } else if (xml.name() == QLatin1String("is")) {
                        value = CollectText(xml);
                    } else {
                        ++depth;
                    }
                }
            }
            if (!value.isNull())
                cells[r][column] = value;
        }
    }
    if (xml.hasError())
        return Fail(error, QStringLiteral("Damaged worksheet: %1").arg(xml.errorString()));
    if (cells.empty())
        return true;
    // Rows reach only as far as their last cell, so far-flung references cannot make the
    // grid much larger than the sheet's own text; still, cap the whole.
    qint64 total = 0;
    for (const auto& [r, line] : cells)
        total += line.rbegin()->first + 1;
    if (total > kMaxGridCells)
        return Fail(error, QStringLiteral("The sheet is too large"));
    grid->assign(size_t(cells.rbegin()->first + 1), QVariantList());
    for (const auto& [r, line] : cells) {
        QVariantList& out = (*grid)[size_t(r)];
        out.resize(line.rbegin()->first + 1);
        for (const auto& [c, value] : line)
            out[c] = value;
    }
    return true;
}

} // namespace

bool LoadXlsxWorkbook(const QString& path, bool header, QSqlDatabase& db, QString* error)
{
    if (!QFileInfo(path).isFile())
        return Fail(error, QStringLiteral("Workbook not found: %1").arg(path));
    Archive archive;
    int code = 0;
    archive.zip = zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY, &code);
    if (!archive.zip)
        return Fail(error, QStringLiteral("Not a readable Excel workbook: %1").arg(path));

    QString problem;
    QByteArray workbook, rels, sharedBytes, styles;
    bool found = false;
    if (!ReadPart(archive.zip, QStringLiteral("xl/workbook.xml"), &workbook, &found, &problem) || !found ||
        !ReadPart(archive.zip, QStringLiteral("xl/_rels/workbook.xml.rels"), &rels, &found, &problem) ||
        !found)
        return Fail(error,
                    QStringLiteral("Not a readable Excel workbook: %1 %2").arg(path, problem).trimmed());
    if (!ReadPart(archive.zip, QStringLiteral("xl/sharedStrings.xml"), &sharedBytes, &found, &problem) ||
        !ReadPart(archive.zip, QStringLiteral("xl/styles.xml"), &styles, &found, &problem))
        return Fail(error, QStringLiteral("%1: %2").arg(path, problem));

    QHash<QString, QString> targets;
    {
        QXmlStreamReader xml(rels);
        while (!xml.atEnd()) {
            xml.readNext();
            if (xml.isStartElement() && xml.name() == QLatin1String("Relationship"))
                targets.insert(xml.attributes().value(QLatin1String("Id")).toString(),
                               ResolveTarget(xml.attributes().value(QLatin1String("Target")).toString()));
        }
    }
    QStringList shared;
    {
        QXmlStreamReader xml(sharedBytes);
        while (!xml.atEnd()) {
            xml.readNext();
            if (xml.isStartElement() && xml.name() == QLatin1String("si"))
                shared << CollectText(xml);
        }
        if (xml.hasError() && !sharedBytes.isEmpty())
            return Fail(error, QStringLiteral("%1: damaged shared strings: %2").arg(path, xml.errorString()));
    }
    const QSet<int> dateStyles = DateStyles(styles);

    QList<QPair<QString, QString>> sheets; // name, part
    {
        QXmlStreamReader xml(workbook);
        while (!xml.atEnd()) {
            xml.readNext();
            if (xml.isStartElement() && xml.name() == QLatin1String("sheet")) {
                QString id;
                for (const QXmlStreamAttribute& a : xml.attributes())
                    if (a.name() == QLatin1String("id"))
                        id = a.value().toString();
                sheets.append({xml.attributes().value(QLatin1String("name")).toString(), targets.value(id)});
            }
        }
        if (xml.hasError())
            return Fail(error, QStringLiteral("%1: damaged workbook: %2").arg(path, xml.errorString()));
    }
    for (const auto& [name, part] : sheets) {
        QByteArray bytes;
        if (part.isEmpty() || !ReadPart(archive.zip, part, &bytes, &found, &problem) || !found)
            return Fail(error,
                        QStringLiteral("%1: cannot read sheet %2 %3").arg(path, name, problem).trimmed());
        std::vector<QVariantList> grid;
        if (!ReadSheet(bytes, shared, dateStyles, &grid, &problem))
            return Fail(error, QStringLiteral("%1, sheet %2: %3").arg(path, name, problem));
        if (!StoreTable(TableFromGrid(name + QLatin1Char('$'), std::move(grid), header), db, error))
            return false;
    }
    return true;
}

} // namespace tessarine
