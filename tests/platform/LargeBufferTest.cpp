// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/LargeBuffer.h"

#include <gtest/gtest.h>

#include <cstring>

TEST(LargeBuffer, GrowsToWholeAlignedHugePagesThatCanBeWrittenToTheEnd)
{
    constexpr qint64 HugePage = qint64{2} << 20;
    LargeBuffer b;
    EXPECT_EQ(b.data(), nullptr);
    struct Step
    {
        qint64 ask;
        qint64 size; // what the buffer holds afterwards
    } steps[] = {{1, HugePage}, {HugePage, HugePage}, {HugePage + 1, 2 * HugePage}, {5, 2 * HugePage}};
    for (const Step &s : steps)
    {
        b.reserve(s.ask);
        ASSERT_NE(b.data(), nullptr) << s.ask;
        EXPECT_EQ(b.size(), s.size) << s.ask;
        EXPECT_EQ(reinterpret_cast<quintptr>(b.data()) % HugePage, 0u) << s.ask;
        std::memset(b.data(), 'x', static_cast<size_t>(b.size()));
        EXPECT_EQ(b.data()[b.size() - 1], 'x');
    }
    b.release();
    EXPECT_EQ(b.data(), nullptr);
    EXPECT_EQ(b.size(), 0);
}
