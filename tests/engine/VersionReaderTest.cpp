// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/VersionReader.h"
#include "support/TempTree.h"

#include <QRandomGenerator>

#include <gtest/gtest.h>

namespace
{
struct PeShape
{
    bool pe32Plus = false;
    quint32 versionMs = (5u << 16) | 1u;
    quint32 versionLs = 2600u << 16;
    bool withResource = true;
    quint32 fixedSignature = 0xFEEF04BD;
    bool loopingDirectory = false;
};

void put16(QByteArray &b, int at, quint32 v)
{
    b[at] = static_cast<char>(v & 0xFF);
    b[at + 1] = static_cast<char>((v >> 8) & 0xFF);
}

void put32(QByteArray &b, int at, quint32 v)
{
    put16(b, at, v & 0xFFFF);
    put16(b, at + 2, v >> 16);
}

// A minimal PE image: DOS header, PE header, one ".rsrc" section holding the resource tree
// RT_VERSION / 1 / 0x409 and a VS_VERSIONINFO with its fixed part.
QByteArray makePe(const PeShape &s)
{
    constexpr int PeAt = 0x80;
    constexpr int RawAt = 0x200;
    constexpr quint32 SectionRva = 0x1000;
    QByteArray b(RawAt + 0x100, '\0');
    b[0] = 'M';
    b[1] = 'Z';
    put32(b, 0x3C, PeAt);
    b.replace(PeAt, 4, QByteArray("PE\0\0", 4));
    const int optionalSize = s.pe32Plus ? 240 : 224;
    put16(b, PeAt + 4, 0x14c);
    put16(b, PeAt + 6, 1);
    put16(b, PeAt + 20, static_cast<quint32>(optionalSize));
    const int optional = PeAt + 24;
    put16(b, optional, s.pe32Plus ? 0x20b : 0x10b);
    const int directories = optional + (s.pe32Plus ? 112 : 96);
    put32(b, directories - 4, 16);
    if (s.withResource)
    {
        put32(b, directories + 2 * 8, SectionRva);
        put32(b, directories + 2 * 8 + 4, 0x100);
    }
    const int section = optional + optionalSize;
    b.replace(section, 5, ".rsrc");
    put32(b, section + 8, 0x100);
    put32(b, section + 12, SectionRva);
    put32(b, section + 16, 0x100);
    put32(b, section + 20, RawAt);

    auto directory = [&](int at, quint32 id, quint32 data) {
        put16(b, RawAt + at + 14, 1);
        put32(b, RawAt + at + 16, id);
        put32(b, RawAt + at + 20, data);
    };
    directory(0x00, 16, 0x80000000u | (s.loopingDirectory ? 0x00 : 0x18));
    directory(0x18, 1, 0x80000000u | 0x30);
    directory(0x30, 0x409, 0x48);
    put32(b, RawAt + 0x48, SectionRva + 0x58);
    put32(b, RawAt + 0x4C, 92);
    const int info = RawAt + 0x58;
    put16(b, info, 92);
    put16(b, info + 2, 52);
    const QString key = QStringLiteral("VS_VERSION_INFO");
    for (int c = 0; c < key.size(); ++c)
        put16(b, info + 6 + 2 * c, key[c].unicode());
    put32(b, info + 40, s.fixedSignature);
    put32(b, info + 44, 0x10000);
    put32(b, info + 48, s.versionMs);
    put32(b, info + 52, s.versionLs);
    return b;
}
} // namespace

TEST(VersionReader, ReadsTheFixedFileVersionOfPrograms)
{
    TempTree t;
    struct Case
    {
        const char *name;
        PeShape shape;
        const char *expected;
    } cases[] = {
        {"setup.EXE", {}, "5.1.2600.0"},
        {"lib.dll", {.pe32Plus = true}, "5.1.2600.0"},
        {"ctl.Ocx", {.versionMs = 0xFFFF0000u, .versionLs = 0x0001FFFFu}, "65535.0.1.65535"},
        {"plain.exe", {.withResource = false}, "N/A"},
        {"badsig.exe", {.fixedSignature = 0x12345678}, "N/A"},
        {"loop.exe", {.loopingDirectory = true}, "N/A"},
        {"readme.txt", {}, "N/A"},
        {"tool.exe.bak", {}, "N/A"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(fileVersionText(t.file(QLatin1String(c.name), makePe(c.shape))), QLatin1String(c.expected)) << c.name;
    EXPECT_EQ(fileVersionText(t.path(QStringLiteral("missing.exe"))), QStringLiteral("N/A"));
    EXPECT_EQ(fileVersionText(t.file(QStringLiteral("text.exe"), "MZ not really")), QStringLiteral("N/A"));
}

TEST(VersionReader, DamagedImagesGiveNotAvailable)
{
    TempTree t;
    const QByteArray good = makePe({});
    // Every truncation: the fixed part ends at the last byte that matters.
    for (qsizetype n = 0; n < good.size(); n += 7)
    {
        const QString version = fileVersionText(t.file(QStringLiteral("cut.exe"), good.left(n)));
        EXPECT_TRUE(version == QStringLiteral("N/A") || version == QStringLiteral("5.1.2600.0")) << n;
        if (n < 0x200 + 0x58 + 56)
        {
            EXPECT_EQ(version, QStringLiteral("N/A")) << n;
        }
    }
    // Random damage anywhere must never fail or read past the file.
    QRandomGenerator rng(7);
    for (int round = 0; round < 300; ++round)
    {
        QByteArray bad = good;
        for (int k = 0; k < 4; ++k)
            bad[rng.bounded(static_cast<int>(bad.size()))] = static_cast<char>(rng.bounded(256));
        const QString version = fileVersionText(t.file(QStringLiteral("bad.dll"), bad));
        EXPECT_FALSE(version.isEmpty());
    }
}
