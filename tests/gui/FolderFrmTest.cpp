// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/FolderFrm.h"

#include "platform/Settings.h"
#include "platform/SettingsStore.h"
#include "search/FileMasks.h"
#include "search/SearchLocationModel.h"
#include "support/MarkingTranslator.h"
#include "support/ScriptedPrompter.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFocusEvent>
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
    SettingsStore store{dir.path() + QStringLiteral("/s.ini")};
    Settings settings{store};
    ScriptedPrompter prompter;

    /// A folder that exists, as the picker returns it.
    QString folder(const char *name) const
    {
        const QString path = dir.path() + u'/' + QLatin1String(name);
        QDir().mkpath(path);
        return path;
    }
};

const QString kPicker = QStringLiteral("Choose Folder to Search");

// The location OK took; a test that expects one fails when there is none.
SearchLocation taken(const FolderFrm &frm)
{
    const std::optional<SearchLocation> l = frm.location();
    EXPECT_TRUE(l.has_value());
    return l.value_or(SearchLocation{});
}

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
    f.prompter.expectFolder(kPicker, f.folder("photos"));
    FolderFrm frm(f.prompter, f.settings);
    open(frm);
    EXPECT_EQ(frm.maskCombo->count(), 10);
    EXPECT_EQ(frm.maskCombo->itemText(0), FileMasks::allFiles());
    EXPECT_EQ(frm.maskCombo->currentText(), FileMasks::allFiles());
    EXPECT_EQ(frm.folderEdit->text(), f.folder("photos"));
    EXPECT_TRUE(frm.okButton->isEnabled());
    EXPECT_TRUE(frm.subFoldersCheck->isChecked());
    frm.okButton->click();
    EXPECT_EQ(frm.result(), QDialog::Accepted);
    const SearchLocation l = taken(frm);
    EXPECT_EQ(l.folder, f.folder("photos"));
    EXPECT_EQ(l.subFolders, QStringLiteral("Yes"));
    EXPECT_EQ(l.mask, FileMasks::allFiles());
    EXPECT_EQ(l.minSize, QStringLiteral("10"));
    EXPECT_EQ(l.maxSize, QString());
    EXPECT_EQ(l.icon, SearchLocation::IncludedIcon);
}

// The presets are shown in the user's language, and what is kept (the location, the settings, the
// session file after it) is the preset's own text, which reads the same in every language.
TEST(FolderFrm, PresetsAreShownTranslatedAndKeptAsTheyStand)
{
    Fixture f;
    const MarkedTexts translated;
    const QString marked = MarkingTranslator::Mark + FileMasks::allFiles();
    f.prompter.expectFolder(MarkingTranslator::Mark + kPicker, f.folder("photos"));
    FolderFrm frm(f.prompter, f.settings);
    open(frm);
    EXPECT_EQ(frm.maskCombo->itemText(0), marked);
    EXPECT_EQ(frm.maskCombo->currentText(), marked);
    frm.okButton->click();
    const SearchLocation l = taken(frm);
    EXPECT_EQ(l.mask, FileMasks::allFiles());
    EXPECT_EQ(f.settings.selectedMask(), FileMasks::allFiles());
    EXPECT_TRUE(f.settings.fileMasks().isEmpty()) << "the presets are not kept as the user's own";

    SearchLocationList locations;
    locations.append(l);
    SearchLocationModel list;
    list.setLocations(locations);
    EXPECT_EQ(list.index(0, 2).data().toString(), marked);
    // A mask of the user's own stays as it was typed.
    EXPECT_EQ(FileMasks::shown(QStringLiteral("*.iso")), QStringLiteral("*.iso"));
    EXPECT_EQ(FileMasks::stored(QStringLiteral("*.iso")), QStringLiteral("*.iso"));
}

TEST(FolderFrm, ACancelledPickerLeavesOkDisabledAndCancelEmptiesThePath)
{
    Fixture f;
    f.prompter.expectFolder(QStringLiteral("Choose Folder to Search"), QString());
    FolderFrm frm(f.prompter, f.settings);
    open(frm);
    EXPECT_FALSE(frm.okButton->isEnabled());
    frm.folderEdit->setText(QStringLiteral("/typed"));
    EXPECT_TRUE(frm.okButton->isEnabled());
    frm.cancelButton->click();
    EXPECT_EQ(frm.result(), QDialog::Rejected);
    EXPECT_TRUE(frm.folderEdit->text().isEmpty());
}

TEST(FolderFrm, TypedMaskGoesFirstAndTheNextDialogRemembersIt)
{
    Fixture f;
    f.prompter.expectFolder(kPicker, f.folder("iso"));
    {
        FolderFrm frm(f.prompter, f.settings);
        open(frm);
        frm.maskCombo->setEditText(QStringLiteral("*.iso"));
        frm.minSizeEdit->setText(QStringLiteral("abc"));
        frm.maxSizeEdit->setText(QStringLiteral("500"));
        frm.okButton->click();
        EXPECT_EQ(taken(frm).mask, QStringLiteral("*.iso"));
        EXPECT_EQ(taken(frm).minSize, QStringLiteral("10"));
        EXPECT_EQ(taken(frm).maxSize, QStringLiteral("500"));
    }
    EXPECT_EQ(f.settings.selectedMask(), QStringLiteral("*.iso"));
    EXPECT_EQ(f.settings.minFileSize(), QStringLiteral("10"));
    EXPECT_EQ(f.settings.maxFileSize(), QStringLiteral("500"));
    f.prompter.expectFolder(kPicker, f.folder("x"));
    FolderFrm next(f.prompter, f.settings);
    open(next);
    EXPECT_EQ(next.maskCombo->count(), 11);
    EXPECT_EQ(next.maskCombo->itemText(0), QStringLiteral("*.iso"));
    EXPECT_EQ(next.maskCombo->currentText(), QStringLiteral("*.iso"));
    EXPECT_EQ(next.maxSizeEdit->text(), QStringLiteral("500"));
}

TEST(FolderFrm, MaximumNotAboveMinimumIsRefused)
{
    Fixture f;
    f.prompter.expectFolder(kPicker, f.folder("a"));
    f.prompter.expectMessage(QStringLiteral("Error"), QStringLiteral("Maximum size must be greater then minimum size"),
                             PromptAnswer::Ok);
    FolderFrm frm(f.prompter, f.settings);
    open(frm);
    frm.minSizeEdit->setText(QStringLiteral("100"));
    frm.maxSizeEdit->setText(QStringLiteral("100"));
    frm.okButton->click();
    EXPECT_NE(frm.result(), QDialog::Accepted);
    EXPECT_TRUE(frm.maxSizeEdit->text().isEmpty());
    frm.maxSizeEdit->setText(QStringLiteral("101"));
    frm.okButton->click();
    EXPECT_EQ(frm.result(), QDialog::Accepted);
    EXPECT_EQ(taken(frm).maxSize, QStringLiteral("101"));
}

TEST(FolderFrm, ExcludingLocksSubFoldersAndEmptiesMaskAndSizes)
{
    Fixture f;
    f.prompter.expectFolder(kPicker, f.folder("old"));
    FolderFrm frm(f.prompter, f.settings);
    open(frm);
    frm.subFoldersCheck->setChecked(false);
    frm.excludeCheck->setChecked(true);
    EXPECT_TRUE(frm.subFoldersCheck->isChecked());
    EXPECT_FALSE(frm.subFoldersCheck->isEnabled());
    EXPECT_FALSE(frm.minSizeEdit->isEnabled());
    EXPECT_FALSE(frm.referenceCheck->isEnabled()) << "an excluded folder is not searched at all";
    frm.excludeCheck->setChecked(false);
    EXPECT_FALSE(frm.subFoldersCheck->isChecked()) << "the earlier choice comes back";
    frm.excludeCheck->setChecked(true);
    frm.okButton->click();
    const SearchLocation l = taken(frm);
    EXPECT_EQ(l.icon, SearchLocation::ExcludedIcon);
    EXPECT_EQ(l.subFolders, QStringLiteral("Yes"));
    EXPECT_EQ(l.mask, QString());
    EXPECT_EQ(l.minSize, QString());
    EXPECT_EQ(l.maxSize, QString());
    EXPECT_EQ(f.settings.minFileSize(), QString());
}

TEST(FolderFrm, ChangingARowShowsItsOwnValuesWithoutThePicker)
{
    Fixture f;
    SearchLocation row;
    row.folder = f.folder("music");
    row.subFolders = QStringLiteral("No");
    row.mask = QStringLiteral("*.mp3");
    row.minSize = QStringLiteral("20");
    row.maxSize = QStringLiteral("900");
    row.icon = SearchLocation::ReferenceIcon;
    FolderFrm frm(f.prompter, f.settings);
    frm.fillForChange(row);
    open(frm);
    EXPECT_FALSE(frm.subFoldersCheck->isChecked());
    EXPECT_FALSE(frm.excludeCheck->isChecked());
    EXPECT_TRUE(frm.referenceCheck->isChecked());
    EXPECT_EQ(frm.maskCombo->currentText(), QStringLiteral("*.mp3"));
    EXPECT_EQ(frm.minSizeEdit->text(), QStringLiteral("20"));
    EXPECT_EQ(frm.maxSizeEdit->text(), QStringLiteral("900"));
    frm.okButton->click();
    EXPECT_EQ(taken(frm).folder, f.folder("music"));
    EXPECT_EQ(taken(frm).subFolders, QStringLiteral("No"));
    EXPECT_EQ(taken(frm).icon, SearchLocation::ReferenceIcon);
}

TEST(FolderFrm, ATypedFolderIsCheckedBeforeOk)
{
    Fixture f;
    const QString there = f.folder("there");
    const struct
    {
        QString typed;
        QString error; // "" when accepted
        QString stored;
    } cases[] = {
        {f.dir.path() + QStringLiteral("/gone"), u"The folder \"" + f.dir.path() + u"/gone\" does not exist.", {}},
        {QStringLiteral("there"),
         QStringLiteral("\"there\" is not a full path: type one that starts with \"/\" or "
                        "\"~\"."),
         {}},
        {there + u'/', {}, there},
        {QStringLiteral("~"), {}, QDir::homePath()},
    };
    for (const auto &c : cases)
    {
        f.prompter.expectFolder(kPicker, QString());
        if (!c.error.isEmpty())
            f.prompter.expectMessage(QStringLiteral("Error"), c.error, PromptAnswer::Ok);
        FolderFrm frm(f.prompter, f.settings);
        open(frm);
        frm.folderEdit->setText(c.typed);
        frm.okButton->click();
        EXPECT_TRUE(f.prompter.allUsed()) << c.typed.toStdString();
        EXPECT_EQ(frm.result() == QDialog::Accepted, c.error.isEmpty()) << c.typed.toStdString();
        if (c.error.isEmpty())
            EXPECT_EQ(taken(frm).folder, c.stored);
        else
            EXPECT_EQ(frm.folderEdit->text(), c.typed) << "the text stays to be corrected";
    }
}

TEST(FolderFrm, TheSizeCheckRunsWhenTheUserLeavesTheFieldAndNeverSwallowsOk)
{
    Fixture f;
    f.prompter.expectFolder(kPicker, f.folder("a"));
    FolderFrm frm(f.prompter, f.settings);
    open(frm);
    frm.minSizeEdit->setText(QStringLiteral("100"));
    frm.maxSizeEdit->setText(QStringLiteral("50"));
    // The picker or another window taking the activation, or a list opening: no check.
    for (const Qt::FocusReason reason : {Qt::ActiveWindowFocusReason, Qt::PopupFocusReason})
    {
        QFocusEvent away(QEvent::FocusOut, reason);
        QApplication::sendEvent(frm.maxSizeEdit, &away);
    }
    EXPECT_EQ(frm.maxSizeEdit->text(), QStringLiteral("50"));
    // Tab to the next field: the check, once.
    f.prompter.expectMessage(QStringLiteral("Error"), QStringLiteral("Maximum size must be greater then minimum size"),
                             PromptAnswer::Ok);
    QFocusEvent tab(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(frm.maxSizeEdit, &tab);
    EXPECT_TRUE(f.prompter.allUsed());
    EXPECT_TRUE(frm.maxSizeEdit->text().isEmpty());
    // The next OK is taken: no maximum is no limit.
    frm.okButton->click();
    EXPECT_EQ(frm.result(), QDialog::Accepted);
    EXPECT_EQ(taken(frm).maxSize, QString());
}

TEST(FolderFrm, AMaximumBelowTheMinimumIsNeverStored)
{
    // Typed in any order, and with a minimum that only becomes 10 on OK.
    const std::pair<const char *, const char *> cases[] = {{"500", "100"}, {"abc", "5"}, {"", "10"}};
    for (const auto &[min, max] : cases)
    {
        Fixture f;
        f.prompter.expectFolder(kPicker, f.folder("a"));
        f.prompter.expectMessage(QStringLiteral("Error"),
                                 QStringLiteral("Maximum size must be greater then minimum size"), PromptAnswer::Ok);
        FolderFrm frm(f.prompter, f.settings);
        open(frm);
        frm.maxSizeEdit->setText(QString::fromLatin1(max));
        frm.minSizeEdit->setText(QString::fromLatin1(min));
        frm.okButton->click();
        EXPECT_NE(frm.result(), QDialog::Accepted) << min << " " << max;
        EXPECT_EQ(f.settings.minFileSize(), QStringLiteral("10")) << "nothing stored";
        EXPECT_EQ(f.settings.maxFileSize(), QString()) << "nothing stored";
    }
}

TEST(FolderFrm, OpeningTheMaskListKeepsATypedMaskOutOfTheStoredList)
{
    Fixture f;
    f.prompter.expectFolder(kPicker, f.folder("a"));
    FolderFrm frm(f.prompter, f.settings);
    open(frm);
    frm.maskCombo->setEditText(QStringLiteral("*.tmp"));
    QFocusEvent popup(QEvent::FocusOut, Qt::PopupFocusReason);
    QApplication::sendEvent(frm.maskCombo, &popup);
    frm.cancelButton->click();
    EXPECT_TRUE(f.settings.fileMasks().isEmpty()) << "the presets stay the list";
}
