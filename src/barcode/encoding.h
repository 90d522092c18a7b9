#pragma once

#include "barcodetypes.h"

#include <QString>

#include <string>

namespace tessarine {

// What one encoder run works on and produces.
struct TEncodeContext
{
    TBarcodeType Typ = bcCodeEAN13;
    QString Text; // in: the data; out: the data after the symbology's rewrites
    bool Checksum = false;
    TCheckSumMethod CheckSumMethod = csmModulo10;

    std::string Pattern; // out: the symbol in the pattern alphabet
    QString Data;        // out: the characters the symbol carries, as a reader returns them
};

struct TEncodedSymbol
{
    std::string Pattern;
    QString Text; // the caller's text after trimming and the symbology's rewrites
    QString Data; // what a reader decodes (EAN/UPC numbers with their check digit)
};

// Text to pattern: trims and checks numeric-only data, then runs the symbology's encoder.
// Raises EBarcodeError with the user-facing message.
TEncodedSymbol EncodeSymbol(TBarcodeType typ, const QString& text, bool checksum, TCheckSumMethod method);

// The generic check digit: digits weighted 3, 1, 3, 1 ... from the rightmost digit. csmNone
// leaves the data unchanged. Characters other than digits (EAN-128A and B data may hold
// letters) take no part in the sum.
QString AppendCheckDigit(const QString& data, TCheckSumMethod method);

// Puts "0" in front until text has length characters; longer texts are returned unchanged.
QString PadLeft(const QString& text, int length);

} // namespace tessarine
