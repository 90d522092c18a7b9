// Code 39 and its full-ASCII form.
#include "encoders.h"

#include <array>

namespace tessarine::encoders {

namespace {

struct TCode39Entry
{
    char Character;
    const char* Wide; // nine elements, bar first, 1 = wide
    int Value;
};

// The published Code 39 table; "*" is the start and stop character.
constexpr std::array<TCode39Entry, 44> kCode39 = {{
    {'0', "000110100", 0},  {'1', "100100001", 1},  {'2', "001100001", 2},  {'3', "101100000", 3},
    {'4', "000110001", 4},  {'5', "100110000", 5},  {'6', "001110000", 6},  {'7', "000100101", 7},
    {'8', "100100100", 8},  {'9', "001100100", 9},  {'A', "100001001", 10}, {'B', "001001001", 11},
    {'C', "101001000", 12}, {'D', "000011001", 13}, {'E', "100011000", 14}, {'F', "001011000", 15},
    {'G', "000001101", 16}, {'H', "100001100", 17}, {'I', "001001100", 18}, {'J', "000011100", 19},
    {'K', "100000011", 20}, {'L', "001000011", 21}, {'M', "101000010", 22}, {'N', "000010011", 23},
    {'O', "100010010", 24}, {'P', "001010010", 25}, {'Q', "000000111", 26}, {'R', "100000110", 27},
    {'S', "001000110", 28}, {'T', "000010110", 29}, {'U', "110000001", 30}, {'V', "011000001", 31},
    {'W', "111000000", 32}, {'X', "010010001", 33}, {'Y', "110010000", 34}, {'Z', "011010000", 35},
    {'-', "010000101", 36}, {'.', "110000100", 37}, {' ', "011000100", 38}, {'$', "010101000", 39},
    {'/', "010100010", 40}, {'+', "010001010", 41}, {'%', "000101010", 42}, {'*', "010010100", 0},
}};

const TCode39Entry& StartStop()
{
    return kCode39.back();
}

// The first entry for c. "*" is left out on purpose: inside the data a reader would take it
// for the stop character and lose the rest, so it is skipped like any other foreign character.
const TCode39Entry* Find(char32_t c)
{
    if (c == U'*')
        return nullptr;
    for (const TCode39Entry& entry : kCode39) {
        if (char32_t(entry.Character) == c)
            return &entry;
    }
    return nullptr;
}

const TCode39Entry& FirstWithValue(int value)
{
    for (const TCode39Entry& entry : kCode39) {
        if (entry.Value == value)
            return entry;
    }
    return kCode39.front();
}

void AppendElements(std::string& pattern, const TCode39Entry& entry)
{
    for (int i = 0; i < 9; ++i) {
        const bool wide = entry.Wide[i] == '1';
        if (i % 2 == 0)
            pattern += wide ? '6' : '5';
        else
            pattern += wide ? '1' : '0';
    }
}

// Full-ASCII sequences by character code 0..127.
QString FullAsciiSequence(char32_t code)
{
    const auto pair = [](char shift, int letter) { return QString(QChar(shift)) + QChar(letter); };
    if (code == 0)
        return QStringLiteral("%U");
    if (code <= 26)
        return pair('$', 'A' + int(code) - 1);
    if (code <= 31)
        return pair('%', 'A' + int(code) - 27);
    if (code == 32)
        return QStringLiteral(" ");
    if (code <= 47)
        return pair('/', 'A' + int(code) - 33);
    if (code <= 57)
        return QString(QChar(char16_t(code)));
    if (code == 58)
        return QStringLiteral("/Z");
    if (code <= 63)
        return pair('%', 'F' + int(code) - 59);
    if (code == 64)
        return QStringLiteral("%V");
    if (code <= 90)
        return QString(QChar(char16_t(code)));
    if (code <= 95)
        return pair('%', 'K' + int(code) - 91);
    if (code == 96)
        return QStringLiteral("%W");
    if (code <= 122)
        return pair('+', 'A' + int(code) - 97);
    return pair('%', 'P' + int(code) - 123);
}

// Encodes text and returns the characters that made it into the symbol.
QString EncodeCode39Text(const QString& text, bool checksum, std::string& pattern)
{
    QString encoded;
    pattern.clear();
    AppendElements(pattern, StartStop());
    pattern += '0';
    int sum = 0;
    for (const char32_t c : text.toUcs4()) {
        const TCode39Entry* entry = Find(c);
        if (!entry)
            continue;
        AppendElements(pattern, *entry);
        pattern += '0';
        sum = (sum + entry->Value) % 43;
        encoded += QChar(entry->Character);
    }
    if (checksum) {
        AppendElements(pattern, FirstWithValue(sum));
        pattern += '0';
    }
    AppendElements(pattern, StartStop());
    return encoded;
}

} // namespace

void EncodeCode39(TEncodeContext& ctx)
{
    ctx.Data = EncodeCode39Text(ctx.Text, ctx.Checksum, ctx.Pattern);
}

void EncodeCode39Extended(TEncodeContext& ctx)
{
    QString sequences;
    QString ascii;
    for (const char32_t c : ctx.Text.toUcs4()) {
        if (c > 127)
            continue;
        sequences += FullAsciiSequence(c);
        ascii += QChar(char16_t(c));
    }
    EncodeCode39Text(sequences, ctx.Checksum, ctx.Pattern);
    ctx.Data = ascii;
}

} // namespace tessarine::encoders
