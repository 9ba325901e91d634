// SPDX-License-Identifier: GPL-3.0-or-later
#include "results/AdvMarkFrm.h"

#include "platform/Settings.h"
#include "platform/SettingsStore.h"
#include "results/MarkingCommands.h"
#include "results/ResultModel.h"
#include "support/ScriptedPrompter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTreeView>

#include <gtest/gtest.h>

namespace
{
const QString kImages = QStringLiteral("Images  (*.bmp *.gif *.jpg *.jpeg *.pcx *.png *.psd *.tif *.wmf)");

struct AdvMarkFrmTest : ::testing::Test
{
    QTemporaryDir dir;
    SettingsStore store{dir.filePath(QStringLiteral("settings.ini"))};
    Settings settings{store};
    ResultModel model;
    QStringList statuses;
    MarkingCommands commands{model, {{}, {}, {}, [this](const QString &text) { statuses << text; }, {}}};
    ScriptedPrompter prompter;

    void SetUp() override
    {
        auto row = [](const char *name, const char *path, qint64 size, qint64 stamp, qint32 group) {
            ResultRow r;
            r.setName(QString::fromLatin1(name));
            r.path = QString::fromLatin1(path);
            r.size = size;
            r.stamp = stamp;
            r.group = r.sortGroup = group;
            return r;
        };
        model.setRows({row("a.jpg", "/B/", 10, 20040501000000, 1), row("b.jpg", "/A/", 20, 20040503000000, 1),
                       row("c.jpg", "/A/B/", 30, 20040502000000, 1), row("d.txt", "/A/", 40, 20040501000000, 2),
                       row("e.txt", "/AB/", 50, 20040502000000, 2)});
        model.setFolders({"/B/", "/A/", "/A/B/", "/AB/"});
    }

    template <typename W> static W *child(QWidget &dialog, const char *name)
    {
        auto *w = dialog.findChild<W *>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }

    static bool checked(QWidget &dialog, const char *name) { return child<QRadioButton>(dialog, name)->isChecked(); }

    QStringList marked() const
    {
        QStringList out;
        for (const ResultRow &r : model.rows())
        {
            if (r.marked)
                out << r.name();
        }
        return out;
    }
};
} // namespace

TEST_F(AdvMarkFrmTest, OpensWithTheDefaultsAndTheResultsFoldersInOrder)
{
    AdvMarkFrm dialog(commands, prompter, settings);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Advance Marking"));
    auto *tabs = child<QTabWidget>(dialog, "TabStrip1");
    EXPECT_EQ(tabs->tabText(0), QStringLiteral("By Range"));
    EXPECT_EQ(tabs->tabText(1), QStringLiteral("By Folders"));
    EXPECT_TRUE(checked(dialog, "optDateNewer"));
    EXPECT_TRUE(checked(dialog, "optSizeNone"));
    EXPECT_TRUE(checked(dialog, "optVersionNone"));
    EXPECT_TRUE(checked(dialog, "optSizeLimitNone"));
    EXPECT_FALSE(child<QLineEdit>(dialog, "txtSizeLimitSize")->isEnabled());
    EXPECT_EQ(child<QComboBox>(dialog, "cmbSizeLimitOptions")->currentText(), QStringLiteral("KB"));
    EXPECT_EQ(child<QComboBox>(dialog, "cmbFileMask1")->currentText(), QStringLiteral("All files(*.*)"));
    EXPECT_TRUE(child<QCheckBox>(dialog, "chkIncSubFolders")->isChecked());
    QAbstractItemModel *folders = child<QTreeView>(dialog, "lvFolders")->model();
    QStringList shown;
    for (int r = 0; r < folders->rowCount(); ++r)
        shown << folders->index(r, 0).data().toString();
    EXPECT_EQ(shown, (QStringList{"/A/", "/A/B/", "/AB/", "/B/"}));
    EXPECT_EQ(folders->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Folders"));
}

TEST_F(AdvMarkFrmTest, KeepRulesExcludeEachOther)
{
    AdvMarkFrm dialog(commands, prompter, settings);
    dialog.show();
    child<QRadioButton>(dialog, "optSizeLarger")->click();
    EXPECT_TRUE(checked(dialog, "optDateNone"));
    EXPECT_TRUE(checked(dialog, "optVersionNone"));
    child<QRadioButton>(dialog, "optVersionOlder")->click();
    EXPECT_TRUE(checked(dialog, "optSizeNone"));
    child<QRadioButton>(dialog, "optVersionNone")->click();
    EXPECT_TRUE(checked(dialog, "optDateNewer")) << "some rule is always active";
    child<QRadioButton>(dialog, "optSizeLimitSpecify")->click();
    EXPECT_TRUE(child<QLineEdit>(dialog, "txtSizeLimitSize")->isEnabled());
    child<QRadioButton>(dialog, "optSizeLimitDVD")->click();
    EXPECT_FALSE(child<QComboBox>(dialog, "cmbSizeLimitOptions")->isEnabled());
}

TEST_F(AdvMarkFrmTest, MarkByRangeKeepsOneFilePerGroupAndWritesTheSummary)
{
    AdvMarkFrm dialog(commands, prompter, settings);
    dialog.show();
    child<QRadioButton>(dialog, "optDateOlder")->click();
    child<QPushButton>(dialog, "cmdOK")->click();
    EXPECT_EQ(marked(), (QStringList{"b.jpg", "c.jpg", "e.txt"}));
    EXPECT_EQ(statuses.last(), QStringLiteral("Total Files Marked 3 Size 100 Bytes"));

    child<QPushButton>(dialog, "cmdClearMarks")->click();
    EXPECT_TRUE(marked().isEmpty());
    child<QComboBox>(dialog, "cmbFileMask1")->setEditText(kImages);
    child<QRadioButton>(dialog, "optSizeSmaller")->click();
    child<QPushButton>(dialog, "cmdOK")->click();
    EXPECT_EQ(marked(), (QStringList{"b.jpg", "c.jpg"})) << "the .txt group is left alone";
}

TEST_F(AdvMarkFrmTest, ASpecifiedSizeThatIsNoNumberMarksNothing)
{
    AdvMarkFrm dialog(commands, prompter, settings);
    dialog.show();
    child<QRadioButton>(dialog, "optSizeLimitSpecify")->click();
    child<QLineEdit>(dialog, "txtSizeLimitSize")->setText(QStringLiteral("12x"));
    prompter.expectMessage(QStringLiteral("Error"), QStringLiteral("Type only integer values"), PromptAnswer::Ok);
    child<QPushButton>(dialog, "cmdOK")->click();
    EXPECT_TRUE(prompter.allUsed());
    EXPECT_TRUE(marked().isEmpty());
    EXPECT_TRUE(statuses.isEmpty());
}

TEST_F(AdvMarkFrmTest, MarkByFoldersTicksSubFoldersAndMarksTheirFiles)
{
    AdvMarkFrm dialog(commands, prompter, settings);
    dialog.show();
    child<QTabWidget>(dialog, "TabStrip1")->setCurrentIndex(1);
    QAbstractItemModel *folders = child<QTreeView>(dialog, "lvFolders")->model();
    auto ticks = [folders] {
        QStringList out;
        for (int r = 0; r < folders->rowCount(); ++r)
        {
            if (folders->index(r, 0).data(Qt::CheckStateRole).value<Qt::CheckState>() == Qt::Checked)
                out << folders->index(r, 0).data().toString();
        }
        return out;
    };
    child<QPushButton>(dialog, "cmdChkAll")->click();
    EXPECT_EQ(ticks().size(), 4);
    child<QPushButton>(dialog, "cmdUnChkAll")->click();
    EXPECT_TRUE(ticks().isEmpty());

    const auto rowOrder = [this] {
        QStringList out;
        for (const ResultRow &r : model.rows())
            out << QStringLiteral("%1 %2%3").arg(r.group).arg(r.path, r.name());
        return out;
    };
    const QStringList before = rowOrder();
    child<QCheckBox>(dialog, "chkIncSubFolders")->setChecked(false);
    folders->setData(folders->index(0, 0), Qt::Checked, Qt::CheckStateRole);
    child<QPushButton>(dialog, "cmdOK")->click();
    EXPECT_EQ(marked(), (QStringList{"b.jpg", "d.txt"}));
    EXPECT_EQ(ticks(), (QStringList{"/A/"}));

    child<QCheckBox>(dialog, "chkIncSubFolders")->setChecked(true);
    child<QPushButton>(dialog, "cmdOK")->click();
    EXPECT_EQ(ticks(), (QStringList{"/A/", "/A/B/"}));
    EXPECT_EQ(marked(), (QStringList{"b.jpg", "c.jpg", "d.txt"}));
    EXPECT_EQ(statuses.last(), QStringLiteral("Total Files Marked 3 Size 90 Bytes"));
    // The groups stay whole and in the order they were listed.
    EXPECT_EQ(rowOrder(), before);
}

TEST_F(AdvMarkFrmTest, ChoicesAreRememberedAndMasksListPresetsThenTheUsersOwn)
{
    settings.setFileMasks({QStringLiteral("*.iso"), QStringLiteral("All files(*.*)")});
    {
        AdvMarkFrm dialog(commands, prompter, settings);
        dialog.show();
        auto *mask2 = child<QComboBox>(dialog, "cmbFileMask2");
        ASSERT_EQ(mask2->count(), 11);
        EXPECT_EQ(mask2->itemText(0), QStringLiteral("All files(*.*)"));
        EXPECT_EQ(mask2->itemText(10), QStringLiteral("*.iso"));
        mask2->setEditText(QString());
        Q_EMIT mask2->lineEdit()->editingFinished();
        EXPECT_EQ(mask2->currentText(), QStringLiteral("All files(*.*)"));

        child<QRadioButton>(dialog, "optVersionNewer")->click();
        child<QRadioButton>(dialog, "optSizeLimitSpecify")->click();
        child<QLineEdit>(dialog, "txtSizeLimitSize")->setText(QStringLiteral("2"));
        child<QComboBox>(dialog, "cmbSizeLimitOptions")->setCurrentText(QStringLiteral("GB"));
        child<QComboBox>(dialog, "cmbFileMask1")->setEditText(QStringLiteral("*.iso"));
        child<QCheckBox>(dialog, "chkIncSubFolders")->setChecked(false);
        child<QPushButton>(dialog, "Command1")->click();
        EXPECT_FALSE(dialog.isVisible());
    }
    EXPECT_EQ(settings.markingKeep(), Settings::KeepRule::NewerVersion);
    EXPECT_EQ(settings.markingSizeLimit(), Settings::SizeLimit::Specified);
    EXPECT_EQ(settings.markingSizeUnit(), Settings::SizeUnit::GB);

    AdvMarkFrm again(commands, prompter, settings);
    again.show();
    EXPECT_TRUE(checked(again, "optVersionNewer"));
    EXPECT_TRUE(checked(again, "optDateNone"));
    EXPECT_TRUE(checked(again, "optSizeLimitSpecify"));
    EXPECT_TRUE(child<QLineEdit>(again, "txtSizeLimitSize")->isEnabled());
    EXPECT_EQ(child<QLineEdit>(again, "txtSizeLimitSize")->text(), QStringLiteral("2"));
    EXPECT_EQ(child<QComboBox>(again, "cmbSizeLimitOptions")->currentText(), QStringLiteral("GB"));
    EXPECT_EQ(child<QComboBox>(again, "cmbFileMask1")->currentText(), QStringLiteral("*.iso"));
    EXPECT_FALSE(child<QCheckBox>(again, "chkIncSubFolders")->isChecked());
}

TEST_F(AdvMarkFrmTest, TheFolderListFollowsTheResultListAndKeepsItsTicks)
{
    AdvMarkFrm dialog(commands, prompter, settings);
    dialog.show();
    QAbstractItemModel *folders = child<QTreeView>(dialog, "lvFolders")->model();
    folders->setData(folders->index(3, 0), Qt::Checked, Qt::CheckStateRole);
    dialog.hide();
    model.setFolders({"/B/", "/C/"});
    dialog.show();
    ASSERT_EQ(folders->rowCount(), 2);
    EXPECT_EQ(folders->index(0, 0).data().toString(), QStringLiteral("/B/"));
    EXPECT_EQ(folders->index(0, 0).data(Qt::CheckStateRole).value<Qt::CheckState>(), Qt::Checked);
    EXPECT_EQ(folders->index(1, 0).data(Qt::CheckStateRole).value<Qt::CheckState>(), Qt::Unchecked);
}
