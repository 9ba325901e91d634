// SPDX-License-Identifier: GPL-3.0-or-later
#include "sessions/ExportDialog.h"
#include "SessionTestSupport.h"
#include "platform/Settings.h"
#include "support/TempTree.h"

#include <QCheckBox>
#include <QFrame>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

#include <gtest/gtest.h>

namespace
{
template <typename W> W *child(QWidget &w, const char *name)
{
    W *found = w.findChild<W *>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

Settings &settings()
{
    return Settings::instance();
}

class ExportDialogTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        settings().restoreDefaults();
        loadScanned(rows, {{"/d/", "a", 1, 1}, {"/d/", "b", 1, 1}, {"/d/", "c", 2, 2}, {"/d/", "d", 2, 2}});
    }

    ExportDialog::Inputs inputs()
    {
        ExportDialog::Inputs in;
        in.rows = &rows;
        in.filesPanel = QStringLiteral("Files : 9");
        in.duplicatesPanel = QStringLiteral("Duplicate Files: 2  Size: 3 Bytes");
        in.prompter = &prompter;
        in.settings = &settings();
        in.errors = &errors;
        in.playEndSound = [this] { ++sounds; };
        in.openWithDesktop = [this](const QString &path) {
            opened << path;
            return openResult;
        };
        in.reportWritten = [this](const QString &text) { reported << text; };
        return in;
    }

    ResultModel rows;
    ScriptedPrompter prompter;
    ScriptedErrorReporter errors;
    int sounds = 0;
    QStringList opened;
    QStringList reported;
    Desktop::OpenResult openResult = Desktop::OpenResult::Started;
};
} // namespace

TEST_F(ExportDialogTest, DelimitedExportWithTheStoredChoices)
{
    TempTree t;
    openResult = Desktop::OpenResult::NoAssociatedProgram;
    prompter.expectSaveFile(QStringLiteral("Export Locations"), t.path("e.csv"));
    prompter.expectMessage(QStringLiteral("Error"),
                           QStringLiteral("There is no program associated with the specified type of file."),
                           PromptAnswer::Ok);
    ExportDialog wizard(inputs());
    wizard.show();
    EXPECT_EQ(wizard.windowTitle(), QStringLiteral("Export Wizard"));
    EXPECT_TRUE(child<QRadioButton>(wizard, "OptDeli")->isChecked());
    EXPECT_TRUE(child<QRadioButton>(wizard, "optAllFiles")->isChecked());
    EXPECT_TRUE(child<QCheckBox>(wizard, "openafter")->isChecked());
    EXPECT_FALSE(child<QPushButton>(wizard, "Command1")->isEnabled());

    QPushButton *next = child<QPushButton>(wizard, "btn");
    next->click();
    EXPECT_EQ(next->text(), QStringLiteral("Export"));
    EXPECT_FALSE(child<QFrame>(wizard, "f1")->isVisible());
    EXPECT_TRUE(child<QFrame>(wizard, "F2")->isVisible());
    EXPECT_TRUE(child<QRadioButton>(wizard, "optComma")->isChecked());
    EXPECT_FALSE(child<QRadioButton>(wizard, "webpage")->isEnabled());
    EXPECT_FALSE(child<QLineEdit>(wizard, "txtOther")->isEnabled());

    child<QToolButton>(wizard, "cmdAdd")->click();
    EXPECT_EQ(prompter.asked().back().prompt.text, QStringLiteral("Delimited Format(*.csv)|*.csv"));
    next->click();
    EXPECT_EQ(readBytes(t.path("e.csv")).count("\r\n"), 5);
    EXPECT_EQ(sounds, 1);
    EXPECT_EQ(opened, QStringList{t.path("e.csv")});
    // Done, the wizard closes and says where the file went.
    EXPECT_FALSE(wizard.isVisible());
    EXPECT_EQ(wizard.result(), QDialog::Accepted);
    EXPECT_EQ(reported, QStringList{QStringLiteral("The list was exported to ") + t.path("e.csv")});

    EXPECT_EQ(settings().exportRows(), Settings::ExportRows::All);
    EXPECT_EQ(settings().exportFormat(), Settings::ExportAs::Delimited);
    EXPECT_TRUE(settings().openAfterExport());
    EXPECT_EQ(settings().exportDelimiter(), Settings::ExportDelimiter::Comma);
}

TEST_F(ExportDialogTest, OtherDelimiterAndSelectedRowsAreRemembered)
{
    TempTree t;
    ExportDialog::Inputs in = inputs();
    in.selectedRows = {3};
    ExportDialog wizard(in);
    wizard.show();
    child<QRadioButton>(wizard, "optSelected")->setChecked(true);
    child<QCheckBox>(wizard, "openafter")->setChecked(false);
    child<QPushButton>(wizard, "btn")->click();
    child<QRadioButton>(wizard, "optOther")->setChecked(true);
    EXPECT_TRUE(child<QLineEdit>(wizard, "txtOther")->isEnabled());
    child<QLineEdit>(wizard, "txtOther")->setText(QStringLiteral("::"));
    child<QLineEdit>(wizard, "txtPath")->setText(t.path("e.txt"));
    child<QPushButton>(wizard, "btn")->click();
    EXPECT_EQ(readBytes(t.path("e.txt")), QByteArray("File Name::Size(Bytes)::Last Modified::Version::Group::Path\r\n"
                                                     "d::2::3/7/2004 9:05:03 PM::N/A::2::/d/\r\n"));
    EXPECT_TRUE(opened.isEmpty());
    wizard.accept();
    EXPECT_EQ(settings().exportRows(), Settings::ExportRows::Selected);
    EXPECT_FALSE(settings().openAfterExport());
    EXPECT_EQ(settings().exportDelimiter(), Settings::ExportDelimiter::Other);
}

TEST_F(ExportDialogTest, HtmlExportKeepsTheStoredDelimiter)
{
    TempTree t;
    settings().setExportDelimiter(Settings::ExportDelimiter::Semicolon);
    settings().setOpenAfterExport(false);
    prompter.expectSaveFile(QStringLiteral("Export Location"), t.path("e.htm"));
    ExportDialog wizard(inputs());
    wizard.show();
    child<QRadioButton>(wizard, "optHtml")->setChecked(true);
    child<QPushButton>(wizard, "btn")->click();
    EXPECT_TRUE(child<QRadioButton>(wizard, "webpage")->isChecked());
    for (const char *name : {"optTab", "optComma", "optSemi", "optOther"})
        EXPECT_FALSE(child<QRadioButton>(wizard, name)->isEnabled()) << name;
    child<QToolButton>(wizard, "cmdAdd")->click();
    EXPECT_EQ(prompter.asked().back().prompt.text, QStringLiteral("Webpage(*.htm)|*.htm"));
    child<QPushButton>(wizard, "btn")->click();
    const QByteArray page = readBytes(t.path("e.htm"));
    EXPECT_TRUE(page.contains("<b> 9</b>"));
    EXPECT_TRUE(page.contains("<b> 2  Size: 3 Bytes</b>"));
    EXPECT_EQ(page.count("<tr><td class="), 4);
    EXPECT_EQ(sounds, 1);
    wizard.reject();
    EXPECT_EQ(settings().exportFormat(), Settings::ExportAs::Html);
    EXPECT_EQ(settings().exportDelimiter(), Settings::ExportDelimiter::Semicolon);
}

TEST_F(ExportDialogTest, BackReturnsToTheFirstPage)
{
    ExportDialog wizard(inputs());
    wizard.show();
    QPushButton *next = child<QPushButton>(wizard, "btn");
    next->click();
    child<QPushButton>(wizard, "Command1")->click();
    EXPECT_EQ(next->text(), QStringLiteral("Next >"));
    EXPECT_TRUE(next->isEnabled());
    EXPECT_TRUE(child<QFrame>(wizard, "f1")->isVisible());
    EXPECT_FALSE(child<QFrame>(wizard, "F2")->isVisible());
    EXPECT_FALSE(child<QPushButton>(wizard, "Command1")->isEnabled());
}

TEST_F(ExportDialogTest, MessagesForNoRowsAndNoPath)
{
    ResultModel empty;
    ExportDialog::Inputs in = inputs();
    in.rows = &empty;
    prompter.expectMessage(QStringLiteral("Error"),
                           QStringLiteral("No duplicate file has been found!\r\nFirst you must perform a search and "
                                          "find at least one duplicate file."),
                           PromptAnswer::Ok);
    {
        ExportDialog wizard(in);
        wizard.show();
        child<QPushButton>(wizard, "btn")->click();
        EXPECT_EQ(prompter.asked().back().prompt.icon, PromptIcon::Critical);
        EXPECT_TRUE(child<QFrame>(wizard, "f1")->isVisible());
    }

    prompter.expectMessage(QStringLiteral("Error"), QStringLiteral("Output filename not specified"), PromptAnswer::Ok);
    ExportDialog wizard(inputs());
    wizard.show();
    child<QPushButton>(wizard, "btn")->click();
    child<QLineEdit>(wizard, "txtPath")->setText(QStringLiteral(" "));
    child<QPushButton>(wizard, "btn")->click();
    EXPECT_TRUE(child<QPushButton>(wizard, "btn")->isEnabled());
    EXPECT_EQ(sounds, 0);
}

TEST_F(ExportDialogTest, TheExtensionFollowsTheFormatAndAFileIsReplacedOnlyAfterAsking)
{
    TempTree t;
    settings().setOpenAfterExport(false);
    ExportDialog wizard(inputs());
    wizard.show();
    QPushButton *next = child<QPushButton>(wizard, "btn");
    QLineEdit *pathEdit = child<QLineEdit>(wizard, "txtPath");

    // Chosen as a page, exported as delimited text.
    child<QRadioButton>(wizard, "optHtml")->setChecked(true);
    next->click();
    prompter.expectSaveFile(QStringLiteral("Export Location"), t.path("list.htm"));
    child<QToolButton>(wizard, "cmdAdd")->click();
    child<QPushButton>(wizard, "Command1")->click();
    child<QRadioButton>(wizard, "OptDeli")->setChecked(true);
    next->click();
    EXPECT_EQ(pathEdit->text(), t.path("list.csv"));

    // A file of that name is there: No keeps it, Yes replaces it.
    t.file(QStringLiteral("list.csv"), "the user's own list");
    prompter.expectMessage(QStringLiteral("Confirm"),
                           u'"' + t.path("list.csv") +
                               QStringLiteral("\" already exists.\r\nDo you want to replace it?"),
                           PromptAnswer::No);
    next->click();
    EXPECT_EQ(readBytes(t.path("list.csv")), QByteArray("the user's own list"));
    EXPECT_TRUE(next->isEnabled());
    prompter.expectMessage(QStringLiteral("Confirm"), QString(), PromptAnswer::Yes);
    next->click();
    EXPECT_TRUE(readBytes(t.path("list.csv")).startsWith("File Name,"));

    // A typed name without an extension gets the format's.
    child<QPushButton>(wizard, "Command1")->click();
    child<QRadioButton>(wizard, "optHtml")->setChecked(true);
    next->click();
    pathEdit->setText(t.path("report"));
    next->click();
    EXPECT_EQ(pathEdit->text(), t.path("report.htm"));
    EXPECT_TRUE(readBytes(t.path("report.htm")).startsWith("<html>"));
    EXPECT_TRUE(prompter.allUsed());
}
