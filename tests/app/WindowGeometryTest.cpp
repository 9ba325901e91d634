// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/WindowGeometry.h"

#include "platform/Settings.h"
#include "platform/SettingsStore.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(WindowGeometry, TwipsDefaultsAndStoredPlaces)
{
    EXPECT_EQ(WindowGeometry::toPixels(12000), 800);
    EXPECT_EQ(WindowGeometry::toPixels(8000), 533);
    EXPECT_EQ(WindowGeometry::toTwips(690), 10350);
    EXPECT_EQ(WindowGeometry::minimumSize(), QSize(690, 334));

    QTemporaryDir dir;
    SettingsStore store(dir.path() + QStringLiteral("/s.ini"));
    Settings settings(store);
    const WindowGeometry::Placement first = WindowGeometry::load(settings);
    EXPECT_EQ(first.size, QSize(800, 533));
    EXPECT_EQ(first.topLeft, QPoint(0, 0));

    WindowGeometry::save(settings, {QSize(900, 600), QPoint(-20, 45)});
    EXPECT_EQ(settings.mainWindowWidth(), 13500);
    EXPECT_EQ(settings.mainWindowHeight(), 9000);
    EXPECT_EQ(settings.mainWindowLeft(), -300);
    EXPECT_EQ(settings.mainWindowTop(), 675);
    const WindowGeometry::Placement back = WindowGeometry::load(settings);
    EXPECT_EQ(back.size, QSize(900, 600));
    EXPECT_EQ(back.topLeft, QPoint(-20, 45));
}

TEST(WindowGeometry, APlaceOffTheScreensComesBackWhole)
{
    using WindowGeometry::Placement;
    const QList<QRect> screens{QRect(0, 0, 1920, 1080), QRect(1920, 0, 1280, 1024)};
    const struct
    {
        const char *what;
        Placement saved;
        Placement shown;
    } cases[] = {
        {"on the first screen", {QSize(800, 533), QPoint(100, 100)}, {QSize(800, 533), QPoint(100, 100)}},
        {"wholly on the second", {QSize(800, 533), QPoint(2000, 40)}, {QSize(800, 533), QPoint(2000, 40)}},
        {"off every screen", {QSize(800, 533), QPoint(-5000, -5000)}, {QSize(800, 533), QPoint(0, 0)}},
        {"mostly on the second", {QSize(800, 533), QPoint(1900, 100)}, {QSize(800, 533), QPoint(1920, 100)}},
        {"past the bottom right", {QSize(800, 533), QPoint(3000, 900)}, {QSize(800, 533), QPoint(2400, 491)}},
        {"larger than its screen", {QSize(3000, 2000), QPoint(10, 10)}, {QSize(1920, 1080), QPoint(0, 0)}},
    };
    for (const auto &c : cases)
    {
        const Placement p = WindowGeometry::onScreen(c.saved, screens);
        EXPECT_EQ(p.size, c.shown.size) << c.what;
        EXPECT_EQ(p.topLeft, c.shown.topLeft) << c.what;
    }
    // Never below the smallest window, even on a tiny screen; no screen known changes nothing.
    const Placement tiny = WindowGeometry::onScreen({QSize(800, 533), QPoint(50, 50)}, {QRect(0, 0, 640, 300)});
    EXPECT_EQ(tiny.size, WindowGeometry::minimumSize());
    EXPECT_EQ(tiny.topLeft, QPoint(0, 0));
    EXPECT_EQ(WindowGeometry::onScreen({QSize(800, 533), QPoint(-900, 5)}, {}).topLeft, QPoint(-900, 5));
}
