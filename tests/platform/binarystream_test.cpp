#include "platform/binarystream.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

using namespace tessarine;

TEST(BinaryStream, WritesLittleEndianAndReadsItBack)
{
    QByteArray bytes;
    TLittleEndianWriter out(bytes);
    out.U8(0xAB);
    out.I16(-2);
    out.I32(0x01020304);
    out.I64(-1);
    out.F64(37572.5);
    out.B32(7);
    out.Str(QStringLiteral("宋体"));
    out.Str8(QStringLiteral("ab"));
    EXPECT_EQ(bytes.left(7), QByteArray("\xAB\xFE\xFF\x04\x03\x02\x01", 7));
    EXPECT_EQ(bytes.mid(15, 8), QByteArray("\x00\x00\x00\x00\x90\x58\xE2\x40", 8)); // 37572.5

    TLittleEndianReader in(bytes);
    EXPECT_EQ(in.U8(), 0xAB);
    EXPECT_EQ(in.I16(), -2);
    EXPECT_EQ(in.I32(), 0x01020304);
    EXPECT_EQ(in.I64(), -1);
    EXPECT_EQ(in.F64(), 37572.5);
    EXPECT_EQ(in.B32(), 7);
    EXPECT_EQ(in.Str(), QStringLiteral("宋体"));
    EXPECT_EQ(in.Str8(), QStringLiteral("ab"));
    EXPECT_TRUE(in.AtEnd());
}

TEST(BinaryStream, WideFlagReaderTakesTheLowByte)
{
    TLittleEndianReader in(QByteArray("\x05\x01\x00\x00", 4));
    EXPECT_EQ(in.B32(), 5);
}

TEST(BinaryStream, StringsCountBytesNotCharacters)
{
    QByteArray bytes;
    TLittleEndianWriter(bytes).Str(QStringLiteral("标签"));
    EXPECT_EQ(bytes.left(4), QByteArray("\x04\x00\x00\x00", 4));
    EXPECT_EQ(bytes.size(), 8);
}

TEST(BinaryStream, ShortStringsAreCutBetweenCharacters)
{
    QByteArray bytes;
    // 128 Chinese characters are 256 bytes: one too many for a one-byte count.
    TLittleEndianWriter(bytes).Str8(QString(128, QChar(0x6807)));
    EXPECT_EQ(uchar(bytes[0]), 254);
    EXPECT_EQ(bytes.size(), 255);
}

TEST(BinaryStream, ReadsPastTheEndFail)
{
    const struct
    {
        const char* name;
        QByteArray data;
        std::function<void(TLittleEndianReader&)> read;
    } cases[] = {
        {"i32 on three bytes", QByteArray(3, '\0'), [](TLittleEndianReader& r) { r.I32(); }},
        {"f64 on seven bytes", QByteArray(7, '\0'), [](TLittleEndianReader& r) { r.F64(); }},
        {"str longer than the data", QByteArray("\x10\x00\x00\x00" "abc", 7), [](TLittleEndianReader& r) { r.Str(); }},
        {"str with negative length", QByteArray("\xFF\xFF\xFF\xFF", 4), [](TLittleEndianReader& r) { r.Str(); }},
        {"str of two gigabytes", QByteArray("\xFF\xFF\xFF\x7F", 4), [](TLittleEndianReader& r) { r.Str(); }},
        {"str8 longer than the data", QByteArray("\x05" "ab", 3), [](TLittleEndianReader& r) { r.Str8(); }},
        {"too many items", QByteArray(15, '\0'), [](TLittleEndianReader& r) { r.RequireItems(2, 8); }},
        {"negative count", QByteArray(15, '\0'), [](TLittleEndianReader& r) { r.RequireItems(-1, 8); }},
    };
    for (const auto& c : cases) {
        TLittleEndianReader in(c.data);
        EXPECT_THROW(c.read(in), TReadError) << c.name;
    }
}
