#include "app/WindowGeometry.h"

#include "core/VbNumeric.h"
#include "platform/SettingsStore.h"

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
    auto read = [&settings](const SettingKey &key) { return toPixels(VbNumeric::Val(settings.value(key))); };
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
} // namespace WindowGeometry
