// Code 93 and its full-ASCII form.
#include "encoders.h"

#include "barcodeerrors.h"
#include "barcodepattern.h"

#include <array>
#include <vector>

namespace tessarine::encoders {

namespace {

struct TCode93Entry
{
    char Character;
    const char* Modules; // six elements, bar first
};

// The published Code 93 table; the value is the index. "[", "]", "{" and "}" stand for the
// four shift characters ($), (%), (/) and (+).
constexpr std::array<TCode93Entry, 47> kCode93 = {{
    {'0', "131112"}, {'1', "111213"}, {'2', "111312"}, {'3', "111411"}, {'4', "121113"}, {'5', "121212"},
    {'6', "121311"}, {'7', "111114"}, {'8', "131211"}, {'9', "141111"}, {'A', "211113"}, {'B', "211212"},
    {'C', "211311"}, {'D', "221112"}, {'E', "221211"}, {'F', "231111"}, {'G', "112113"}, {'H', "112212"},
    {'I', "112311"}, {'J', "122112"}, {'K', "132111"}, {'L', "111123"}, {'M', "111222"}, {'N', "111321"},
    {'O', "121122"}, {'P', "131121"}, {'Q', "212112"}, {'R', "212211"}, {'S', "211122"}, {'T', "211221"},
    {'U', "221121"}, {'V', "222111"}, {'W', "112122"}, {'X', "112221"}, {'Y', "122121"}, {'Z', "123111"},
    {'-', "121131"}, {'.', "311112"}, {' ', "311211"}, {'$', "321111"}, {'/', "112131"}, {'+', "113121"},
    {'%', "211131"}, {'[', "121221"}, {']', "312111"}, {'{', "311121"}, {'}', "122211"},
}};
constexpr int kFirstShift = 43;
constexpr const char* kStart = "111141";
constexpr const char* kStop = "1111411";

int Find(char32_t c, int limit)
{
    for (int i = 0; i < limit; ++i) {
        if (char32_t(kCode93[size_t(i)].Character) == c)
            return i;
    }
    return -1;
}

QString FullAsciiSequence(char32_t code)
{
    const auto pair = [](char shift, int letter) { return QString(QChar(shift)) + QChar(letter); };
    if (code == 0)
        return QStringLiteral("]U");
    if (code <= 26)
        return pair('[', 'A' + int(code) - 1);
    if (code <= 31)
        return pair(']', 'A' + int(code) - 27);
    if (code == 32)
        return QStringLiteral(" ");
    if (code <= 47)
        return pair('{', 'A' + int(code) - 33);
    if (code <= 57)
        return QString(QChar(char16_t(code)));
    if (code == 58)
        return QStringLiteral("{Z");
    if (code <= 63)
        return pair(']', 'F' + int(code) - 59);
    if (code == 64)
        return QStringLiteral("]V");
    if (code <= 90)
        return QString(QChar(char16_t(code)));
    if (code <= 95)
        return pair(']', 'K' + int(code) - 91);
    if (code == 96)
        return QStringLiteral("]W");
    if (code <= 122)
        return pair('}', 'A' + int(code) - 97);
    return pair(']', 'P' + int(code) - 123);
}

// values are table indexes; appends the C and K check characters and the guards.
std::string Code93Pattern(const std::vector<int>& values)
{
    std::string modules = kStart;
    for (const int v : values)
        modules += kCode93[size_t(v)].Modules;
    int c = 0;
    int k = 0;
    int cWeight = 1;
    int kWeight = 2;
    for (auto it = values.rbegin(); it != values.rend(); ++it) {
        c = (c + *it * cWeight) % 47;
        k = (k + *it * kWeight) % 47;
        if (++cWeight > 20)
            cWeight = 1;
        if (++kWeight > 15)
            kWeight = 1;
    }
    k = (k + c) % 47;
    modules += kCode93[size_t(c)].Modules;
    modules += kCode93[size_t(k)].Modules;
    modules += kStop;
    return ModulesToPattern(modules);
}

} // namespace

void EncodeCode93(TEncodeContext& ctx)
{
    // The shift characters are not data: a reader would join them with the next character.
    std::vector<int> values;
    for (const char32_t c : ctx.Text.toUcs4()) {
        const int value = Find(c, kFirstShift);
        if (value < 0)
            throw Code93CharacterError();
        values.push_back(value);
    }
    ctx.Pattern = Code93Pattern(values);
    ctx.Data = ctx.Text;
}

void EncodeCode93Extended(TEncodeContext& ctx)
{
    std::vector<int> values;
    QString ascii;
    for (const char32_t c : ctx.Text.toUcs4()) {
        if (c > 127)
            continue;
        ascii += QChar(char16_t(c));
        for (const QChar s : FullAsciiSequence(c))
            values.push_back(Find(s.unicode(), int(kCode93.size())));
    }
    ctx.Pattern = Code93Pattern(values);
    ctx.Data = ascii;
}

} // namespace tessarine::encoders
