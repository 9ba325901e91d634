// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's size and place in twips, as the settings keep them.
#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

class Settings;

namespace WindowGeometry
{
/// 1440 twips to the inch at 96 pixels to the inch.
inline constexpr int TwipsPerPixel = 15;
/// The smallest window: 10350 x 5000 twips.
inline constexpr int MinWidthTwips = 10350;
inline constexpr int MinHeightTwips = 5000;

int toPixels(double twips);
int toTwips(int pixels);
/// The smallest window in pixels (rounded up, so it is never below the twips).
QSize minimumSize();

struct Placement
{
    QSize size;     // pixels
    QPoint topLeft; // pixels
};

/// The place and size kept in twips (12000 x 8000 at 0, 0 by default), in pixels.
Placement load(const Settings &settings);
/// Keeps width, height, top and left in twips.
void save(Settings &settings, const Placement &placement);

/// The placement brought wholly onto the screen (available area, in `screens`) it overlaps most,
/// or onto the first screen when it overlaps none: moved in, and made smaller where it is larger
/// than that screen, though never below minimumSize(). Unchanged when it already lies on one
/// screen, or when no screen is known.
Placement onScreen(const Placement &placement, const QList<QRect> &screens);
} // namespace WindowGeometry
