#include "app/WindowGeometry.h"

#include "platform/SettingsStore.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(WindowGeometry, TwipsDefaultsAndStoredTexts)
{
    EXPECT_EQ(WindowGeometry::toPixels(12000), 800);
    EXPECT_EQ(WindowGeometry::toPixels(8000), 533);
    EXPECT_EQ(WindowGeometry::toTwips(690), 10350);
    EXPECT_EQ(WindowGeometry::minimumSize(), QSize(690, 334));

    QTemporaryDir dir;
    SettingsStore store(dir.path() + QStringLiteral("/s.ini"));
    const WindowGeometry::Placement first = WindowGeometry::load(store);
    EXPECT_EQ(first.size, QSize(800, 533));
    EXPECT_EQ(first.topLeft, QPoint(0, 0));

    WindowGeometry::save(store, {QSize(900, 600), QPoint(-20, 45)});
    EXPECT_EQ(store.value(QStringLiteral("WindowSize"), QStringLiteral("W"), {}), QStringLiteral("13500"));
    EXPECT_EQ(store.value(QStringLiteral("WindowSize"), QStringLiteral("L"), {}), QStringLiteral("-300"));
    const WindowGeometry::Placement back = WindowGeometry::load(store);
    EXPECT_EQ(back.size, QSize(900, 600));
    EXPECT_EQ(back.topLeft, QPoint(-20, 45));

    // Values written as single-precision texts by earlier versions read back as numbers.
    store.setValue(QStringLiteral("WindowSize"), QStringLiteral("W"), QStringLiteral("15000.5"));
    EXPECT_EQ(WindowGeometry::load(store).size.width(), 1000);
}
