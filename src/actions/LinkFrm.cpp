// SPDX-License-Identifier: GPL-3.0-or-later
#include "actions/LinkFrm.h"

#include "actions/ActionSummary.h"
#include "actions/RemovalGuard.h"
#include "results/ResultModel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

LinkFrm::LinkFrm(const ResultModel &model, ActionRun run, FileTransfer::LinkKind kind, ErrorReporter &reporter,
                 std::function<void()> endSound, QWidget *parent)
    : ActionRunDialog(run.markedCount, std::move(endSound), parent), whatWillHappen(new QLabel(this)), m_model(model),
      m_run(std::move(run)), m_kind(kind), m_reporter(reporter)
{
    const bool hard = kind == FileTransfer::LinkKind::Hard;
    setObjectName(QStringLiteral("LinkFrm"));
    setWindowTitle(hard ? tr("Replace with hard links") : tr("Replace with clones"));
    auto *about = new QLabel(
        hard ? tr("Each marked file is replaced with a hard link to an unmarked copy that holds the same bytes: every "
                  "path keeps working and opens the same content, and the space of the marked file is freed. A hard "
                  "link is the copy itself under a second name, so both must be on one file system and have the same "
                  "owner, permissions and attributes.")
             : tr("Each marked file is replaced with a clone of an unmarked copy that holds the same bytes: a file of "
                  "its own, with the owner, permissions and attributes of the file it replaces, that shares the copy's "
                  "blocks on the disk until one of them is changed. Only file systems such as btrfs and XFS can make "
                  "clones."),
        this);
    about->setWordWrap(true);
    whatWillHappen->setObjectName(QStringLiteral("lblWhatWillHappen"));
    whatWillHappen->setWordWrap(true);
    ActionSummary::Plan plan;
    plan.act = hard ? ActionSummary::Act::HardLink : ActionSummary::Act::Clone;
    plan.files = model.markedCount();
    plan.bytes = model.markedTotal();
    whatWillHappen->setText(ActionSummary::willHappen(plan));
    fileLabel->setText(tr("Progress"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(runButton);
    buttons->addWidget(closeButton);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(about);
    layout->addWidget(whatWillHappen);
    layout->addWidget(fileLabel);
    layout->addWidget(progressBar);
    layout->addWidget(errorList, 1);
    layout->addLayout(buttons);
    resize(600, 400);
    connect(runButton, &QPushButton::clicked, this, &LinkFrm::startOrCancel);
}

QString LinkFrm::outcome() const
{
    ActionSummary::Tally tally;
    tally.files = static_cast<qint64>(m_result.linked.size());
    tally.bytes = m_result.freed;
    tally.refused = m_model.markedCount() - tally.files;
    return ActionSummary::done(
        m_kind == FileTransfer::LinkKind::Hard ? ActionSummary::Act::HardLink : ActionSummary::Act::Clone, tally);
}

void LinkFrm::startOrCancel()
{
    if (state() != State::Idle)
    {
        requestCancel();
        return;
    }
    enterRunning();
    const RemovalGuard guard(m_model);
    if (!runLoop([&] { return LinkMarkedRows(m_model, guard, m_reporter).run(m_kind, *this, m_result); }))
        return; // Abort in the error report: the dialog stays running until Cancel
    enterFinished();
}
