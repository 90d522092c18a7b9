// Code 128 and EAN-128 in code sets A, B and C.
#include "encoders.h"

#include "barcodeerrors.h"
#include "barcodepattern.h"

#include <array>

namespace tessarine::encoders {

namespace {

// The published Code 128 patterns in modules, bar first, by value; 103..105 are the starts.
constexpr std::array<const char*, 106> kCode128 = {
    "212222", "222122", "222221", "121223", "121322", "131222", "122213", "122312", "132212", "221213",
    "221312", "231212", "112232", "122132", "122231", "113222", "123122", "123221", "223211", "221132",
    "221231", "213212", "223112", "312131", "311222", "321122", "321221", "312212", "322112", "322211",
    "212123", "212321", "232121", "111323", "131123", "131321", "112313", "132113", "132311", "211313",
    "231113", "231311", "112133", "112331", "132131", "113123", "113321", "133121", "313121", "211331",
    "231131", "213113", "213311", "213131", "311123", "311321", "331121", "312113", "312311", "332111",
    "314111", "221411", "431111", "111224", "111422", "121124", "121421", "141122", "141221", "112214",
    "112412", "122114", "122411", "142112", "142211", "241211", "221114", "413111", "241112", "134111",
    "111242", "121142", "121241", "114212", "124112", "124211", "411212", "421112", "421211", "212141",
    "214121", "412121", "111143", "111341", "131141", "114113", "114311", "411113", "411311", "113141",
    "114131", "311141", "411131", "211412", "211214", "211232",
};
constexpr const char* kStop = "2331112";
constexpr int kFnc1 = 102;

enum class TColumn : uint8_t
{
    A,
    B,
    C
};

struct TVariant
{
    TBarcodeType Typ;
    int Start;
    TColumn Column;
    bool Ean;
};

// EAN-128A looks its characters up in column B, as it always has.
constexpr std::array<TVariant, 6> kVariants = {{
    {bcCode128A, 103, TColumn::A, false},
    {bcCode128B, 104, TColumn::B, false},
    {bcCode128C, 105, TColumn::C, false},
    {bcCodeEAN128A, 103, TColumn::B, true},
    {bcCodeEAN128B, 104, TColumn::B, true},
    {bcCodeEAN128C, 105, TColumn::C, true},
}};

// Column A holds codes 32..95, column B 32..126; anything else is value 0 (a blank).
int CharacterValue(char32_t c, TColumn column)
{
    const char32_t last = column == TColumn::A ? 95 : 126;
    return c >= 32 && c <= last ? int(c - 32) : 0;
}

int PairValue(QChar tens, QChar units)
{
    const auto digit = [](QChar c) { return c >= u'0' && c <= u'9'; };
    return digit(tens) && digit(units) ? DigitValue(tens) * 10 + DigitValue(units) : 0;
}

} // namespace

void EncodeCode128(TEncodeContext& ctx)
{
    const TVariant* variant = nullptr;
    for (const TVariant& v : kVariants) {
        if (v.Typ == ctx.Typ)
            variant = &v;
    }
    if (!variant)
        throw WrongTypeInCode128Error();

    std::string modules = kCode128[size_t(variant->Start)];
    int sum = variant->Start;
    int position = 1;
    const auto append = [&](int value) {
        modules += kCode128[size_t(value)];
        sum = int((sum + int64_t(value) * position) % 103);
        ++position;
    };

    QString data = ctx.Text;
    if (variant->Ean) {
        append(kFnc1);
        if (ctx.Checksum)
            data = AppendCheckDigit(data, ctx.CheckSumMethod);
    }

    QString encoded;
    if (variant->Column == TColumn::C) {
        if (data.size() % 2 != 0)
            data.prepend(u'0');
        for (qsizetype i = 0; i + 1 < data.size(); i += 2) {
            const int value = PairValue(data[i], data[i + 1]);
            append(value);
            encoded += QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
        }
    } else {
        for (const char32_t c : data.toUcs4()) {
            const int value = CharacterValue(c, variant->Column);
            append(value);
            encoded += QChar(char16_t(32 + value));
        }
    }

    modules += kCode128[size_t(sum)]; // the check character
    modules += kStop;
    ctx.Pattern = ModulesToPattern(modules);
    ctx.Data = encoded;
}

} // namespace tessarine::encoders
