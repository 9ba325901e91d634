#include "search/FolderFrm.h"

#include "platform/SettingsKeys.h"
#include "platform/SettingsStore.h"
#include "search/FileMasks.h"
#include "support/ScriptedPrompter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace
{
struct Fixture
{
    QTemporaryDir dir;
    SettingsStore settings{dir.path() + QStringLiteral("/s.ini")};
    ScriptedPrompter prompter;
};

// Shows the dialog and lets its first activation (and the picker it opens) run.
void open(FolderFrm &frm)
{
    frm.show();
    QTest::qWait(20);
}
} // namespace

TEST(FolderFrm, FirstUseShowsThePresetsAndOpensThePicker)
{
    Fixture f;
    f.prompter.expectFolder(QStringLiteral("Choose Folder to Search"), QStringLiteral("/photos"));
    FolderFrm frm(f.prompter, f.settings);
    open(frm);
    EXPECT_EQ(frm.cmbFileMask->count(), 10);
    EXPECT_EQ(frm.cmbFileMask->itemText(0), FileMasks::allFiles());
    EXPECT_EQ(frm.cmbFileMask->currentText(), FileMasks::allFiles());
    EXPECT_EQ(frm.Text1->text(), QStringLiteral("/photos"));
    EXPECT_TRUE(frm.cmdOK->isEnabled());
    EXPECT_TRUE(frm.Check1->isChecked());
    frm.cmdOK->click();
    EXPECT_EQ(frm.result(), QDialog::Accepted);
    const SearchLocation l = frm.location();
    EXPECT_EQ(l.folder, QStringLiteral("/photos"));
    EXPECT_EQ(l.subFolders, QStringLiteral("Yes"));
    EXPECT_EQ(l.mask, FileMasks::allFiles());
    EXPECT_EQ(l.minSize, QStringLiteral("10"));
    EXPECT_EQ(l.maxSize, QString());
    EXPECT_EQ(l.icon, SearchLocation::IncludedIcon);
}

TEST(FolderFrm, ACancelledPickerLeavesOkDisabledAndCancelEmptiesThePath)
{
    Fixture f;
    f.prompter.expectFolder(QStringLiteral("Choose Folder to Search"), QString());
    FolderFrm frm(f.prompter, f.settings);
    open(frm);
    EXPECT_FALSE(frm.cmdOK->isEnabled());
    frm.Text1->setText(QStringLiteral("/typed"));
    EXPECT_TRUE(frm.cmdOK->isEnabled());
    frm.Command1->click();
    EXPECT_EQ(frm.result(), QDialog::Rejected);
    EXPECT_TRUE(frm.Text1->text().isEmpty());
}

TEST(FolderFrm, TypedMaskGoesFirstAndTheNextDialogRemembersIt)
{
    Fixture f;
    f.prompter.expectFolder(QStringLiteral("Choose Folder to Search"), QStringLiteral("/iso"));
    {
        FolderFrm frm(f.prompter, f.settings);
        open(frm);
        frm.cmbFileMask->setEditText(QStringLiteral("*.iso"));
        frm.txtMin->setText(QStringLiteral("abc"));
        frm.txtMax->setText(QStringLiteral("500"));
        frm.cmdOK->click();
        EXPECT_EQ(frm.location().mask, QStringLiteral("*.iso"));
        EXPECT_EQ(frm.location().minSize, QStringLiteral("10"));
        EXPECT_EQ(frm.location().maxSize, QStringLiteral("500"));
    }
    EXPECT_EQ(f.settings.value(Settings::FileMaskSelected), QStringLiteral("*.iso"));
    EXPECT_EQ(f.settings.value(Settings::MaxFileSize), QStringLiteral("500"));
    f.prompter.expectFolder(QStringLiteral("Choose Folder to Search"), QStringLiteral("/x"));
    FolderFrm next(f.prompter, f.settings);
    open(next);
    EXPECT_EQ(next.cmbFileMask->count(), 11);
    EXPECT_EQ(next.cmbFileMask->itemText(0), QStringLiteral("*.iso"));
    EXPECT_EQ(next.cmbFileMask->currentText(), QStringLiteral("*.iso"));
    EXPECT_EQ(next.txtMax->text(), QStringLiteral("500"));
}

TEST(FolderFrm, MaximumNotAboveMinimumIsRefused)
{
    Fixture f;
    f.prompter.expectFolder(QStringLiteral("Choose Folder to Search"), QStringLiteral("/a"));
    f.prompter.expectMessage(QStringLiteral("Error"), QStringLiteral("Maximum size must be greater then minimum size"),
                             PromptAnswer::Ok);
    FolderFrm frm(f.prompter, f.settings);
    open(frm);
    frm.txtMin->setText(QStringLiteral("100"));
    frm.txtMax->setText(QStringLiteral("100"));
    frm.cmdOK->click();
    EXPECT_NE(frm.result(), QDialog::Accepted);
    EXPECT_TRUE(frm.txtMax->text().isEmpty());
    frm.txtMax->setText(QStringLiteral("101"));
    frm.cmdOK->click();
    EXPECT_EQ(frm.result(), QDialog::Accepted);
    EXPECT_EQ(frm.location().maxSize, QStringLiteral("101"));
}

TEST(FolderFrm, ExcludingLocksSubFoldersAndEmptiesMaskAndSizes)
{
    Fixture f;
    f.prompter.expectFolder(QStringLiteral("Choose Folder to Search"), QStringLiteral("/old"));
    FolderFrm frm(f.prompter, f.settings);
    open(frm);
    frm.Check1->setChecked(false);
    frm.Check2->setChecked(true);
    EXPECT_TRUE(frm.Check1->isChecked());
    EXPECT_FALSE(frm.Check1->isEnabled());
    EXPECT_FALSE(frm.txtMin->isEnabled());
    EXPECT_FALSE(frm.chkReference->isEnabled()) << "an excluded folder is not searched at all";
    frm.Check2->setChecked(false);
    EXPECT_FALSE(frm.Check1->isChecked()) << "the earlier choice comes back";
    frm.Check2->setChecked(true);
    frm.cmdOK->click();
    const SearchLocation l = frm.location();
    EXPECT_EQ(l.icon, SearchLocation::ExcludedIcon);
    EXPECT_EQ(l.subFolders, QStringLiteral("Yes"));
    EXPECT_EQ(l.mask, QString());
    EXPECT_EQ(l.minSize, QString());
    EXPECT_EQ(l.maxSize, QString());
    EXPECT_EQ(f.settings.value(Settings::MinFileSize), QString());
}

TEST(FolderFrm, ChangingARowShowsItsOwnValuesWithoutThePicker)
{
    Fixture f;
    SearchLocation row;
    row.folder = QStringLiteral("/music");
    row.subFolders = QStringLiteral("No");
    row.mask = QStringLiteral("*.mp3");
    row.minSize = QStringLiteral("20");
    row.maxSize = QStringLiteral("900");
    row.icon = SearchLocation::ReferenceIcon;
    FolderFrm frm(f.prompter, f.settings);
    frm.fillForChange(row);
    open(frm);
    EXPECT_FALSE(frm.Check1->isChecked());
    EXPECT_FALSE(frm.Check2->isChecked());
    EXPECT_TRUE(frm.chkReference->isChecked());
    EXPECT_EQ(frm.cmbFileMask->currentText(), QStringLiteral("*.mp3"));
    EXPECT_EQ(frm.txtMin->text(), QStringLiteral("20"));
    EXPECT_EQ(frm.txtMax->text(), QStringLiteral("900"));
    frm.cmdOK->click();
    EXPECT_EQ(frm.location().folder, QStringLiteral("/music"));
    EXPECT_EQ(frm.location().subFolders, QStringLiteral("No"));
    EXPECT_EQ(frm.location().icon, SearchLocation::ReferenceIcon);
}
