// SPDX-License-Identifier: GPL-3.0-or-later
// Made-up photos for the similar-pictures tests and benchmark: rendered scenes, and the copies of
// each that a user's picture folders hold (smaller, re-compressed, converted, turned, edited).
#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QSize>

namespace PictureScenes
{
/// A scene of gradients, shapes, strokes, hatching and grain, each part drawn from seed, so that
/// scenes of different seeds differ all over. Landscape, or portrait for one seed in four.
QImage scene(quint32 seed, int longSide);

/// The copies of a scene.
enum class Copy
{
    Original,   ///< JPEG, quality 90
    Half,       ///< 50 % of the size, JPEG 90
    Quarter,    ///< 25 % of the size, JPEG 90
    Jpeg60,     ///< JPEG, quality 60
    Png,        ///< PNG
    WebP,       ///< WebP, quality 80
    Turned,     ///< JPEG whose pixels are stored turned a quarter left, with an EXIF orientation 6
    Cropped,    ///< 5 % cut from width and height (split between the sides by the seed), JPEG 90
    Brightened, ///< every channel 10 % brighter, JPEG 90
};
QList<Copy> copies();
/// "original", "half", ... as the tests print them.
const char *copyName(Copy copy);
/// The copy's file extension without the dot.
const char *copyExtension(Copy copy);

/// The file's bytes of the copy of the scene; seed chooses where a crop falls.
QByteArray encode(const QImage &scene, Copy copy, quint32 seed);
/// The picture in the format ("jpeg", "png", "webp", "bmp", "tiff") at the quality (-1: the writer's own).
QByteArray encoded(const QImage &image, const char *format, int quality = -1);
/// A JPEG of image with an EXIF orientation of 6 (to be shown turned a quarter right), which
/// makes it show as `image` when image was turned a quarter left before.
QByteArray jpegWithOrientation6(const QImage &storedTurnedLeft, int quality);
} // namespace PictureScenes
