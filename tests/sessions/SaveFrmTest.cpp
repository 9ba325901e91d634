// SPDX-License-Identifier: GPL-3.0-or-later
#include "sessions/SaveFrm.h"
#include "SessionTestSupport.h"
#include "platform/Settings.h"
#include "sessions/SessionCommands.h"
#include "sessions/SessionReader.h"
#include "sessions/SessionWriter.h"
#include "support/TempTree.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

#include <gtest/gtest.h>

namespace
{
// The main window's side of the dialog, over the session code.
class TestWindow : public SessionCommands
{
public:
    bool saveSession(const QString &path, bool parametersOnly, const ProgressHooks &progress) override
    {
        ++saves;
        return SessionFile::writeSessionFile(path, state, rows, parametersOnly, errors, progress);
    }
    bool openSession(const QString &path, bool reScan, bool reCheck, const ProgressHooks &progress) override
    {
        ++opens;
        lastReScan = reScan;
        lastReCheck = reCheck;
        SessionFile::LoadHooks hooks;
        hooks.progress = progress;
        return SessionFile::openCorvinaFile(path, reScan, reCheck, state, rows, sink, hooks).result;
    }

    SessionState state;
    ResultModel rows;
    TestSink sink;
    ScriptedErrorReporter errors;
    int saves = 0;
    int opens = 0;
    bool lastReScan = false;
    bool lastReCheck = false;
};

template <typename W> W *child(QWidget &w, const char *name)
{
    W *found = w.findChild<W *>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

void fill(TestWindow &w)
{
    SearchLocation l;
    l.folder = QStringLiteral("/data");
    l.mask = QStringLiteral("All files(*.*)");
    l.minSize = QStringLiteral("10");
    w.state.locations.append(l);
    w.state.filesPanel = QStringLiteral("Files : 4");
    w.state.foldersPanel = QStringLiteral("Folders : 2");
    loadScanned(w.rows, {{"/data/", "a", 1, 1}, {"/data/b/", "a", 1, 1}});
}

Settings &settings()
{
    return Settings::instance();
}

class SaveFrmTest : public ::testing::Test
{
protected:
    void SetUp() override { settings().setCloseAfterSave(true); }
};
} // namespace

TEST_F(SaveFrmTest, SaveRoleWritesTheSessionWithResultsAndCloses)
{
    TempTree t;
    TestWindow window;
    fill(window);
    ScriptedPrompter prompter;
    prompter.expectSaveFile(QStringLiteral("Saving Location"), t.path("s.cvf"));
    SaveFrm dialog(window, prompter, settings());
    dialog.mode = SaveFrm::Mode::Save;
    dialog.show();

    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Save Dialog"));
    EXPECT_EQ(child<QPushButton>(dialog, "Command1")->text(), QStringLiteral("&Save"));
    EXPECT_TRUE(child<QGroupBox>(dialog, "SaveFrame")->isVisible());
    EXPECT_FALSE(child<QGroupBox>(dialog, "OpenFrame")->isVisible());
    EXPECT_TRUE(child<QRadioButton>(dialog, "opt2")->isChecked());
    EXPECT_TRUE(child<QCheckBox>(dialog, "chkClose")->isEnabled());
    EXPECT_TRUE(child<QCheckBox>(dialog, "chkClose")->isChecked());

    child<QToolButton>(dialog, "cmdAdd")->click();
    EXPECT_EQ(child<QLineEdit>(dialog, "txtPath")->text(), t.path("s.cvf"));
    EXPECT_EQ(prompter.asked().back().prompt.text, QStringLiteral("Corvina(*.cvf)|*.cvf"));
    child<QPushButton>(dialog, "Command1")->click();

    EXPECT_EQ(window.saves, 1);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(readBytes(t.path("s.cvf")).count("\r\n"), 4);
}

TEST_F(SaveFrmTest, ParametersOnlyWithoutClosingKeepsTheDialogOpen)
{
    TempTree t;
    TestWindow window;
    fill(window);
    ScriptedPrompter prompter;
    SaveFrm dialog(window, prompter, settings());
    dialog.mode = SaveFrm::Mode::Save;
    dialog.show();
    child<QRadioButton>(dialog, "opt1")->setChecked(true);
    child<QCheckBox>(dialog, "chkClose")->setChecked(false);
    child<QLineEdit>(dialog, "txtPath")->setText(t.path("p.cvf"));
    child<QPushButton>(dialog, "Command1")->click();

    EXPECT_TRUE(dialog.isVisible());
    EXPECT_FALSE(child<QPushButton>(dialog, "Command1")->isEnabled());
    EXPECT_EQ(readBytes(t.path("p.cvf")), QByteArray("1,1,0,2,4,2,0,0,0\r\n/data,Yes,All files(*.*),10,,15\r\n"));

    child<QPushButton>(dialog, "Command2")->click();
    EXPECT_FALSE(settings().closeAfterSave());
}

TEST_F(SaveFrmTest, OpenRoleLoadsTheSessionIntoTheWindowAndCloses)
{
    TempTree t;
    TestWindow saved;
    fill(saved);
    ASSERT_TRUE(saved.saveSession(t.path("s.cvf"), false, {}));

    TestWindow window;
    ScriptedPrompter prompter;
    prompter.expectOpenFile(QStringLiteral("Open Location"), t.path("s.cvf"));
    SaveFrm dialog(window, prompter, settings());
    dialog.show(); // any mode but "Save" opens
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Open Dialog"));
    EXPECT_EQ(child<QPushButton>(dialog, "Command1")->text(), QStringLiteral("&Open"));
    EXPECT_TRUE(child<QGroupBox>(dialog, "OpenFrame")->isVisible());
    EXPECT_FALSE(child<QGroupBox>(dialog, "SaveFrame")->isVisible());
    EXPECT_FALSE(child<QCheckBox>(dialog, "chkClose")->isEnabled());
    EXPECT_TRUE(child<QCheckBox>(dialog, "chkClose")->isChecked());
    EXPECT_FALSE(child<QCheckBox>(dialog, "ReScanc")->isChecked());

    child<QCheckBox>(dialog, "ReCheckc")->setChecked(true);
    child<QToolButton>(dialog, "cmdAdd")->click();
    child<QPushButton>(dialog, "Command1")->click();

    EXPECT_EQ(window.opens, 1);
    EXPECT_FALSE(window.lastReScan);
    EXPECT_TRUE(window.lastReCheck);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(allColumns(window.rows), allColumns(saved.rows));
    EXPECT_EQ(window.state.locations.rows(), saved.state.locations.rows());
}

TEST_F(SaveFrmTest, AMissingFileKeepsTheDialogUsable)
{
    TempTree t;
    TestWindow window;
    ScriptedPrompter prompter;
    SaveFrm dialog(window, prompter, settings());
    dialog.show();
    child<QLineEdit>(dialog, "txtPath")->setText(t.path("none.cvf"));
    child<QPushButton>(dialog, "Command1")->click();
    EXPECT_EQ(window.opens, 1);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(child<QPushButton>(dialog, "Command1")->isEnabled());
}

TEST_F(SaveFrmTest, BlankPathIsRefusedWithTheMessage)
{
    for (const SaveFrm::Mode mode : {SaveFrm::Mode::Save, SaveFrm::Mode::Open})
    {
        SCOPED_TRACE(mode == SaveFrm::Mode::Save ? "Save" : "Open");
        TestWindow window;
        ScriptedPrompter prompter;
        prompter.expectMessage(QStringLiteral("Error"), QStringLiteral("File name not specified."), PromptAnswer::Ok);
        SaveFrm dialog(window, prompter, settings());
        dialog.mode = mode;
        dialog.show();
        child<QLineEdit>(dialog, "txtPath")->setText(QStringLiteral("   "));
        child<QPushButton>(dialog, "Command1")->click();
        EXPECT_EQ(window.saves + window.opens, 0);
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_TRUE(child<QPushButton>(dialog, "Command1")->isEnabled());
        EXPECT_TRUE(child<QLineEdit>(dialog, "txtPath")->styleSheet().contains(QStringLiteral("255, 192, 192")));
    }
}

TEST_F(SaveFrmTest, CancellingTheFileDialogEmptiesThePath)
{
    TestWindow window;
    ScriptedPrompter prompter;
    prompter.expectSaveFile(QStringLiteral("Saving Location"), QString());
    SaveFrm dialog(window, prompter, settings());
    dialog.mode = SaveFrm::Mode::Save;
    dialog.show();
    child<QLineEdit>(dialog, "txtPath")->setText(QStringLiteral("/old.cvf"));
    child<QToolButton>(dialog, "cmdAdd")->click();
    EXPECT_TRUE(child<QLineEdit>(dialog, "txtPath")->text().isEmpty());
}

TEST_F(SaveFrmTest, ATypedNameGetsItsExtensionAndAFileIsReplacedOnlyAfterAsking)
{
    TempTree t;
    TestWindow window;
    fill(window);
    ScriptedPrompter prompter;
    const QString replace =
        u'"' + t.path("mine.cvf") + QStringLiteral("\" already exists.\r\nDo you want to replace it?");
    {
        SaveFrm dialog(window, prompter, settings());
        dialog.mode = SaveFrm::Mode::Save;
        dialog.show();
        child<QLineEdit>(dialog, "txtPath")->setText(t.path("mine"));
        child<QPushButton>(dialog, "Command1")->click();
        EXPECT_EQ(child<QLineEdit>(dialog, "txtPath")->text(), t.path("mine.cvf"));
        EXPECT_EQ(window.saves, 1);
    }
    const QByteArray first = readBytes(t.path("mine.cvf"));
    window.state.locations.clear();

    SaveFrm dialog(window, prompter, settings());
    dialog.mode = SaveFrm::Mode::Save;
    dialog.show();
    child<QLineEdit>(dialog, "txtPath")->setText(t.path("mine"));
    prompter.expectMessage(QStringLiteral("Confirm"), replace, PromptAnswer::No);
    child<QPushButton>(dialog, "Command1")->click();
    EXPECT_EQ(window.saves, 1) << "No keeps the file";
    EXPECT_EQ(readBytes(t.path("mine.cvf")), first);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(child<QPushButton>(dialog, "Command1")->isEnabled());

    prompter.expectMessage(QStringLiteral("Confirm"), replace, PromptAnswer::Yes);
    child<QPushButton>(dialog, "Command1")->click();
    EXPECT_EQ(window.saves, 2);
    EXPECT_NE(readBytes(t.path("mine.cvf")), first);

    // A file chosen in the save dialog was confirmed there: no second question.
    SaveFrm chosen(window, prompter, settings());
    chosen.mode = SaveFrm::Mode::Save;
    chosen.show();
    prompter.expectSaveFile(QStringLiteral("Saving Location"), t.path("mine.cvf"));
    child<QToolButton>(chosen, "cmdAdd")->click();
    child<QPushButton>(chosen, "Command1")->click();
    EXPECT_EQ(window.saves, 3);
    EXPECT_TRUE(prompter.allUsed());
}
