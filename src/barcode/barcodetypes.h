#pragma once

#include <QString>

#include <cstdint>
#include <stdexcept>

namespace tessarine {

// The ordinals are the ones label files and the barcode dialog store.
enum TBarcodeType : uint8_t
{
    bcCode_2_5_interleaved = 0,
    bcCode_2_5_industrial = 1,
    bcCode_2_5_matrix = 2,
    bcCode39 = 3,
    bcCode39Extended = 4,
    bcCode128A = 5,
    bcCode128B = 6,
    bcCode128C = 7,
    bcCode93 = 8,
    bcCode93Extended = 9,
    bcCodeMSI = 10,
    bcCodePostNet = 11,
    bcCodeCodabar = 12,
    bcCodeEAN8 = 13,
    bcCodeEAN13 = 14,
    bcCodeUPC_A = 15,
    bcCodeUPC_E0 = 16,
    bcCodeUPC_E1 = 17,
    bcCodeUPC_Supp2 = 18,
    bcCodeUPC_Supp5 = 19,
    bcCodeEAN128A = 20,
    bcCodeEAN128B = 21,
    bcCodeEAN128C = 22,
};

constexpr int kBarcodeTypeCount = 23;

enum TCheckSumMethod : uint8_t
{
    csmNone = 0,
    csmModulo10 = 1,
};

// Which human-readable text the encoder itself writes over the symbol.
enum TBarcodeOption : uint8_t
{
    bcoNone = 0,
    bcoCode = 1,
    bcoTyp = 2,
    bcoBoth = 3,
};

// Raised by the encoder; the message is shown to the user as it is.
class EBarcodeError : public std::runtime_error
{
public:
    explicit EBarcodeError(const QString& message)
        : std::runtime_error(message.toStdString()), m_message(message)
    {}
    const QString& Message() const { return m_message; }

private:
    QString m_message;
};

} // namespace tessarine
