// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(SettingsStore, KeepsTextsAcrossInstancesAndReadsOnlyTexts)
{
    QTemporaryDir dir;
    const QString ini = dir.path() + QStringLiteral("/Corvina.ini");
    const QString odd = QStringLiteral("a, b; \"c\" = d");
    {
        SettingsStore store(ini);
        EXPECT_EQ(store.read(QStringLiteral("Options"), QStringLiteral("Nope")), std::nullopt);
        store.write(QStringLiteral("Search"), QStringLiteral("MaxFileSize"), QString());
        store.write(QStringLiteral("Odd"), QStringLiteral("v"), odd);
        store.write(QStringLiteral("Odd"), QStringLiteral("gone"), QStringLiteral("x"));
        store.remove(QStringLiteral("Odd"), QStringLiteral("gone"));
    }
    EXPECT_TRUE(QFileInfo::exists(ini));
    {
        SettingsStore again(ini);
        EXPECT_EQ(again.read(QStringLiteral("Search"), QStringLiteral("MaxFileSize")), QString());
        EXPECT_EQ(again.read(QStringLiteral("Odd"), QStringLiteral("v")), odd);
        EXPECT_FALSE(again.contains(QStringLiteral("Odd"), QStringLiteral("gone")));
    }

    // Written by hand: a text with commas and no quotes reads as written; QSettings' own forms
    // are no texts.
    QFile file(ini);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("[Hand]\nmask=*.jpg, *.png\nrect=@Rect(0 0 1 1)\n");
    file.close();
    SettingsStore hand(ini);
    EXPECT_EQ(hand.read(QStringLiteral("Hand"), QStringLiteral("mask")), QStringLiteral("*.jpg, *.png"));
    EXPECT_TRUE(hand.contains(QStringLiteral("Hand"), QStringLiteral("rect")));
    EXPECT_EQ(hand.read(QStringLiteral("Hand"), QStringLiteral("rect")), std::nullopt);
}

TEST(SettingsStore, ListsComeBackInWriteOrderAndAnEmptyListRemovesTheSection)
{
    QTemporaryDir dir;
    const QString ini = dir.path() + QStringLiteral("/s.ini");
    QStringList twelve;
    for (int i = 11; i >= 0; --i)
        twelve << QStringLiteral("mask %1").arg(i);
    {
        SettingsStore store(ini);
        EXPECT_TRUE(store.readList(QStringLiteral("FileMask")).isEmpty());
        store.writeList(QStringLiteral("FileMask"), twelve);
    }
    SettingsStore store(ini);
    EXPECT_EQ(store.readList(QStringLiteral("FileMask")), twelve) << "not sorted as \"0\", \"1\", \"10\", \"2\"";
    store.writeList(QStringLiteral("FileMask"), {QStringLiteral("*.iso")});
    EXPECT_EQ(store.readList(QStringLiteral("FileMask")), QStringList{QStringLiteral("*.iso")});
    store.writeList(QStringLiteral("FileMask"), {});
    EXPECT_TRUE(store.readList(QStringLiteral("FileMask")).isEmpty());
    EXPECT_FALSE(store.contains(QStringLiteral("FileMask"), QStringLiteral("0")));
}

// Keys added by hand come after the ones in the write order; each value reads as read() reads it.
TEST(SettingsStore, AListWrittenByHandReadsAsWritten)
{
    QTemporaryDir dir;
    const QString ini = dir.path() + QStringLiteral("/s.ini");
    QFile file(ini);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[FileMask]\n__order__=1\n0=*.iso\n1=*.jpg, *.png\n2=@Rect(0 0 1 1)\n");
    file.close();
    SettingsStore store(ini);
    EXPECT_EQ(store.readList(QStringLiteral("FileMask")),
              (QStringList{QStringLiteral("*.jpg, *.png"), QStringLiteral("*.iso")}));
}

TEST(SettingsStore, ProgramStoreLivesInTheChosenFolder)
{
    // The test main points the store at a temporary folder before anything runs.
    EXPECT_TRUE(SettingsStore::instance().fileName().startsWith(SettingsStore::directory()));
    EXPECT_FALSE(SettingsStore::directory().startsWith(QDir::homePath() + QStringLiteral("/.config")));
}
