// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/WindowGeometry.h"

#include "core/VbNumeric.h"
#include "platform/SettingsStore.h"

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

Placement load(const SettingsStore &settings)
{
    auto read = [&settings](const SettingKey &key) { return toPixels(VbNumeric::val(settings.value(key))); };
    return {QSize(read(Settings::WindowW), read(Settings::WindowH)),
            QPoint(read(Settings::WindowL), read(Settings::WindowT))};
}

void save(SettingsStore &settings, const Placement &placement)
{
    settings.setValue(Settings::WindowW, QString::number(toTwips(placement.size.width())));
    settings.setValue(Settings::WindowH, QString::number(toTwips(placement.size.height())));
    settings.setValue(Settings::WindowT, QString::number(toTwips(placement.topLeft.y())));
    settings.setValue(Settings::WindowL, QString::number(toTwips(placement.topLeft.x())));
}
bool loadMaximized(const SettingsStore &settings)
{
    return settings.value(Settings::WindowMaximized) == u"1";
}

void saveMaximized(SettingsStore &settings, bool maximized)
{
    settings.setValue(Settings::WindowMaximized, maximized ? QStringLiteral("1") : QStringLiteral("0"));
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
