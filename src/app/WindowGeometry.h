// The main window's size and place in twips, as the settings store keeps them.
#pragma once

#include <QPoint>
#include <QSize>

class SettingsStore;

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

/// "WindowSize" "W", "H", "T", "L" (defaults 12000 x 8000 at 0, 0), read as numbers.
Placement load(const SettingsStore &settings);
/// Stores width, height, top and left as decimal twips.
void save(SettingsStore &settings, const Placement &placement);
} // namespace WindowGeometry
