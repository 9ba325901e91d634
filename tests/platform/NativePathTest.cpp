// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/NativePath.h"

#include <gtest/gtest.h>

TEST(NativePath, ValidUtf8DecodesToItsText)
{
    const QString text = QStringLiteral("café – 写真 😀.jpg");
    EXPECT_EQ(NativePath::decode(text.toUtf8()), text);
    EXPECT_EQ(NativePath::encode(text), text.toUtf8());
    EXPECT_FALSE(NativePath::hasEscapedBytes(text));
}

TEST(NativePath, InvalidBytesRoundTripExactly)
{
    const std::vector<QByteArray> names{
        QByteArray("caf\xe9.txt"),          // Latin-1
        QByteArray("\xff\xfe"),             // never valid
        QByteArray("a\xc0\xafz"),           // overlong "/"
        QByteArray("x\xed\xa0\x80y"),       // encoded surrogate
        QByteArray("t\xe2\x82"),            // truncated sequence
        QByteArray("\xf4\x90\x80\x80"),     // beyond U+10FFFF
        QByteArray("\xf0\x9f\x98\x80\x80"), // emoji followed by a stray continuation byte
    };
    for (const QByteArray &bytes : names)
    {
        const QString decoded = NativePath::decode(bytes);
        EXPECT_EQ(NativePath::encode(decoded), bytes) << bytes.toHex().constData();
        EXPECT_TRUE(NativePath::hasEscapedBytes(decoded)) << bytes.toHex().constData();
    }
    EXPECT_EQ(NativePath::decode(QByteArray("caf\xe9")), QStringLiteral("caf") + QChar(char16_t(0xDCE9)));
}
