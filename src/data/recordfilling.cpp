#include "recordfilling.h"

#include "serialstepping.h"
#include "textboxfit.h"

#include "document/barcodedata.h"
#include "document/barcodeshapes.h"
#include "document/boxshapes.h"
#include "document/designdocument.h"
#include "document/textshape.h"

#include "barcode/barcodetypes.h"

#include <QDate>
#include <QDateTime>
#include <QSqlRecord>
#include <QTime>

namespace tessarine {

namespace {

const QString kFallbackBarcodeData = QStringLiteral("12345678");
const QString kFallbackInterleavedData = QStringLiteral("00000000");

// The locale's long time format without its time-zone letters: a value read from a field
// carries no zone, and the desktop's long time is hours, minutes and seconds.
QString LongTimeFormat(const QLocale& locale)
{
    const QString format = locale.timeFormat(QLocale::LongFormat);
    QString result;
    bool quoted = false;
    for (const QChar c : format) {
        if (c == QLatin1Char('\''))
            quoted = !quoted;
        if (!quoted && c == QLatin1Char('t'))
            continue;
        result += c;
    }
    return result.trimmed();
}

QString TimeText(const QTime& time, const QLocale& locale)
{
    return locale.toString(time, LongTimeFormat(locale));
}

QString DateText(const QDate& date, const QLocale& locale)
{
    return locale.toString(date, locale.dateFormat(QLocale::ShortFormat));
}

bool ReadField(const QSqlRecord& record, const QString& name, QString& text, const QLocale& locale)
{
    const int index = record.indexOf(name);
    if (index < 0)
        return false;
    return FieldValueText(record.value(index), text, locale);
}

bool IsLinearBarcode(const TMyShape& shape)
{
    return dynamic_cast<const TShowBarCode*>(&shape) && !dynamic_cast<const TShowBarCodePDF417*>(&shape);
}

bool IsText(const TMyShape& shape)
{
    return dynamic_cast<const TKWZText*>(&shape) || dynamic_cast<const TKWZLinesText*>(&shape);
}

// The data a bound barcode takes from its field; false for symbologies the record leaves
// alone.
bool BarcodeDataFromField(uint8_t symbology, bool readable, const QString& value, QString& data)
{
    switch (symbology) {
    case kSymbologyEAN8:
    case kSymbologyEAN13:
    case kSymbologyUPCA:
        // UPC-A falls back to completed data like the other two, so Data always holds a
        // whole code with its check digit.
        if (!readable || !CompleteCheckDigit(symbology, value, data))
            CompleteCheckDigit(symbology, kFallbackBarcodeData, data);
        return true;
    case bcCode39:
    case bcCode128B:
        data = readable ? value : kFallbackBarcodeData;
        return true;
    case bcCode_2_5_interleaved:
        data = readable ? value : kFallbackInterleavedData;
        return true;
    default:
        return false;
    }
}

} // namespace

bool FieldValueText(const QVariant& value, QString& text, const QLocale& locale)
{
    if (!value.isValid())
        return false;
    if (value.isNull()) {
        text.clear();
        return true;
    }
    switch (value.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float: {
        QLocale plain = locale;
        plain.setNumberOptions(QLocale::OmitGroupSeparator);
        text = plain.toString(value.toDouble(), 'g', 15);
        return true;
    }
    case QMetaType::QDate:
        text = DateText(value.toDate(), locale);
        return true;
    case QMetaType::QTime:
        text = TimeText(value.toTime(), locale);
        return true;
    case QMetaType::QDateTime: {
        const QDateTime moment = value.toDateTime();
        text = DateText(moment.date(), locale);
        if (moment.time() != QTime(0, 0))
            text += QLatin1Char(' ') + TimeText(moment.time(), locale);
        return true;
    }
    default:
        if (!value.canConvert<QString>())
            return false;
        text = value.toString();
        return true;
    }
}

void FillFromRecord(TDesignDocument& document, const QSqlRecord& record, const QLocale& locale)
{
    const QVector<TShapePtr> shapes = document.Shapes;
    for (const TShapePtr& shape : shapes) {
        TObjectInfo& info = shape->Info;
        if (info.SourceKind != skDatabaseField || info.FieldName.isEmpty())
            continue;
        QString value;
        const bool readable = ReadField(record, info.FieldName, value, locale);
        if (IsText(*shape)) {
            info.WordInfo.Text = readable ? value : kUnreadableFieldText;
            FitTextBoxToText(*shape);
        } else if (IsLinearBarcode(*shape)) {
            auto& barcode = static_cast<TShowBarCode&>(*shape);
            QString data;
            if (BarcodeDataFromField(info.BarCode.Symbology, readable, value, data))
                info.BarCode.Data = data;
            if (!RenderLinearBarcode(barcode)) {
                // The symbol shows the stand-in; Data keeps what the field gave.
                const QString kept = info.BarCode.Data;
                info.BarCode.Data = kFallbackBarcodeData;
                RenderLinearBarcode(barcode);
                info.BarCode.Data = kept;
            }
        }
    }
    document.Repaint();
}

} // namespace tessarine
