// SPDX-License-Identifier: GPL-3.0-or-later
// A picture file's perceptual hash, its size as shown and its format, for the similar-pictures search.
#pragma once

#include <QByteArray>
#include <QSize>
#include <QString>
#include <QtAlgorithms>

#include <optional>

class QIODevice;

/// How alike two pictures must be to share a group, from the closest to the widest.
enum class PictureLevel
{
    Strict, ///< The same picture re-saved or resized.
    Close,  ///< Also re-compressed harder, lightly cropped or brightened: the default.
    Loose,  ///< Also heavier edits; more unrelated look-alikes slip in.
};

/// What the similar-pictures search knows of one picture file. Two pictures of the same scene
/// (another size, format, compression, a light crop or brightening) have hashes a few bits apart;
/// unrelated pictures differ in about half of the bits.
struct PictureFacts
{
    /// One bit per low spatial frequency of the picture in grey (the 64 lowest of a 32x32 discrete
    /// cosine transform, without the mean): set when that frequency is stronger than their median.
    quint64 dctHash = 0;
    /// One bit per pair of neighbouring cells of an 8x8 grid of the grey picture: set when the first
    /// is brighter. It describes the picture's layout in another way than dctHash and confirms it.
    quint64 gradientHash = 0;
    /// The whole picture's width and height as shown, after its orientation flag (a portrait photo
    /// stored sideways is taller than wide).
    QSize size;
    /// The file's length in bytes.
    qint64 fileSize = 0;
    /// "jpeg", "png", "gif", "bmp", "webp" or "tiff", as the contents say (never the file's name).
    QByteArray format;

    /// Width times height.
    qint64 pixels() const { return qint64(size.width()) * size.height(); }
};

namespace PictureHash
{
/// The side of the grey square that a picture is decoded to before its hashes are taken.
constexpr int DecodeSide = 32;

/// Decodes the picture file at path (a NativePath text) at reduced size (a JPEG in its compressed
/// form, without decoding every pixel), turned as its orientation flag says, and takes its hashes.
/// Nothing when the file cannot be opened, is not a picture of one of the six formats, or is
/// damaged so that it cannot be decoded. Safe to call from several threads at once.
std::optional<PictureFacts> read(const QString &path);
/// The same for a file already open for reading (a QFile on a descriptor), read from where it
/// stands; the device's size is the file's.
std::optional<PictureFacts> read(QIODevice &device);

/// How far a member's hashes may be from its group's first picture's, in bits.
struct Limits
{
    int dct = 0;      ///< PictureFacts::dctHash: what finds the candidates
    int gradient = 0; ///< PictureFacts::gradientHash: what confirms them
};
/// The level's limits. Copies of a picture (resized, converted, re-compressed, brightened) stay
/// within 6 and 8 bits; a 5 % crop moves the hashes most, up to 12 and 14 bits for nineteen in
/// twenty crops; unrelated pictures are rarely closer than 14 bits in both.
Limits limits(PictureLevel level);

/// True for the formats read() takes, as PictureFacts::format names them.
bool isKnownFormat(const QByteArray &format);

/// The number of bits in which two hashes differ, 0 to 64.
inline int distance(quint64 a, quint64 b)
{
    return qPopulationCount(a ^ b);
}

/// True when both hashes of other are within the level's limits of those of first: what puts a
/// picture in a group, and what an act on a list of similar pictures proves again.
inline bool alike(const PictureFacts &first, const PictureFacts &other, PictureLevel level)
{
    const Limits limit = limits(level);
    return distance(first.dctHash, other.dctHash) <= limit.dct &&
           distance(first.gradientHash, other.gradientHash) <= limit.gradient;
}
} // namespace PictureHash
