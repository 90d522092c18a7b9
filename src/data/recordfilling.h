#pragma once

#include <QLocale>
#include <QString>
#include <QVariant>

class QSqlRecord;

namespace tessarine {

class TDesignDocument;

// What a text object shows when its field is missing or unreadable.
inline const QString kUnreadableFieldText = QStringLiteral("     ");

// A field value as label text: floating point in its shortest form of up to 15 significant
// digits, dates in the locale's short date format, times in its long time format (without
// a time zone), date and time both, the time left out at midnight. False when the value
// cannot become text (an invalid variant, or a type without a text form).
bool FieldValueText(const QVariant& value, QString& text, const QLocale& locale = QLocale::system());

// Copies the record's values into every text and linear barcode bound to a field, renders
// those barcodes again and repaints. Missing or unreadable fields give fixed fallbacks.
void FillFromRecord(TDesignDocument& document, const QSqlRecord& record,
                    const QLocale& locale = QLocale::system());

} // namespace tessarine
