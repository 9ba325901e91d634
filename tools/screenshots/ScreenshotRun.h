// SPDX-License-Identifier: GPL-3.0-or-later
// One screenshot run: builds Corvina's main window, drives it as a person would through a search
// of a folder, and pictures the main window, its menus and every dialog on the way.
#pragma once

#include "Shooter.h"
#include "ShotPrompter.h"

#include "core/ErrorReport.h"

#include <QString>

#include <memory>

class MainFrm;
class QAction;

/// Failures inside a command are written down and aborted: the run never waits for a person.
class NotingReporter : public ErrorReporter
{
public:
    ErrorChoice report(const ErrorReport &report) override;
    int count() const { return m_count; }

private:
    int m_count = 0;
};

class ScreenshotRun
{
public:
    struct Folders
    {
        QString output;   // where the pictures go
        QString search;   // the location searched
        QString excluded; // an excluded folder inside it ("" for none)
        QString scratch;  // an empty folder for session files and copy targets
    };

    explicit ScreenshotRun(Folders folders);
    ~ScreenshotRun();

    /// Takes every picture; false when one could not be taken or a command failed.
    bool run();

private:
    void searchSetup();
    bool scan();
    void previewAndMark();
    void mainWindow();
    void sessions();
    void exportWizard();
    void marking();
    void fileActions();
    /// The progress bar while three copies of a large video are compared.
    void longComparison();
    void periphery();

    QAction *action(const char *name) const;
    /// The first result row that the picture viewer shows, or -1.
    int firstPictureRow() const;
    /// A left click on a cell of the result list, as a person makes it.
    void clickResultCell(int row, int column);

    Folders m_folders;
    ShotPrompter m_prompter;
    NotingReporter m_errors;
    Shooter m_shooter;
    std::unique_ptr<MainFrm> m_window;
};
