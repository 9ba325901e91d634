// SPDX-License-Identifier: GPL-3.0-or-later
#include "actions/ActionCommands.h"
#include "actions/DeleteFilesDialog.h"
#include "actions/FileInfoFrm.h"
#include "actions/FilePropertiesFrm.h"
#include "platform/Settings.h"
#include "platform/SettingsStore.h"
#include "support/ScriptedPrompter.h"
#include "support/TempTree.h"
#include "support/TestScope.h"

#include "actions/ActionTestSupport.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

#include <algorithm>

#include <gtest/gtest.h>

namespace
{
// Settings of their own, as a first start finds them.
struct FreshSettings
{
    QTemporaryDir dir;
    SettingsStore store{dir.filePath(QStringLiteral("Corvina.ini"))};
    Settings settings{store};
};

struct Window : FreshSettings
{
    TempTree tree;
    ResultModel model;
    ScriptedPrompter prompter;
    ScriptedErrorReporter reporter;
    QWidget window;
    int focused = 0;
    int pointer = 1000;
    QString status;
    std::vector<QString> toggles;
    FakeDesktop *desktop = nullptr;
    std::unique_ptr<ActionCommands> commands;

    Window()
    {
        QImage image(4, 4, QImage::Format_RGB32);
        image.fill(Qt::red);
        tree.dir(QStringLiteral("a"));
        tree.dir(QStringLiteral("b"));
        EXPECT_TRUE(image.save(tree.path(QStringLiteral("a/p.jpg")), "JPG"));
        EXPECT_TRUE(image.save(tree.path(QStringLiteral("b/p.jpg")), "JPG"));
        loadRows(model, {scannedRow(tree.path(QStringLiteral("a/p.jpg")), 1, true),
                         scannedRow(tree.path(QStringLiteral("b/p.jpg")), 1),
                         scannedRow(tree.file(QStringLiteral("a/q.txt"), "qqq"), 2, true),
                         scannedRow(tree.file(QStringLiteral("b/q.txt"), "qqq"), 2)});
        ActionCommands::Hooks hooks;
        hooks.window = &window;
        hooks.status = [this](const QString &s) { status = s; };
        hooks.focusedRow = [this] { return focused; };
        hooks.pointerTwips = [this] { return pointer; };
        hooks.keepOneWarning = [](const std::vector<int> &) { return KeepOneChoice::IgnoreWarnings; };
        hooks.markSelected = [this] { toggles.push_back(QStringLiteral("mark")); };
        hooks.unmarkSelected = [this] { toggles.push_back(QStringLiteral("unmark")); };
        commands = std::make_unique<ActionCommands>(model, prompter, reporter, settings, hooks);
        auto fake = std::make_unique<FakeDesktop>();
        desktop = fake.get();
        commands->setDesktop(std::move(fake));
    }
};

// Runs the deletion dialog that the command opens: OK, then Close once it has finished.
void runDeletionDialogLater()
{
    QTimer::singleShot(0, TestScope::object(), [] {
        auto *dialog = qobject_cast<DeleteFilesDialog *>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->runButton->click();
        dialog->closeButton->click();
    });
}
} // namespace

TEST(FileInfoFrm, OpensAtTheDefaultPlaceAndRemembersItsOwn)
{
    FreshSettings fresh;
    Settings &settings = fresh.settings;
    ScriptedPrompter prompter;
    QWidget owner;
    auto *viewer = new FileInfoFrm(prompter, settings, &owner);
    EXPECT_EQ(viewer->geometry(), QRect(600, 166, 133, 166));
    viewer->setGeometry(300, 200, 150, 120);
    viewer->unload();
    EXPECT_EQ(settings.viewerWidth(), 2250);
    EXPECT_EQ(settings.viewerLeft(), 4500);
    FileInfoFrm again(prompter, settings, &owner);
    EXPECT_EQ(again.geometry(), QRect(300, 200, 150, 120));
}

TEST(ActionCommands, PreviewFollowsTheSelection)
{
    Window w;
    w.commands->previewStep();
    FileInfoFrm *viewer = w.commands->pictureViewer();
    ASSERT_NE(viewer, nullptr);
    EXPECT_TRUE(viewer->isVisible());
    EXPECT_EQ(viewer->windowTitle(), QStringLiteral("Picture Viewer"));
    EXPECT_EQ(viewer->panelText(), QStringLiteral("p.jpg"));
    EXPECT_FALSE(viewer->picture->pixmap().isNull());

    // A damaged picture keeps the previous one; a text file hides the viewer.
    w.tree.file(QStringLiteral("b/p.jpg"), "not a picture");
    w.focused = 1;
    w.commands->previewStep();
    EXPECT_TRUE(viewer->isVisible());
    EXPECT_FALSE(viewer->picture->pixmap().isNull());
    w.focused = 2;
    w.commands->previewAfterKey();
    EXPECT_FALSE(viewer->isVisible());
    w.focused = 0;
    w.settings.setShowViewer(false);
    w.commands->previewStep();
    EXPECT_FALSE(viewer->isVisible());
    w.settings.setShowViewer(true);
    w.commands->previewAfterClick();
    EXPECT_TRUE(viewer->isVisible());

    // Closed from its title bar: the user is asked whether to switch the viewer off.
    QSignalSpy changed(&w.settings, &Settings::changed);
    w.prompter
        .expectMessage(QStringLiteral("Confirm"), QStringLiteral("Do you want to disable picture viewer?"),
                       PromptAnswer::No)
        .expectMessage(QStringLiteral("Confirm"), QStringLiteral("Do you want to disable picture viewer?"),
                       PromptAnswer::Yes);
    viewer->close();
    EXPECT_TRUE(w.settings.showViewer());
    w.commands->previewStep();
    viewer->close();
    EXPECT_FALSE(w.settings.showViewer());
    // The main window's switches follow the signal (the viewer's place is signalled too).
    EXPECT_EQ(std::count_if(changed.begin(), changed.end(),
                            [](const QList<QVariant> &signal) {
                                return signal.at(0).value<Settings::Key>() == Settings::Key::ShowViewer;
                            }),
              1);
    w.commands->previewStep();
    EXPECT_FALSE(viewer->isVisible()) << "switched off, the viewer stays closed";

    w.commands->closePictureViewer(); // no question when the program closes it
    EXPECT_EQ(w.commands->pictureViewer(), nullptr);
}

TEST(ActionCommands, DeleteRunsTheDialogAndCleansTheList)
{
    Window w;
    const qint64 bytes = w.model.markedTotal();
    runDeletionDialogLater();
    w.commands->deleteMarkedFiles();
    EXPECT_TRUE(w.model.isEmpty());
    // What was done, then what is left marked.
    EXPECT_EQ(w.status,
              QStringLiteral("2 files, %1 Bytes moved to the trash. Total Files Marked 0 Size 0 Bytes").arg(bytes));
    EXPECT_FALSE(statFile(w.tree.path(QStringLiteral("a/q.txt"))).exists);
}

TEST(ActionCommands, DoubleClickOpensOrTogglesByThePointer)
{
    Window w;
    w.focused = 2;
    w.commands->openOnDoubleClick();
    EXPECT_EQ(w.desktop->opened, QStringList{w.tree.path(QStringLiteral("a/q.txt"))});
    w.pointer = 300;
    w.commands->openFile();
    w.focused = 1;
    w.commands->openOnDoubleClick();
    EXPECT_EQ(w.toggles, (std::vector<QString>{QStringLiteral("unmark"), QStringLiteral("mark")}));

    w.commands->copyPath();
    EXPECT_EQ(w.desktop->clipboard, w.tree.path(QStringLiteral("b/p.jpg")));
}

TEST(ActionCommands, PropertiesShowTheFile)
{
    Window w;
    w.focused = 2;
    w.commands->showFileProperties();
    auto *properties = w.window.findChild<FilePropertiesFrm *>();
    ASSERT_NE(properties, nullptr);
    EXPECT_TRUE(properties->isVisible());
    EXPECT_EQ(properties->value(QStringLiteral("Path")), w.tree.path(QStringLiteral("a/q.txt")));
    EXPECT_EQ(properties->value(QStringLiteral("Size")), QStringLiteral("3 Bytes (3 bytes)"));
    EXPECT_TRUE(properties->value(QStringLiteral("Permissions")).startsWith(u'-'));
    EXPECT_FALSE(properties->value(QStringLiteral("Owner")).isEmpty());
    properties->close();
}
