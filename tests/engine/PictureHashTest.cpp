// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/PictureHash.h"
#include "engine/PictureGroups.h"
#include "platform/NativePath.h"
#include "support/PictureScenes.h"
#include "support/TempTree.h"

#include <QTransform>

#include <gtest/gtest.h>

#include <thread>
#include <zlib.h>

namespace
{
void putLittle16(QByteArray &b, int v)
{
    b.append(static_cast<char>(v & 0xFF));
    b.append(static_cast<char>((v >> 8) & 0xFF));
}

// A GIF of the picture in 256 greys (Qt writes no GIF). Its LZW stream holds one code per pixel
// and a clear code before the table would need 10-bit codes, which every decoder reads.
QByteArray greyGif(const QImage &image)
{
    const QImage grey = image.convertToFormat(QImage::Format_Grayscale8);
    QByteArray gif("GIF89a");
    putLittle16(gif, grey.width());
    putLittle16(gif, grey.height());
    gif.append("\xF7\x00\x00", 3); // a global table of 256 colours
    for (int i = 0; i < 256; ++i)
        gif.append(3, static_cast<char>(i));
    gif.append(',');
    putLittle16(gif, 0);
    putLittle16(gif, 0);
    putLittle16(gif, grey.width());
    putLittle16(gif, grey.height());
    gif.append('\0');

    constexpr int Clear = 256;
    constexpr int End = 257;
    QByteArray codes;
    quint32 bits = 0;
    int held = 0;
    const auto put = [&](int code) {
        bits |= static_cast<quint32>(code) << held;
        for (held += 9; held >= 8; held -= 8, bits >>= 8)
            codes.append(static_cast<char>(bits & 0xFF));
    };
    int sinceClear = 254;
    for (int y = 0; y < grey.height(); ++y)
        for (int x = 0; x < grey.width(); ++x)
        {
            if (sinceClear == 254)
            {
                put(Clear);
                sinceClear = 0;
            }
            put(grey.constScanLine(y)[x]);
            ++sinceClear;
        }
    put(End);
    if (held > 0)
        codes.append(static_cast<char>(bits & 0xFF));
    gif.append('\x08'); // the LZW code size
    for (qsizetype at = 0; at < codes.size(); at += 255)
    {
        const QByteArray block = codes.mid(at, 255);
        gif.append(static_cast<char>(block.size()));
        gif.append(block);
    }
    gif.append('\0');
    gif.append(';');
    return gif;
}

TEST(PictureHash, ReadsEveryFormatAsTheSamePictureWithItsShownSize)
{
    TempTree tree;
    // Seed 3 draws a portrait scene: the turned copy is stored landscape.
    const QImage scene = PictureScenes::scene(3, 400);
    ASSERT_EQ(scene.size(), QSize(300, 400));
    const QImage storedLeft = scene.transformed(QTransform().rotate(-90));
    struct Case
    {
        const char *name;
        QByteArray bytes;
        const char *format;
    };
    const Case cases[] = {
        {"a.jpg", PictureScenes::encoded(scene, "jpeg", 90), "jpeg"},
        {"a.png", PictureScenes::encoded(scene, "png"), "png"},
        {"a.gif", greyGif(scene), "gif"},
        {"a.bmp", PictureScenes::encoded(scene, "bmp"), "bmp"},
        {"a.webp", PictureScenes::encoded(scene, "webp", 80), "webp"},
        {"a.tif", PictureScenes::encoded(scene, "tiff"), "tiff"},
        {"turned.jpg", PictureScenes::jpegWithOrientation6(storedLeft, 90), "jpeg"},
        // The contents decide, not the name.
        {"png-named.jpg", PictureScenes::encoded(scene, "png"), "png"},
    };
    const auto reference = PictureHash::read(tree.file(QStringLiteral("reference.jpg"), cases[0].bytes));
    ASSERT_TRUE(reference);
    const auto limits = PictureHash::limits(PictureGroups::DefaultLevel);
    for (const Case &c : cases)
    {
        SCOPED_TRACE(c.name);
        ASSERT_FALSE(c.bytes.isEmpty());
        const QString path = tree.file(QString::fromLatin1(c.name), c.bytes);
        const auto facts = PictureHash::read(path);
        ASSERT_TRUE(facts);
        EXPECT_EQ(facts->format, c.format);
        EXPECT_EQ(facts->size, QSize(300, 400));
        EXPECT_EQ(facts->fileSize, c.bytes.size());
        EXPECT_LE(PictureHash::distance(facts->dctHash, reference->dctHash), limits.dct);
        EXPECT_LE(PictureHash::distance(facts->gradientHash, reference->gradientHash), limits.gradient);
    }
    // Wrongly turned, the same pixels are another picture.
    const auto sideways =
        PictureHash::read(tree.file(QStringLiteral("sideways.jpg"), PictureScenes::encoded(storedLeft, "jpeg", 90)));
    ASSERT_TRUE(sideways);
    EXPECT_EQ(sideways->size, QSize(400, 300));
    EXPECT_GT(PictureHash::distance(sideways->dctHash, reference->dctHash), limits.dct);

    // A name that is not UTF-8 is read under its own bytes.
    const QByteArray raw = tree.rawFile(QStringLiteral("raw"), QByteArray("caf\xe9.jpg"), cases[0].bytes);
    const auto byRawName = PictureHash::read(NativePath::decode(raw));
    ASSERT_TRUE(byRawName);
    EXPECT_EQ(byRawName->dctHash, reference->dctHash);
}

TEST(PictureHash, AnythingButAReadablePictureIsNotAPicture)
{
    TempTree tree;
    const QByteArray jpeg = PictureScenes::encoded(PictureScenes::scene(5, 200), "jpeg", 90);
    const QByteArray png = PictureScenes::encoded(PictureScenes::scene(5, 200), "png");
    // A well-formed PNG header that announces 60000 x 60000 pixels, then the small picture's data.
    QByteArray hugePng = png;
    hugePng.replace(16, 8, QByteArray("\x00\x00\xEA\x60\x00\x00\xEA\x60", 8));
    const uLong crc = crc32(0, reinterpret_cast<const Bytef *>(hugePng.constData() + 12), 17);
    for (int i = 0; i < 4; ++i)
        hugePng[29 + i] = static_cast<char>((crc >> (24 - 8 * i)) & 0xFF);
    const QByteArray icon = PictureScenes::encoded(PictureScenes::scene(5, 32), "ico");
    ASSERT_FALSE(icon.isEmpty());
    struct Case
    {
        const char *name;
        QByteArray bytes;
    };
    const Case cases[] = {
        {"empty.jpg", {}},
        {"text.jpg", "This is a letter, not a photo.\n"},
        {"zeros.png", QByteArray(5000, '\0')},
        {"header-only.jpg", jpeg.left(20)},
        {"huge.png", hugePng},
        {"drawing.svg",
         R"(<svg xmlns="http://www.w3.org/2000/svg" width="10" height="10"><rect width="10" height="10"/></svg>)"},
        // Qt reads icons, but they are not photos.
        {"icon.ico", icon},
    };
    for (const Case &c : cases)
    {
        SCOPED_TRACE(c.name);
        EXPECT_FALSE(PictureHash::read(tree.file(QString::fromLatin1(c.name), c.bytes)));
    }
    tree.fifo(QStringLiteral("fifo.jpg"));
    EXPECT_FALSE(PictureHash::read(tree.path(QStringLiteral("fifo.jpg"))));
    EXPECT_FALSE(PictureHash::read(tree.dir(QStringLiteral("folder.jpg"))));
    EXPECT_FALSE(PictureHash::read(tree.path(QStringLiteral("missing.jpg"))));

    // Cut or damaged data may still decode in part; it must never crash or read out of bounds.
    QByteArray scrambled = jpeg;
    for (qsizetype i = scrambled.size() / 3; i < scrambled.size(); i += 97)
        scrambled[i] = static_cast<char>(scrambled[i] ^ 0x5A);
    for (const QByteArray &damaged : {jpeg.left(jpeg.size() / 2), png.left(png.size() / 2), scrambled})
    {
        const auto facts = PictureHash::read(tree.file(QStringLiteral("damaged"), damaged));
        if (facts)
        {
            EXPECT_EQ(facts->size, QSize(200, 150));
        }
    }
}

TEST(PictureHash, ThreadsReadingAtOnceGetTheHashesOfOneThread)
{
    TempTree tree;
    QStringList paths;
    for (int i = 0; i < 8; ++i)
    {
        const auto copy = PictureScenes::copies().at(i);
        paths << tree.file(QStringLiteral("%1.%2").arg(i).arg(QLatin1String(PictureScenes::copyExtension(copy))),
                           PictureScenes::encode(PictureScenes::scene(20 + i, 300), copy, i));
    }
    QList<PictureFacts> alone;
    for (const QString &path : paths)
        alone.append(PictureHash::read(path).value_or(PictureFacts{}));
    QList<PictureFacts> together(paths.size());
    std::vector<std::thread> threads;
    threads.reserve(4);
    for (int t = 0; t < 4; ++t)
        threads.emplace_back([&, t] {
            for (int i = t; i < paths.size(); i += 4)
                together[i] = PictureHash::read(paths[i]).value_or(PictureFacts{});
        });
    for (auto &thread : threads)
        thread.join();
    for (int i = 0; i < paths.size(); ++i)
    {
        EXPECT_NE(alone[i].dctHash, 0u);
        EXPECT_EQ(together[i].dctHash, alone[i].dctHash);
        EXPECT_EQ(together[i].gradientHash, alone[i].gradientHash);
        EXPECT_EQ(together[i].size, alone[i].size);
    }
}
} // namespace
