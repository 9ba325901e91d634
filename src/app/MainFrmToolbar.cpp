// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's toolbar, and the two switches it shares with the File menu: the picture
// viewer and where deleted files go.
#include "app/MainFrm.h"

#include "actions/ActionCommands.h"
#include "app/ToolbarIcons.h"
#include "core/Prompter.h"
#include "results/ResultModel.h"

#include <QAction>
#include <QCursor>
#include <QMenu>

void MainFrm::runToolbarButton(int index)
{
    switch (index)
    {
    case ScanButton:
        startScan();
        break;
    case CancelButton:
        cancelScan();
        break;
    case MarkButton:
        if (!m_results->isEmpty())
            m_markMenu->popup(QCursor::pos());
        break;
    case CopyButton:
        m_actions->copyMarkedFiles();
        break;
    case MoveButton:
        m_actions->moveMarkedFiles();
        break;
    case DeleteButton:
        m_actions->deleteMarkedFiles();
        break;
    case RenameButton:
        m_actions->renameFile();
        break;
    case ExportButton:
        exportResults();
        break;
    case ViewerButton:
        togglePictureViewer();
        break;
    case RecycleButton:
        toggleRecycleBin();
        break;
    default:
        break;
    }
}

void MainFrm::showViewerSwitch(bool on)
{
    m_pictureViewerAction->setChecked(on);
    m_buttons[ViewerButton]->setIcon(
        ToolbarIcons::icon(on ? ToolbarIcons::Picture::ViewerOn : ToolbarIcons::Picture::ViewerOff));
}

void MainFrm::showDeletionMode(Settings::DeletionMode mode)
{
    const bool trash = mode == Settings::DeletionMode::Trash;
    m_recycleBinAction->setChecked(trash);
    // The button says the mode in its picture, its caption and its tip: a permanent deletion
    // must never pass for one that can be undone from the trash.
    QAction *button = m_buttons[RecycleButton];
    button->setChecked(trash);
    button->setIcon(ToolbarIcons::icon(trash ? ToolbarIcons::Picture::Recycle : ToolbarIcons::Picture::Permanent));
    //: Toolbar button: deleted files go to the trash.
    button->setText(trash ? tr("To Trash")
                          //: Toolbar button: deleted files are removed permanently.
                          : tr("Permanent"));
    button->setToolTip(trash ? tr("Deleted files go to the trash. Click to delete them permanently instead.")
                             : tr("Deleted files are removed permanently: they do not go to the trash. Click to "
                                  "send them to the trash instead."));
}

void MainFrm::followSetting(Settings::Key key)
{
    if (key == Settings::Key::ShowViewer)
        showViewerSwitch(m_settings.showViewer());
    else if (key == Settings::Key::DeleteTo)
        showDeletionMode(m_settings.deletionMode());
    else if (key == Settings::Key::RecentSessions)
        fillRecentMenu();
}

void MainFrm::togglePictureViewer()
{
    // The menu entry and the button follow the setting (followSetting).
    const bool on = !m_settings.showViewer();
    m_settings.setShowViewer(on);
    if (!on)
        m_actions->closePictureViewer();
    else if (!m_results->isEmpty())
        m_actions->previewStep();
}

void MainFrm::toggleRecycleBin()
{
    using Mode = Settings::DeletionMode;
    if (m_settings.deletionMode() == Mode::Permanent)
    {
        m_settings.setDeletionMode(Mode::Trash);
        return;
    }
    if (m_prompter.confirm(tr("Confirm"), tr("This will delete the files permanently i.e., they are not sent to the "
                                             "recycle bin.\nAre you sure you want to preceed.")))
    {
        m_settings.setDeletionMode(Mode::Permanent);
        return;
    }
    // The menu entry ticked or unticked itself when clicked: show the mode as it stands.
    showDeletionMode(m_settings.deletionMode());
}
