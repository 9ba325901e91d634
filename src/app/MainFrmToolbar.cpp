// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's toolbar, and the two switches it shares with the File menu: the picture
// viewer and where deleted files go.
#include "app/MainFrm.h"

#include "actions/ActionCommands.h"
#include "app/ToolbarIcons.h"
#include "core/Prompter.h"
#include "platform/SettingsStore.h"
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

void MainFrm::setViewerImage(int image)
{
    m_viewerImage = image;
    m_pictureViewerAction->setChecked(image == Settings::ViewerOn);
    m_buttons[ViewerButton]->setIcon(ToolbarIcons::icon(
        image == Settings::ViewerOff ? ToolbarIcons::Picture::ViewerOff : ToolbarIcons::Picture::ViewerOn));
}

void MainFrm::setRecycleImage(int image)
{
    m_recycleImage = image;
    m_recycleBinAction->setChecked(image == Settings::ToRecycleBin);
    m_buttons[RecycleButton]->setIcon(ToolbarIcons::icon(
        image == Settings::DeletePermanently ? ToolbarIcons::Picture::Permanent : ToolbarIcons::Picture::Recycle));
}

void MainFrm::togglePictureViewer()
{
    if (m_viewerImage == Settings::ViewerOff)
    {
        setViewerImage(Settings::ViewerOn);
        if (!m_results->isEmpty())
            m_actions->previewStep();
    }
    else
    {
        setViewerImage(Settings::ViewerOff);
        m_actions->closePictureViewer();
    }
    m_settings.setValue(Settings::Display, QString::number(m_viewerImage));
}

void MainFrm::toggleRecycleBin()
{
    if (m_recycleImage == Settings::DeletePermanently)
    {
        setRecycleImage(Settings::ToRecycleBin);
    }
    else if (m_prompter.confirm(tr("Confirm"), tr("This will delete the files permanently i.e., they are not sent to "
                                                  "the recycle bin.\nAre you sure you want to preceed.")))
    {
        setRecycleImage(Settings::DeletePermanently);
    }
    else
    {
        // The menu entry ticked or unticked itself when clicked: show the state as it stands.
        setRecycleImage(m_recycleImage);
    }
    m_settings.setValue(Settings::RecycleBin, QString::number(m_recycleImage));
}
