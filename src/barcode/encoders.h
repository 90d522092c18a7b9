#pragma once

// The symbology encoders, one family per source file. Each gets numeric data already trimmed
// and checked where its table row says so.

#include "encoding.h"

#include <QList> // QString::toUcs4

namespace tessarine::encoders {

void EncodeCode25Interleaved(TEncodeContext& ctx);
void EncodeCode25Industrial(TEncodeContext& ctx);
void EncodeCode25Matrix(TEncodeContext& ctx);

void EncodeCode39(TEncodeContext& ctx);
void EncodeCode39Extended(TEncodeContext& ctx);

// Code 128A, B, C and EAN-128A, B, C.
void EncodeCode128(TEncodeContext& ctx);

void EncodeCode93(TEncodeContext& ctx);
void EncodeCode93Extended(TEncodeContext& ctx);

void EncodeMSI(TEncodeContext& ctx);
void EncodePostNet(TEncodeContext& ctx);
void EncodeCodabar(TEncodeContext& ctx);

void EncodeEAN8(TEncodeContext& ctx);
void EncodeEAN13(TEncodeContext& ctx);
void EncodeUPCA(TEncodeContext& ctx);
void EncodeUPCE0(TEncodeContext& ctx);
void EncodeUPCE1(TEncodeContext& ctx);
void EncodeUPCSupp2(TEncodeContext& ctx);
void EncodeUPCSupp5(TEncodeContext& ctx);

// The digit value of a character known to be a digit.
inline int DigitValue(QChar c)
{
    return c.unicode() - u'0';
}

} // namespace tessarine::encoders
