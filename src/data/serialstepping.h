#pragma once

#include <QString>

#include <cstdint>

namespace tessarine {

class TDesignDocument;

// The serial types that step; any other SerialKind text (the base 2, 8 and 16 types, or a
// translated item text) is stored but never stepped.
inline const QString kSerialDigits = QStringLiteral("数字");
inline const QString kSerialLetters = QStringLiteral("文字");
inline const QString kSerialLettersAndDigits = QStringLiteral("文字和数字");

// Adds step (subtracts it when decrement) to the decimal number in text, once, in 64 bits.
// A negative result becomes 0; the result is padded with leading zeros to the former length.
// False, with text unchanged, when text is not a signed 64-bit number or the sum overflows.
bool StepDigits(QString& text, int32_t step, bool decrement);

// Moves the last character step places within its own case, cyclically, when it is an ASCII
// letter; otherwise, or for step <= 0, the text is returned unchanged. No carry.
QString StepLastLetter(const QString& text, int32_t step, bool decrement);

// Pads EAN-8, EAN-13 and UPC-A data to its width and appends the check digit; other
// symbologies pass unchanged. False when the data holds a non-digit.
bool CompleteCheckDigit(uint8_t symbology, const QString& data, QString& completed);

// Steps barcode data by one, step times, wrapping within the data width of EAN-8, EAN-13
// and UPC-A (whose check digit is dropped first and computed again afterwards) and keeping
// the former width of other symbologies. False, with data unchanged, when the number part
// is not a signed 64-bit number or stepping would overflow 64 bits.
bool StepBarcodeNumber(QString& data, uint8_t symbology, bool decrement, int32_t step);

// Advances every serial text and barcode of the document by one step, renders the serial
// barcodes again and repaints. A barcode that fails to render ends the pass there without a
// repaint: false, with the encoder's message in *error.
bool StepSerials(TDesignDocument& document, QString* error = nullptr);

} // namespace tessarine
