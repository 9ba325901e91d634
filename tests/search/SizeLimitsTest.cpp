// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/SizeLimits.h"

#include <QString>

#include <gtest/gtest.h>

TEST(SizeLimits, TheSizeLimitDialogsAnswer)
{
    struct Case
    {
        int option;
        const char *text;
        int unit;
        std::optional<double> current;
        bool refused;
        std::optional<double> kb;
    };
    const std::vector<Case> cases = {
        {1, "", 0, std::nullopt, false, 716800},
        {2, "", 0, 5.0, false, 4589843},
        {3, "1.5", 1, std::nullopt, false, 1024},
        {3, "1.5", 0, std::nullopt, false, 1.5},
        {3, "2", 2, std::nullopt, false, 2097152},
        {3, " 12 ", 0, std::nullopt, false, 12},
        {3, "12x", 0, 7.0, true, 7.0},
        {3, "", 1, std::nullopt, true, std::nullopt},
        {3, "5", -1, 9.0, false, 9.0},
        {0, "5", 0, 9.0, false, 9.0},
        {4, "5", 0, std::nullopt, false, std::nullopt},
    };
    for (const Case &c : cases)
    {
        const SizeLimits::Answer a = SizeLimits::maxSizeOk(c.option, QString::fromLatin1(c.text), c.unit, c.current);
        EXPECT_EQ(a.refused, c.refused) << c.option << " " << c.text;
        EXPECT_EQ(a.kb, c.kb) << c.option << " " << c.text;
    }
}

TEST(SizeLimits, TheRangePagesLimit)
{
    EXPECT_EQ(SizeLimits::rangeLimit(0, u"12x", 0), 0.0);
    EXPECT_EQ(SizeLimits::rangeLimit(1, u"", 0), 716800.0);
    EXPECT_EQ(SizeLimits::rangeLimit(2, u"", 0), 4589843.0);
    EXPECT_EQ(SizeLimits::rangeLimit(3, u"700", 1), 716800.0);
    EXPECT_EQ(SizeLimits::rangeLimit(3, u"1.9", 2), 1048576.0);
    EXPECT_EQ(SizeLimits::rangeLimit(3, u"12x", 0), std::nullopt);
}
