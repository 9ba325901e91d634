// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/WindowGeometry.h"

#include "platform/Settings.h"

#include <algorithm>
#include <cmath>

namespace WindowGeometry
{
int toPixels(double twips)
{
    return static_cast<int>(std::lround(twips / TwipsPerPixel));
}

int toTwips(int pixels)
{
    return pixels * TwipsPerPixel;
}

QSize minimumSize()
{
    return {(MinWidthTwips + TwipsPerPixel - 1) / TwipsPerPixel, (MinHeightTwips + TwipsPerPixel - 1) / TwipsPerPixel};
}

Placement load(const Settings &settings)
{
    return {QSize(toPixels(settings.mainWindowWidth()), toPixels(settings.mainWindowHeight())),
            QPoint(toPixels(settings.mainWindowLeft()), toPixels(settings.mainWindowTop()))};
}

void save(Settings &settings, const Placement &placement)
{
    settings.setMainWindowWidth(toTwips(placement.size.width()));
    settings.setMainWindowHeight(toTwips(placement.size.height()));
    settings.setMainWindowTop(toTwips(placement.topLeft.y()));
    settings.setMainWindowLeft(toTwips(placement.topLeft.x()));
}

Placement onScreen(const Placement &placement, const QList<QRect> &screens)
{
    if (screens.isEmpty())
        return placement;
    const QRect window(placement.topLeft, placement.size);
    QRect best = screens.first();
    qint64 bestArea = 0;
    for (const QRect &screen : screens)
    {
        const QRect common = screen.intersected(window);
        const qint64 area = common.isEmpty() ? 0 : qint64{common.width()} * common.height();
        if (area > bestArea)
        {
            bestArea = area;
            best = screen;
        }
    }
    const QSize least = minimumSize();
    const QSize size(std::max(least.width(), std::min(placement.size.width(), best.width())),
                     std::max(least.height(), std::min(placement.size.height(), best.height())));
    // Right and bottom edges first, so that a window larger than the screen keeps its top left
    // corner (and its title bar) in sight.
    const int x = std::max(best.left(), std::min(placement.topLeft.x(), best.right() + 1 - size.width()));
    const int y = std::max(best.top(), std::min(placement.topLeft.y(), best.bottom() + 1 - size.height()));
    return {size, QPoint(x, y)};
}
} // namespace WindowGeometry
