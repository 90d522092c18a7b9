#include "platform/gbk.h"

#include <gtest/gtest.h>

using namespace tessarine;

TEST(Gbk, ChineseTextBecomesTwoBytesPerCharacter)
{
    const QString text = QStringLiteral("宋体A");
    bool ok = false;
    const QByteArray bytes = gbk::Encode(text, &ok);
    EXPECT_TRUE(ok);
    EXPECT_EQ(bytes, QByteArray("\xCB\xCE\xCC\xE5" "A"));
    EXPECT_EQ(gbk::Decode(bytes), text);
    EXPECT_EQ(gbk::ByteLength(text), 5);
    EXPECT_EQ(gbk::ByteLength(QStringLiteral("abc")), 3);
}

TEST(Gbk, CharactersOutsideGbkAreReported)
{
    bool ok = true;
    const QByteArray bytes = gbk::Encode(QStringLiteral("a\U0001F600b"), &ok);
    EXPECT_FALSE(ok);
    EXPECT_TRUE(bytes.startsWith('a'));
    EXPECT_TRUE(bytes.endsWith('b'));
}

TEST(Gbk, DamagedBytesDecodeWithoutCrashing)
{
    bool ok = true;
    const QString text = gbk::Decode(QByteArray("\xCB", 1), &ok);
    EXPECT_FALSE(ok);
    EXPECT_LE(text.size(), 1);
}

TEST(Gbk, OneBadStringDoesNotSpoilTheNext)
{
    bool ok = true;
    gbk::Encode(QStringLiteral("\U0001F600"), &ok);
    EXPECT_FALSE(ok);
    gbk::Encode(QStringLiteral("标签"), &ok);
    EXPECT_TRUE(ok);
    gbk::Decode(QByteArray("\xCB", 1), &ok);
    EXPECT_FALSE(ok);
    gbk::Decode(QByteArray("\xCB\xCE"), &ok);
    EXPECT_TRUE(ok);
}
