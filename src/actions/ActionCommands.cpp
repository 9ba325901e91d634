// SPDX-License-Identifier: GPL-3.0-or-later
#include "actions/ActionCommands.h"

#include "actions/CommonDlg.h"
#include "actions/DeleteFilesDialog.h"
#include "actions/DesktopActions.h"
#include "actions/FileCMFrm.h"
#include "actions/FileInfoFrm.h"
#include "actions/FilePropertiesFrm.h"
#include "actions/LinkFrm.h"
#include "actions/PicturePreview.h"
#include "actions/SingleFileActions.h"
#include "core/ErrorReport.h"
#include "platform/Settings.h"
#include "results/ResultModel.h"

#include <QCoreApplication>
#include <QWidget>

/// The real dialogs, modal over the main window.
class ActionCommands::Dialogs : public ActionDialogs
{
public:
    explicit Dialogs(ActionCommands &owner) : m_owner(owner) {}

    bool runDeletion(const ActionRun &run) override
    {
        const bool recycle = m_owner.m_settings.deletionMode() == Settings::DeletionMode::Trash;
        DeleteFilesDialog dialog(m_owner.m_model, run, recycle, m_owner.m_prompter, m_owner.m_reporter,
                                 m_owner.m_hooks.endSound, m_owner.m_hooks.window);
        CommonDlg::centerForm(&dialog);
        dialog.exec();
        keepOutcome(dialog);
        return dialog.notRun;
    }
    bool runMove(const ActionRun &run) override { return runCopyMove(FileCMFrm::Role::Move, run); }
    bool runLinks(const ActionRun &run, FileTransfer::LinkKind kind, LinkRunResult &result) override
    {
        LinkFrm dialog(m_owner.m_model, run, kind, m_owner.m_reporter, m_owner.m_hooks.endSound,
                       m_owner.m_hooks.window);
        CommonDlg::centerForm(&dialog);
        dialog.exec();
        result = dialog.result();
        keepOutcome(dialog);
        return dialog.notRun;
    }
    void runCopy(const ActionRun &run) override { runCopyMove(FileCMFrm::Role::Copy, run); }

private:
    bool runCopyMove(FileCMFrm::Role action, const ActionRun &run)
    {
        FileCMFrm dialog(m_owner.m_model, action, run, m_owner.m_prompter, m_owner.m_reporter, *m_owner.m_desktop,
                         m_owner.m_hooks.endSound, m_owner.m_hooks.window);
        CommonDlg::centerForm(&dialog);
        dialog.exec();
        keepOutcome(dialog);
        return dialog.notRun;
    }
    void keepOutcome(const ActionRunDialog &dialog)
    {
        if (!dialog.notRun)
            m_owner.m_outcome = dialog.outcome();
    }

    ActionCommands &m_owner;
};

ActionCommands::ActionCommands(ResultModel &model, Prompter &prompter, ErrorReporter &reporter, Settings &settings,
                               Hooks hooks, QObject *parent)
    : QObject(parent), m_model(model), m_prompter(prompter), m_reporter(reporter), m_settings(settings),
      m_hooks(std::move(hooks)), m_desktop(std::make_unique<SystemDesktop>())
{}

ActionCommands::~ActionCommands()
{
    delete m_viewer;
}

void ActionCommands::setDesktop(std::unique_ptr<DesktopActions> desktop)
{
    m_desktop = std::move(desktop);
}

int ActionCommands::focusedRow() const
{
    const int row = m_hooks.focusedRow ? m_hooks.focusedRow() : -1;
    return row >= 0 && row < m_model.size() ? row : -1;
}

bool ActionCommands::zeroSize() const
{
    return m_model.anchors().origin.kind == ListKind::ZeroSize;
}

void ActionCommands::runDriver(const std::function<void(ActionDriver &)> &command)
{
    Dialogs dialogs(*this);
    ActionDriver driver({m_model, m_prompter, m_reporter, dialogs, m_hooks.keepOneWarning,
                         [this](const QString &text) {
                             if (m_hooks.status)
                                 m_hooks.status(text);
                         },
                         [] { QCoreApplication::processEvents(); }});
    m_outcome.clear();
    command(driver);
    if (m_outcome.isEmpty())
        return;
    // What was done, then the marks that are left.
    if (m_hooks.status)
        //: Status bar after an act: what was done, then the marked files that are left.
        m_hooks.status(tr("%1. %2").arg(
            m_outcome, ResultModel::summaryText(m_model.markedCount(), static_cast<double>(m_model.markedTotal()))));
    if (m_hooks.rowsLeft)
        m_hooks.rowsLeft();
}

void ActionCommands::deleteMarkedFiles()
{
    runDriver([](ActionDriver &d) { d.processMarkedRows(ActionDriver::Removal::Delete); });
}

void ActionCommands::moveMarkedFiles()
{
    runDriver([](ActionDriver &d) { d.processMarkedRows(ActionDriver::Removal::Move); });
}

void ActionCommands::copyMarkedFiles()
{
    runDriver([](ActionDriver &d) { d.copyMarkedFiles(); });
}

void ActionCommands::replaceWithHardLinks()
{
    runDriver([](ActionDriver &d) { d.replaceWithLinks(FileTransfer::LinkKind::Hard); });
}

void ActionCommands::replaceWithClones()
{
    runDriver([](ActionDriver &d) { d.replaceWithLinks(FileTransfer::LinkKind::Clone); });
}

void ActionCommands::renameFile()
{
    if (m_model.isFolderList())
    {
        m_prompter.error(ActionDriver::folderListText());
        return;
    }
    runStep(m_reporter, QStringLiteral("Rename"),
            [this] { SingleFileActions(m_model, m_prompter, *m_desktop).renameFile(focusedRow()); });
}

void ActionCommands::openFile()
{
    runStep(m_reporter, QStringLiteral("RLV Select"), [this] {
        const int row = focusedRow();
        if (row < 0)
            return;
        const int x = m_hooks.pointerTwips ? m_hooks.pointerTwips() : 0;
        if (SingleFileActions::doubleClickOpens(x))
        {
            openRow(row);
            return;
        }
        const bool marked = m_model.isMarked(row);
        const auto &toggle = marked ? m_hooks.unmarkSelected : m_hooks.markSelected;
        if (toggle)
        {
            toggle();
            return;
        }
        m_model.setMarked(row, !marked);
        if (m_hooks.status)
            m_hooks.status(ResultModel::summaryText(m_model.markedCount(), static_cast<double>(m_model.markedTotal())));
    });
}

void ActionCommands::openRow(int row)
{
    SingleFileActions(m_model, m_prompter, *m_desktop).openFile(row);
}

void ActionCommands::openFolder()
{
    SingleFileActions(m_model, m_prompter, *m_desktop).openFolder(focusedRow());
}

void ActionCommands::copyPath()
{
    SingleFileActions(m_model, m_prompter, *m_desktop).copyPath(focusedRow());
}

void ActionCommands::showFileProperties()
{
    const int row = focusedRow();
    if (row < 0)
        return;
    auto *window = new FilePropertiesFrm(m_model.row(row).fullPath(), m_hooks.window);
    window->show();
}

void ActionCommands::openMarkedFiles()
{
    SingleFileActions(m_model, m_prompter, *m_desktop).openMarkedFiles();
}

void ActionCommands::removeMarkedFromList()
{
    runStep(m_reporter, QStringLiteral("Remove From Result"), [this] {
        if (SingleFileActions(m_model, m_prompter, *m_desktop).removeMarkedFromList(zeroSize()) <= 0)
            return;
        if (m_hooks.status)
            m_hooks.status(ResultModel::summaryText(m_model.markedCount(), static_cast<double>(m_model.markedTotal())));
        if (m_hooks.rowsLeft)
            m_hooks.rowsLeft();
    });
}

void ActionCommands::previewStep()
{
    const bool on = m_settings.showViewer();
    const int row = focusedRow();
    const QString name = row >= 0 ? m_model.row(row).name() : QString();
    const std::optional<PicturePreview::Pair> pair = PicturePreview::pairOf(m_model, row);
    switch (PicturePreview::previewStep(on, row >= 0, name, pair.has_value()))
    {
    case PicturePreview::Step::Nothing:
        return;
    case PicturePreview::Step::Hide:
        if (m_viewer)
            m_viewer->hide();
        return;
    case PicturePreview::Step::Show:
        break;
    }
    if (!m_viewer)
        m_viewer = new FileInfoFrm(m_prompter, m_settings, m_hooks.window);
    if (pair)
        m_viewer->loadPair(*pair);
    else
        m_viewer->loadPicture(m_model.row(row).fullPath());
    if (!m_viewer->isVisible())
    {
        m_viewer->show();
        // The arrow keys keep moving through the list.
        if (m_hooks.window)
            m_hooks.window->activateWindow();
    }
}

void ActionCommands::runPreview(const QString &label)
{
    runStep(m_reporter, label, [this] { previewStep(); });
}

void ActionCommands::closePictureViewer()
{
    if (!m_viewer)
        return;
    m_viewer->unload();
    m_viewer->deleteLater();
    m_viewer = nullptr;
}
