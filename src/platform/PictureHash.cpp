// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/PictureHash.h"

#include "platform/FileOpen.h"

#include <QImage>
#include <QImageReader>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace
{
constexpr int Side = PictureHash::DecodeSide;
using Grey = std::array<std::array<double, Side>, Side>;

// The formats the search takes. Qt reads more (icons, SVG drawings, TGA), which are rarely photos
// and whose "size" means little for choosing the best copy.
const std::array<QByteArray, 6> Formats = {"jpeg", "png", "gif", "bmp", "webp", "tiff"};

// The 64 frequencies the DCT hash keeps: the lowest by u + v (the diagonals 1 to 10 of the
// top-left corner hold 65, the last of them is left out), so that a small crop or re-encoding,
// which moves the high frequencies first, flips few bits.
constexpr int Diagonals = 10;
constexpr int Frequencies = Diagonals + 1;

// Each pixel's brightness, 0 to 255, as if any transparency were drawn over white.
Grey greyOf(const QImage &image)
{
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    Grey grey{};
    for (int y = 0; y < Side; ++y)
    {
        const auto *line = reinterpret_cast<const QRgb *>(argb.constScanLine(y));
        for (int x = 0; x < Side; ++x)
        {
            const QRgb p = line[x];
            const double luma = 0.299 * qRed(p) + 0.587 * qGreen(p) + 0.114 * qBlue(p);
            const double alpha = qAlpha(p) / 255.0;
            grey[y][x] = luma * alpha + 255.0 * (1.0 - alpha);
        }
    }
    return grey;
}

quint64 dctHash(const Grey &grey)
{
    // The orthonormal DCT-II basis, only as far as the frequencies kept.
    std::array<std::array<double, Side>, Frequencies> basis{};
    for (int u = 0; u < Frequencies; ++u)
    {
        const double scale = std::sqrt((u == 0 ? 1.0 : 2.0) / Side);
        for (int x = 0; x < Side; ++x)
            basis[u][x] = scale * std::cos((2 * x + 1) * u * std::numbers::pi / (2 * Side));
    }
    std::array<std::array<double, Frequencies>, Side> rows{};
    for (int y = 0; y < Side; ++y)
        for (int u = 0; u < Frequencies; ++u)
        {
            double sum = 0;
            for (int x = 0; x < Side; ++x)
                sum += grey[y][x] * basis[u][x];
            rows[y][u] = sum;
        }
    std::array<double, 64> kept{};
    size_t n = 0;
    for (int diagonal = 1; diagonal <= Diagonals && n < kept.size(); ++diagonal)
        for (int v = 0; v <= diagonal && n < kept.size(); ++v)
        {
            const int u = diagonal - v;
            double sum = 0;
            for (int y = 0; y < Side; ++y)
                sum += basis[v][y] * rows[y][u];
            kept[n++] = sum;
        }
    std::array<double, 64> sorted = kept;
    std::nth_element(sorted.begin(), sorted.begin() + 32, sorted.end());
    const double median = sorted[32];
    quint64 hash = 0;
    for (size_t i = 0; i < kept.size(); ++i)
        if (kept[i] >= median)
            hash |= quint64(1) << i;
    return hash;
}

quint64 gradientHash(const Grey &grey)
{
    constexpr size_t Cells = 8;
    constexpr size_t CellSide = Side / Cells;
    // The cells' mean brightness, in a path that runs along each row and back along the next, so
    // that consecutive cells are neighbours.
    std::array<double, Cells * Cells> path{};
    for (size_t row = 0; row < Cells; ++row)
        for (size_t col = 0; col < Cells; ++col)
        {
            double sum = 0;
            for (size_t y = row * CellSide; y < (row + 1) * CellSide; ++y)
                for (size_t x = col * CellSide; x < (col + 1) * CellSide; ++x)
                    sum += grey[y][x];
            const size_t along = row % 2 == 0 ? col : Cells - 1 - col;
            path[row * Cells + along] = sum;
        }
    quint64 hash = 0;
    for (size_t i = 0; i < path.size(); ++i)
        if (path[i] > path[(i + 1) % path.size()])
            hash |= quint64(1) << i;
    return hash;
}
} // namespace

namespace PictureHash
{
Limits limits(PictureLevel level)
{
    switch (level)
    {
    case PictureLevel::Strict:
        return {6, 8};
    case PictureLevel::Close:
        return {12, 14};
    case PictureLevel::Loose:
        return {16, 16};
    }
    return {};
}

bool isKnownFormat(const QByteArray &format)
{
    return std::find(Formats.begin(), Formats.end(), format) != Formats.end();
}

std::optional<PictureFacts> read(const QString &path)
{
    QFile file;
    if (!FileOpen::forReading(file, path).ok())
        return std::nullopt;
    return read(file);
}

std::optional<PictureFacts> read(QIODevice &device)
{
    // Chosen by the contents alone: a PNG called photo.jpg is still read, and a text file called
    // photo.jpg is not handed to the JPEG decoder as if it were one.
    QImageReader reader(&device);
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(true);
    const QByteArray format = reader.format();
    if (!isKnownFormat(format))
        return std::nullopt;
    QSize size = reader.size();
    if (size.isEmpty())
        return std::nullopt;
    if (reader.transformation() & QImageIOHandler::TransformationRotate90)
        size.transpose();

    // A square, whatever the picture's shape: a crop that changes the shape a little then moves
    // the picture's content a little, instead of changing the scale of the whole.
    reader.setScaledSize(QSize(Side, Side));
    QImage image;
    if (!reader.read(&image) || image.size() != QSize(Side, Side))
        return std::nullopt;

    const Grey grey = greyOf(image);
    PictureFacts facts;
    facts.dctHash = dctHash(grey);
    facts.gradientHash = gradientHash(grey);
    facts.size = size;
    facts.fileSize = device.size();
    facts.format = format;
    return facts;
}
} // namespace PictureHash
