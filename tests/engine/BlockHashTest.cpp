#include "engine/BlockHash.h"

#include <gtest/gtest.h>

#include <vector>

// Fuzzy mode keeps one digest per block and counts equal digests as equal blocks, so the digest
// must be the well-spread XXH64 itself; these values come from the reference library. Lengths
// cover every path: none, some of the 4- and 8-byte steps, one and more 32-byte stripes.
TEST(BlockHash, GivesXxh64OfEveryLength)
{
    EXPECT_EQ(BlockHash::of("", 0), 0xef46db3751d8e999ull);
    EXPECT_EQ(BlockHash::of("abc", 3), 0x44bc2cf5ad770999ull);
    const struct
    {
        size_t length;
        quint64 hash;
    } cases[] = {
        {1, 0x1f25c8d0bc1f4bb6ull},  {3, 0x31d2363f52e564c9ull},   {4, 0x9bb64b7d66ee9fdaull},
        {7, 0x9a7b149959ce60d8ull},  {8, 0xdab99d95c6f90092ull},   {12, 0xd52e407833af5133ull},
        {31, 0xa2aa5f33cc4a6119ull}, {32, 0x23c3c17ef790fd97ull},  {33, 0x50a7cfc7ba588784ull},
        {63, 0x5e3e54b431c7493cull}, {100, 0xa61f8d4c170fe531ull}, {1000, 0x5f235fa033f1a3fbull},
    };
    for (const auto &c : cases)
    {
        std::vector<char> bytes(c.length);
        for (size_t i = 0; i < c.length; ++i)
            bytes[i] = static_cast<char>((i * 7 + 3) & 0xff);
        EXPECT_EQ(BlockHash::of(bytes.data(), c.length), c.hash) << c.length;
    }
}
