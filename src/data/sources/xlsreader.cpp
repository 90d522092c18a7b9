#include "data/sources/xlsreader.h"

#include "data/sources/sqlitetable.h"

#include <QFile>
#include <QFileInfo>
#include <freexl.h>

namespace tessarine {

namespace {

struct Workbook
{
    const void* handle = nullptr;
    ~Workbook()
    {
        if (handle)
            freexl_close(handle);
    }
};

} // namespace

bool LoadXlsWorkbook(const QString& path, bool header, QSqlDatabase& db, QString* error)
{
    const QFileInfo info(path);
    if (!info.isFile())
        return Fail(error, QStringLiteral("Workbook not found: %1").arg(path));
    Workbook book;
    const QByteArray local = QFile::encodeName(path);
    if (freexl_open(local.constData(), &book.handle) != FREEXL_OK || !book.handle)
        return Fail(error, QStringLiteral("Not a readable Excel workbook: %1").arg(path));
    unsigned int sheets = 0;
    if (freexl_get_info(book.handle, FREEXL_BIFF_SHEET_COUNT, &sheets) != FREEXL_OK)
        return Fail(error, QStringLiteral("Cannot list the sheets of %1").arg(path));

    for (unsigned int s = 0; s < sheets && s <= 0xFFFF; ++s) {
        const auto index = static_cast<unsigned short>(s);
        const char* rawName = nullptr;
        if (freexl_get_worksheet_name(book.handle, index, &rawName) != FREEXL_OK || !rawName ||
            freexl_select_active_worksheet(book.handle, index) != FREEXL_OK)
            return Fail(error, QStringLiteral("Cannot read sheet %1 of %2").arg(s + 1).arg(path));
        const QString name = QString::fromUtf8(rawName) + QLatin1Char('$');
        unsigned int rows = 0;
        unsigned short columns = 0;
        if (freexl_worksheet_dimensions(book.handle, &rows, &columns) != FREEXL_OK)
            return Fail(error, QStringLiteral("Cannot read sheet %1 of %2").arg(name, path));
        // BIFF8 sheets hold at most 65536 rows of 256 columns; larger counts mean damage.
        if (rows > 65536 || columns > 256)
            return Fail(error, QStringLiteral("Sheet %1 of %2 is damaged").arg(name, path));

        std::vector<QVariantList> grid;
        for (unsigned int r = 0; r < rows; ++r) {
            QVariantList row;
            for (unsigned short c = 0; c < columns; ++c) {
                FreeXL_CellValue cell;
                if (freexl_get_cell_value(book.handle, r, c, &cell) != FREEXL_OK) {
                    row << QVariant();
                    continue;
                }
                switch (cell.type) {
                // Excel keeps every number as a double; freexl hands whole ones back as int.
                case FREEXL_CELL_INT:
                    row << QVariant(double(cell.value.int_value));
                    break;
                case FREEXL_CELL_DOUBLE:
                    row << QVariant(cell.value.double_value);
                    break;
                case FREEXL_CELL_TEXT:
                case FREEXL_CELL_SST_TEXT:
                case FREEXL_CELL_DATE:
                case FREEXL_CELL_DATETIME:
                case FREEXL_CELL_TIME:
                    row << (cell.value.text_value ? QVariant(QString::fromUtf8(cell.value.text_value))
                                                  : QVariant());
                    break;
                default:
                    row << QVariant();
                    break;
                }
            }
            // Keep rows only as long as their last value: a damaged sheet may claim the full
            // 65536 x 256 range while holding little.
            while (!row.isEmpty() && row.constLast().isNull())
                row.removeLast();
            grid.push_back(std::move(row));
        }
        if (!StoreTable(TableFromGrid(name, std::move(grid), header), db, error))
            return false;
    }
    return true;
}

} // namespace tessarine
