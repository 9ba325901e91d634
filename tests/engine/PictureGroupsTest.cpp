// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/PictureGroups.h"

#include <QRandomGenerator>

#include <gtest/gtest.h>

#include <algorithm>

namespace
{
quint64 flipped(quint64 hash, int bits, int from = 0)
{
    for (int b = from; b < from + bits; ++b)
        hash ^= quint64(1) << b;
    return hash;
}

TEST(HammingIndex, FindsWhatComparingEveryPairFinds)
{
    // Clusters around a few centres, so that every radius both finds and leaves out hashes.
    QRandomGenerator rng(7);
    QList<quint64> hashes;
    HammingIndex index;
    for (int c = 0; c < 20; ++c)
    {
        const quint64 centre = rng.generate64();
        for (int i = 0; i < 50; ++i)
        {
            quint64 hash = centre;
            for (int f = rng.bounded(24); f > 0; --f)
                hash ^= quint64(1) << rng.bounded(64);
            index.insert(hash, static_cast<int>(hashes.size()));
            hashes.append(hash);
        }
    }
    for (const int radius : {0, 1, 4, 12, 20, 40, 64})
        for (int q = 0; q < 40; ++q)
        {
            const quint64 query = q % 2 ? hashes[rng.bounded(hashes.size())] : rng.generate64();
            QList<int> expected;
            for (int i = 0; i < hashes.size(); ++i)
                if (PictureHash::distance(hashes[i], query) <= radius)
                    expected.append(i);
            QList<int> found = index.within(query, radius);
            std::sort(found.begin(), found.end());
            ASSERT_EQ(found, expected) << "radius " << radius;
        }
}

PictureFacts picture(quint64 dct, int width, qint64 fileSize = 1000, quint64 gradient = 0)
{
    PictureFacts facts;
    facts.dctHash = dct;
    facts.gradientHash = gradient;
    facts.size = QSize(width, width * 3 / 4);
    facts.fileSize = fileSize;
    return facts;
}

TEST(PictureGroups, EachMemberIsNearItsLargestPictureNeverOnlyNearAnotherMember)
{
    const auto limit = PictureHash::limits(PictureLevel::Close);
    const quint64 a = 0x0123456789ABCDEFull;
    const quint64 b = ~a;
    const QList<PictureFacts> pictures = {
        picture(flipped(a, limit.dct), 400),            // 0: a's copy at the limit
        picture(flipped(a, 2 * limit.dct), 200),        // 1: near 0, twice the limit from a
        picture(a, 800),                                // 2: a, the largest
        picture(flipped(b, 2), 800, 500),               // 3: b's copy
        picture(b, 800, 900),                           // 4: b, as large but a longer file
        picture(flipped(a, 2), 100, 1000, ~quint64(0)), // 5: like a but laid out otherwise
        picture(flipped(b, 4, 40), 100),                // 6: b's copy
        picture(flipped(a, limit.dct + 2, 50), 1000),   // 7: another picture, larger than a
    };
    const QList<QList<int>> groups = PictureGroups::find(pictures, PictureLevel::Close);
    // b's group is the closer one and comes first; 7 and 1 are alone and in none; 5 fails the
    // gradient hash's confirmation.
    EXPECT_EQ(groups, (QList<QList<int>>{{4, 3, 6}, {2, 0}}));

    // At Strict, a's copy at the Close limit stays out too.
    EXPECT_EQ(PictureGroups::find(pictures, PictureLevel::Strict), (QList<QList<int>>{{4, 3, 6}}));
}

TEST(PictureGroups, APictureNearTwoGroupsJoinsTheNearer)
{
    // Two groups 16 bits apart; pictures 10 and 6 bits from the first, 6 and 10 from the second.
    const QList<PictureFacts> pictures = {picture(0, 800), picture(flipped(0, 16), 700), picture(flipped(0, 10), 100),
                                          picture(flipped(0, 6), 100)};
    EXPECT_EQ(PictureGroups::find(pictures, PictureLevel::Close), (QList<QList<int>>{{0, 3}, {1, 2}}));
    EXPECT_TRUE(PictureGroups::find({}, PictureLevel::Close).isEmpty());
}

TEST(PictureGroups, LevelsWidenFromStrictToLooseAroundTheDefault)
{
    const QList<PictureLevel> levels = PictureGroups::levels();
    ASSERT_EQ(levels.size(), 3);
    EXPECT_EQ(levels[1], PictureGroups::DefaultLevel);
    for (int i = 1; i < levels.size(); ++i)
    {
        EXPECT_LT(PictureHash::limits(levels[i - 1]).dct, PictureHash::limits(levels[i]).dct);
        EXPECT_LE(PictureHash::limits(levels[i - 1]).gradient, PictureHash::limits(levels[i]).gradient);
        EXPECT_NE(PictureGroups::levelName(levels[i - 1]), PictureGroups::levelName(levels[i]));
    }
}
} // namespace
