#include "serialstepping.h"

#include "textboxfit.h"

#include "document/barcodedata.h"
#include "document/barcodeshapes.h"
#include "document/boxshapes.h"
#include "document/designdocument.h"
#include "document/textshape.h"

#include "platform/gbk.h"

#include <QCoreApplication>

#include <limits>

namespace tessarine {

namespace {

constexpr int64_t kInt64Max = std::numeric_limits<int64_t>::max();
constexpr int64_t kInt64Min = std::numeric_limits<int64_t>::min();

// A signed decimal: an optional sign and at least one ASCII digit, nothing else. Anything
// that does not fit 64 bits is not a number either.
bool ParseInt64(const QString& text, int64_t& value)
{
    int i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
        negative = text[i] == QLatin1Char('-');
        ++i;
    }
    if (i == text.size())
        return false;
    // Accumulate towards the negative side, which holds one more value than the positive.
    int64_t result = 0;
    for (; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
        const int digit = c.unicode() - '0';
        if (result < (kInt64Min + digit) / 10)
            return false;
        result = result * 10 - digit;
    }
    if (!negative) {
        if (result == kInt64Min)
            return false;
        result = -result;
    }
    value = result;
    return true;
}

int DecimalLength(int64_t value)
{
    int length = value < 0 ? 2 : 1;
    while (value <= -10 || value >= 10) {
        value /= 10;
        ++length;
    }
    return length;
}

QString PadLeftWithZeros(const QString& text, int length)
{
    if (text.size() >= length)
        return text;
    return QString(length - text.size(), QLatin1Char('0')) + text;
}

// The number part's width of the symbologies whose last character is a check digit.
int CheckedDataWidth(uint8_t symbology)
{
    switch (symbology) {
    case kSymbologyEAN8:
        return 7;
    case kSymbologyEAN13:
        return 12;
    case kSymbologyUPCA:
        return 11;
    default:
        return 0;
    }
}

int64_t PowerOfTen(int exponent)
{
    int64_t result = 1;
    while (exponent-- > 0)
        result *= 10;
    return result;
}

QString WithoutAffixes(const QString& content, const TRecordNo& serial)
{
    // Removed by length only: the characters are not compared with the prefix or suffix.
    QString rest = content;
    if (!serial.Prefix.isEmpty())
        rest.remove(0, serial.Prefix.size());
    if (!serial.Suffix.isEmpty())
        rest.chop(serial.Suffix.size());
    return rest;
}

QString SteppedText(const QString& text, const TRecordNo& serial)
{
    const bool decrement = serial.Decrement == 1;
    if (serial.SerialKind == kSerialDigits) {
        QString stepped = text;
        StepDigits(stepped, serial.Step, decrement);
        return stepped;
    }
    if (serial.SerialKind == kSerialLetters)
        return StepLastLetter(text, serial.Step, decrement);
    if (serial.SerialKind == kSerialLettersAndDigits) {
        QString rest = WithoutAffixes(text, serial);
        if (!StepDigits(rest, serial.Step, decrement))
            rest = StepLastLetter(rest, serial.Step, decrement);
        return serial.Prefix + rest + serial.Suffix;
    }
    return text;
}

QString SteppedBarcodeData(const QString& data, uint8_t symbology, const TRecordNo& serial)
{
    const bool decrement = serial.Decrement == 1;
    if (CheckedDataWidth(symbology) > 0) {
        QString stepped = data;
        if (serial.SerialKind == kSerialDigits)
            StepBarcodeNumber(stepped, symbology, decrement, serial.Step);
        return stepped;
    }
    if (serial.SerialKind == kSerialDigits) {
        QString stepped = data;
        StepBarcodeNumber(stepped, symbology, decrement, serial.Step);
        return stepped;
    }
    if (serial.SerialKind == kSerialLetters)
        return StepLastLetter(data, serial.Step, decrement);
    if (serial.SerialKind == kSerialLettersAndDigits) {
        QString rest = WithoutAffixes(data, serial);
        if (!StepBarcodeNumber(rest, symbology, decrement, serial.Step))
            rest = StepLastLetter(rest, serial.Step, decrement);
        return serial.Prefix + rest + serial.Suffix;
    }
    return data;
}

bool IsLinearBarcode(const TMyShape& shape)
{
    return dynamic_cast<const TShowBarCode*>(&shape) && !dynamic_cast<const TShowBarCodePDF417*>(&shape);
}

bool IsText(const TMyShape& shape)
{
    return dynamic_cast<const TKWZText*>(&shape) || dynamic_cast<const TKWZLinesText*>(&shape);
}

} // namespace

// Shared with record filling: a single-line text box is as wide as its text.
void FitTextBoxToText(TMyShape& shape)
{
    if (!dynamic_cast<TKWZText*>(&shape) || shape.Points.size() < 2)
        return;
    const TLogText& word = shape.Info.WordInfo;
    shape.Points[1] = shape.Points[0] + QPoint(gbk::ByteLength(word.Text) * word.Width, word.Height);
}

bool StepDigits(QString& text, int32_t step, bool decrement)
{
    int64_t value = 0;
    if (!ParseInt64(text, value))
        return false;
    int64_t next = 0;
    const bool overflow = decrement ? __builtin_sub_overflow(value, int64_t(step), &next)
                                    : __builtin_add_overflow(value, int64_t(step), &next);
    if (overflow)
        return false;
    if (next < 0)
        next = 0;
    text = PadLeftWithZeros(QString::number(next), int(text.size()));
    return true;
}

QString StepLastLetter(const QString& text, int32_t step, bool decrement)
{
    if (step <= 0 || text.isEmpty())
        return text;
    // A QString holds whole characters, so the last one is never half of a double-byte
    // GBK character whose trail byte happens to be a letter.
    const QChar last = text.back();
    char16_t first = 0;
    if (last >= QLatin1Char('A') && last <= QLatin1Char('Z'))
        first = u'A';
    else if (last >= QLatin1Char('a') && last <= QLatin1Char('z'))
        first = u'a';
    else
        return text;
    const int places = step % 26;
    const int offset = (last.unicode() - first + (decrement ? 26 - places : places)) % 26;
    QString result = text;
    result.back() = QChar(char16_t(first + offset));
    return result;
}

bool CompleteCheckDigit(uint8_t symbology, const QString& data, QString& completed)
{
    return NormalizeBarcodeData(symbology, data, completed);
}

bool StepBarcodeNumber(QString& data, uint8_t symbology, bool decrement, int32_t step)
{
    const int width = CheckedDataWidth(symbology);
    const QString numberPart = width > 0 ? data.left(data.size() - 1) : data;
    int64_t value = 0;
    if (!ParseInt64(numberPart, value))
        return false;
    // Counting down past zero wraps to the largest number of the data width. For UPC-A that
    // is eleven nines: twelve would be cut to their first eleven digits, so a later step in
    // the same pass would count down from the wrong number.
    const int64_t downWrap = width > 0 ? PowerOfTen(width) - 1 : 9;
    const int upWrapLength = width > 0 ? width : 128;
    for (int32_t i = 0; i < step; ++i) {
        if (decrement) {
            if (value == kInt64Min)
                return false;
            --value;
            if (value == -1)
                value = downWrap;
        } else {
            if (value == kInt64Max)
                return false;
            ++value;
            if (DecimalLength(value) > upWrapLength)
                value = 0;
        }
    }
    const QString result = QString::number(value);
    if (width > 0)
        return CompleteCheckDigit(symbology, result, data);
    data = PadLeftWithZeros(result, int(data.size()));
    return true;
}

bool StepSerials(TDesignDocument& document, QString* error)
{
    // A command run while messages are processed may change the list: walk the objects it
    // held when the pass began and skip those that have left it since.
    const QVector<TShapePtr> shapes = document.Shapes;
    for (const TShapePtr& shape : shapes) {
        if (QCoreApplication::instance())
            QCoreApplication::processEvents();
        if (document.IndexOfShape(shape.get()) < 0)
            continue;
        TObjectInfo& info = shape->Info;
        if (info.SourceKind != skSerial)
            continue;
        if (IsText(*shape)) {
            info.WordInfo.Text = SteppedText(info.WordInfo.Text, info.RecordNo);
            FitTextBoxToText(*shape);
        } else if (IsLinearBarcode(*shape)) {
            info.BarCode.Data = SteppedBarcodeData(info.BarCode.Data, info.BarCode.Symbology, info.RecordNo);
            QString why;
            if (!RenderLinearBarcode(static_cast<TShowBarCode&>(*shape), nullptr, &why)) {
                if (error)
                    *error = why;
                return false;
            }
        }
    }
    document.Repaint();
    return true;
}

} // namespace tessarine
