// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SettingsStore.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(SettingsStore, ReadsDefaultsAndKeepsValuesAcrossInstances)
{
    QTemporaryDir dir;
    const QString ini = dir.path() + QStringLiteral("/Corvina.ini");
    {
        SettingsStore store(ini);
        EXPECT_EQ(store.value(Settings::WindowW), QStringLiteral("12000"));
        EXPECT_EQ(store.value(QStringLiteral("Options"), QStringLiteral("Nope"), QStringLiteral("d")),
                  QStringLiteral("d"));
        store.setValue(Settings::WindowW, QStringLiteral("9000"));
        store.setValue(Settings::FileMaskSelected, QStringLiteral("Documents(*.doc *.pdf *.rtf *.xls *.ppt)"));
        store.setValue(QStringLiteral("Options"), QStringLiteral("MaxFileSize"), QString());
        store.setValue(QStringLiteral("Odd"), QStringLiteral("v"), QStringLiteral("a, b; \"c\" = d"));
    }
    EXPECT_TRUE(QFileInfo::exists(ini));
    SettingsStore again(ini);
    EXPECT_EQ(again.value(Settings::WindowW), QStringLiteral("9000"));
    EXPECT_EQ(again.value(Settings::FileMaskSelected), QStringLiteral("Documents(*.doc *.pdf *.rtf *.xls *.ppt)"));
    EXPECT_EQ(again.value(Settings::MaxFileSize), QString());
    EXPECT_EQ(again.value(QStringLiteral("Odd"), QStringLiteral("v"), QString()), QStringLiteral("a, b; \"c\" = d"));
}

TEST(SettingsStore, ListsASectionInWriteOrderAndDeletesIt)
{
    QTemporaryDir dir;
    SettingsStore store(dir.path() + QStringLiteral("/s.ini"));
    EXPECT_FALSE(store.hasSection(QStringLiteral("FileMask")));
    for (int i = 0; i < 12; ++i)
        store.setValue(QStringLiteral("FileMask"), QString::number(i), QStringLiteral("mask %1").arg(i));
    store.setValue(QStringLiteral("FileMask"), QStringLiteral("3"), QStringLiteral("changed"));
    EXPECT_TRUE(store.hasSection(QStringLiteral("FileMask")));
    const auto values = store.sectionValues(QStringLiteral("FileMask"));
    ASSERT_EQ(values.size(), 12);
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(values[i].first, QString::number(i));
    EXPECT_EQ(values[3].second, QStringLiteral("changed"));
    EXPECT_EQ(values[11].second, QStringLiteral("mask 11"));

    store.deleteSection(QStringLiteral("FileMask"));
    EXPECT_FALSE(store.hasSection(QStringLiteral("FileMask")));
    EXPECT_TRUE(store.sectionValues(QStringLiteral("FileMask")).isEmpty());
    store.setValue(QStringLiteral("FileMask"), QStringLiteral("0"), QStringLiteral("*.iso"));
    EXPECT_EQ(store.sectionValues(QStringLiteral("FileMask")).size(), 1);
}

TEST(SettingsStore, ProgramStoreLivesInTheChosenFolder)
{
    // The test main points the store at a temporary folder before anything runs.
    EXPECT_TRUE(SettingsStore::instance().fileName().startsWith(SettingsStore::directory()));
    EXPECT_FALSE(SettingsStore::directory().startsWith(QDir::homePath() + QStringLiteral("/.config")));
}
