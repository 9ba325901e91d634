// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/PictureScenes.h"

#include <QBuffer>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <QTransform>

#include <algorithm>

namespace
{
QColor randomColour(QRandomGenerator &rng, int alpha = 255)
{
    return QColor(rng.bounded(256), rng.bounded(256), rng.bounded(256), alpha);
}

QPointF randomPoint(QRandomGenerator &rng, const QSize &size)
{
    return {rng.bounded(size.width()) * 1.0, rng.bounded(size.height()) * 1.0};
}

QBrush randomBrush(QRandomGenerator &rng, const QRectF &area)
{
    switch (rng.bounded(4))
    {
    case 0: {
        QRadialGradient g(area.center(), std::max(area.width(), area.height()) / 2);
        g.setColorAt(0, randomColour(rng));
        g.setColorAt(1, randomColour(rng, 128 + rng.bounded(128)));
        return g;
    }
    case 1: {
        QLinearGradient g(area.topLeft(), area.bottomRight());
        g.setColorAt(0, randomColour(rng));
        g.setColorAt(1, randomColour(rng));
        return g;
    }
    case 2:
        // Hatching: fine texture that a smaller copy blurs into a shade.
        return QBrush(randomColour(rng), static_cast<Qt::BrushStyle>(Qt::Dense1Pattern + rng.bounded(13)));
    default:
        return QBrush(randomColour(rng, 96 + rng.bounded(160)));
    }
}

// Grain as a camera adds it; a fast generator, since it runs for every pixel.
void addGrain(QImage &image, quint32 seed)
{
    quint32 state = seed * 2654435761u + 1;
    for (int y = 0; y < image.height(); ++y)
    {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
        {
            state ^= state << 13;
            state ^= state >> 17;
            state ^= state << 5;
            const int noise = static_cast<int>(state % 25) - 12;
            const QRgb p = line[x];
            line[x] = qRgb(std::clamp(qRed(p) + noise, 0, 255), std::clamp(qGreen(p) + noise, 0, 255),
                           std::clamp(qBlue(p) + noise, 0, 255));
        }
    }
}

QImage brightened(const QImage &image)
{
    QImage out = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < out.height(); ++y)
    {
        auto *line = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x)
        {
            const QRgb p = line[x];
            line[x] = qRgb(std::min(255, qRed(p) * 11 / 10), std::min(255, qGreen(p) * 11 / 10),
                           std::min(255, qBlue(p) * 11 / 10));
        }
    }
    return out;
}

void put16(QByteArray &b, quint16 v)
{
    b.append(static_cast<char>(v >> 8));
    b.append(static_cast<char>(v & 0xFF));
}
} // namespace

namespace PictureScenes
{
QImage scene(quint32 seed, int longSide)
{
    QRandomGenerator rng(seed);
    const int shortSide = longSide * 3 / 4;
    const QSize size = seed % 4 == 3 ? QSize(shortSide, longSide) : QSize(longSide, shortSide);
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    QLinearGradient sky(randomPoint(rng, size), randomPoint(rng, size));
    sky.setColorAt(0, randomColour(rng));
    sky.setColorAt(0.5, randomColour(rng));
    sky.setColorAt(1, randomColour(rng));
    painter.fillRect(image.rect(), sky);

    const double unit = longSide / 100.0;
    const int shapes = 12 + rng.bounded(20);
    for (int i = 0; i < shapes; ++i)
    {
        const QPointF at = randomPoint(rng, size);
        const QRectF area(at, QSizeF((5 + rng.bounded(40)) * unit, (5 + rng.bounded(40)) * unit));
        painter.setBrush(randomBrush(rng, area));
        painter.setPen(rng.bounded(3) == 0 ? QPen(Qt::NoPen) : QPen(randomColour(rng), rng.bounded(1, 6) * unit / 2));
        switch (rng.bounded(4))
        {
        case 0:
            painter.drawEllipse(area);
            break;
        case 1:
            painter.drawRoundedRect(area, rng.bounded(20), rng.bounded(20));
            break;
        case 2: {
            QPolygonF polygon;
            const int corners = 3 + rng.bounded(5);
            for (int c = 0; c < corners; ++c)
                polygon << area.topLeft() + QPointF(rng.bounded(area.width()), rng.bounded(area.height()));
            painter.drawPolygon(polygon);
            break;
        }
        default:
            painter.drawPie(area, rng.bounded(5760), 600 + rng.bounded(4000));
        }
    }
    // Strokes, thick and thin, like branches, wires and writing.
    const int strokes = 6 + rng.bounded(14);
    painter.setBrush(Qt::NoBrush);
    for (int i = 0; i < strokes; ++i)
    {
        QPainterPath path(randomPoint(rng, size));
        for (int s = rng.bounded(1, 4); s > 0; --s)
            path.cubicTo(randomPoint(rng, size), randomPoint(rng, size), randomPoint(rng, size));
        painter.setPen(QPen(randomColour(rng), (1 + rng.bounded(8)) * unit / 4, Qt::SolidLine, Qt::RoundCap));
        painter.drawPath(path);
    }
    painter.end();
    addGrain(image, seed);
    return image;
}

QList<Copy> copies()
{
    return {Copy::Original, Copy::Half,   Copy::Quarter, Copy::Jpeg60,    Copy::Png,
            Copy::WebP,     Copy::Turned, Copy::Cropped, Copy::Brightened};
}

const char *copyName(Copy copy)
{
    switch (copy)
    {
    case Copy::Original:
        return "original";
    case Copy::Half:
        return "half";
    case Copy::Quarter:
        return "quarter";
    case Copy::Jpeg60:
        return "jpeg60";
    case Copy::Png:
        return "png";
    case Copy::WebP:
        return "webp";
    case Copy::Turned:
        return "turned";
    case Copy::Cropped:
        return "cropped";
    case Copy::Brightened:
        return "brightened";
    }
    return "";
}

const char *copyExtension(Copy copy)
{
    switch (copy)
    {
    case Copy::Png:
        return "png";
    case Copy::WebP:
        return "webp";
    default:
        return "jpg";
    }
}

QByteArray encoded(const QImage &image, const char *format, int quality)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setQuality(quality);
    if (!writer.write(image))
        return {};
    return bytes;
}

QByteArray jpegWithOrientation6(const QImage &storedTurnedLeft, int quality)
{
    const QByteArray jpeg = encoded(storedTurnedLeft, "jpeg", quality);
    // An APP1 segment: "Exif", then a big-endian TIFF header and one IFD holding one entry,
    // Orientation (0x0112), a SHORT of value 6, and no next IFD.
    QByteArray exif("Exif\0\0MM\0\x2A\0\0\0\x08", 14);
    put16(exif, 1);      // entries
    put16(exif, 0x0112); // Orientation
    put16(exif, 3);      // SHORT
    put16(exif, 0);      // count, 32 bits
    put16(exif, 1);
    put16(exif, 6); // the value, left-aligned in the 4 bytes
    put16(exif, 0);
    put16(exif, 0); // no next IFD, 32 bits
    put16(exif, 0);
    QByteArray segment("\xFF\xE1", 2);
    put16(segment, static_cast<quint16>(exif.size() + 2));
    segment += exif;
    // Right after the start-of-image marker.
    return jpeg.left(2) + segment + jpeg.mid(2);
}

QByteArray encode(const QImage &scene, Copy copy, quint32 seed)
{
    switch (copy)
    {
    case Copy::Original:
        return encoded(scene, "jpeg", 90);
    case Copy::Half:
        return encoded(scene.scaled(scene.size() / 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation), "jpeg", 90);
    case Copy::Quarter:
        return encoded(scene.scaled(scene.size() / 4, Qt::IgnoreAspectRatio, Qt::SmoothTransformation), "jpeg", 90);
    case Copy::Jpeg60:
        return encoded(scene, "jpeg", 60);
    case Copy::Png:
        // Fast rather than small: the tests write hundreds.
        return encoded(scene, "png", 90);
    case Copy::WebP:
        return encoded(scene, "webp", 80);
    case Copy::Turned:
        return jpegWithOrientation6(scene.transformed(QTransform().rotate(-90)), 90);
    case Copy::Cropped: {
        const int cutX = scene.width() / 20;
        const int cutY = scene.height() / 20;
        const int left = static_cast<int>(seed % static_cast<quint32>(cutX + 1));
        const int top = static_cast<int>((seed / 7) % static_cast<quint32>(cutY + 1));
        return encoded(scene.copy(left, top, scene.width() - cutX, scene.height() - cutY), "jpeg", 90);
    }
    case Copy::Brightened:
        return encoded(brightened(scene), "jpeg", 90);
    }
    return {};
}
} // namespace PictureScenes
