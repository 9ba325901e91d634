// SPDX-License-Identifier: GPL-3.0-or-later
#include "actions/FileCMFrm.h"

#include "actions/ActionSummary.h"
#include "actions/CopyMarkedRows.h"
#include "actions/DesktopActions.h"
#include "actions/MoveMarkedRows.h"
#include "actions/RemovalGuard.h"
#include "core/Prompter.h"
#include "results/ResultModel.h"

#include <QCheckBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace
{
QFrame *labelledFrame(const QString &name, const QString &text, QWidget *parent)
{
    auto *frame = new QFrame(parent);
    frame->setObjectName(name);
    frame->setFrameShape(QFrame::StyledPanel);
    auto *label = new QLabel(text, frame);
    label->setWordWrap(true);
    auto *layout = new QVBoxLayout(frame);
    layout->addWidget(label);
    return frame;
}
} // namespace

FileCMFrm::FileCMFrm(const ResultModel &model, Role action, ActionRun run, Prompter &prompter, ErrorReporter &reporter,
                     DesktopActions &desktop, std::function<void()> endSound, QWidget *parent)
    : ActionRunDialog(run.markedCount, std::move(endSound), parent), role(action), targetPath(run.targetPath),
      moveNote(labelledFrame(QStringLiteral("MoveFrame"),
                             tr("Please select the folder, drive or network share where the files shall be move to."),
                             this)),
      copyNote(labelledFrame(QStringLiteral("CopyFrame"),
                             tr("Please select the folder, drive or network share where the files shall be copy to."),
                             this)),
      pathEdit(new QLineEdit(this)), browseButton(new QToolButton(this)),
      emptyFoldersCheck(new QCheckBox(tr("Remove Empty &Folders / Directories after process."), this)),
      respondCheck(new QCheckBox(tr("Respond with \"Yes to All\" for any dialog box that is displayed."), this)),
      structureCheck(new QCheckBox(tr("Copy with directory structure."), this)),
      openFolderCheck(new QCheckBox(tr("Open destnation folder after process completed."), this)),
      whatWillHappen(new QLabel(this)), m_model(model), m_run(std::move(run)), m_prompter(prompter),
      m_reporter(reporter), m_desktop(desktop)
{
    setObjectName(QStringLiteral("FileCMFrm"));
    pathEdit->setObjectName(QStringLiteral("txtPath"));
    browseButton->setObjectName(QStringLiteral("cmdAdd"));
    browseButton->setIcon(style()->standardIcon(QStyle::SP_DirOpenIcon));
    emptyFoldersCheck->setObjectName(QStringLiteral("chkEmptyFolders"));
    respondCheck->setObjectName(QStringLiteral("chk1"));
    structureCheck->setObjectName(QStringLiteral("chk2"));
    openFolderCheck->setObjectName(QStringLiteral("chk3"));
    whatWillHappen->setObjectName(QStringLiteral("lblWhatWillHappen"));
    whatWillHappen->setWordWrap(true);
    emptyFoldersCheck->setChecked(true);
    respondCheck->setChecked(true);
    fileLabel->setText(tr("Progress"));

    auto *pathRow = new QHBoxLayout;
    pathRow->addWidget(new QLabel(tr("Path"), this));
    pathRow->addWidget(pathEdit, 1);
    pathRow->addWidget(browseButton);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(runButton);
    buttons->addWidget(closeButton);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(moveNote);
    layout->addWidget(copyNote);
    layout->addLayout(pathRow);
    for (QCheckBox *box : {emptyFoldersCheck, respondCheck, structureCheck, openFolderCheck})
        layout->addWidget(box);
    layout->addWidget(whatWillHappen);
    layout->addWidget(fileLabel);
    layout->addWidget(progressBar);
    layout->addWidget(errorList, 1);
    layout->addLayout(buttons);
    resize(600, 440);

    connect(browseButton, &QToolButton::clicked, this, &FileCMFrm::chooseDestination);
    connect(runButton, &QPushButton::clicked, this, &FileCMFrm::startOrCancel);
    connect(pathEdit, &QLineEdit::textChanged, this, &FileCMFrm::showWhatWillHappen);
    connect(emptyFoldersCheck, &QCheckBox::toggled, this, &FileCMFrm::showWhatWillHappen);
}

void FileCMFrm::showEvent(QShowEvent *event)
{
    ActionRunDialog::showEvent(event);
    if (m_activated)
        return;
    m_activated = true;
    pathEdit->setText(targetPath);
    moveNote->setVisible(isMove());
    copyNote->setVisible(!isMove());
    emptyFoldersCheck->setEnabled(isMove());
    setWindowTitle(isMove() ? tr("Move files to...") : tr("Copy files to..."));
    showWhatWillHappen();
}

void FileCMFrm::chooseDestination()
{
    pathEdit->setText(
        m_prompter.pickFolder(isMove() ? tr("Move selected files to") : tr("Copy selected files to"), QString(), true));
}

void FileCMFrm::showWhatWillHappen()
{
    ActionSummary::Plan plan;
    plan.act = isMove() ? ActionSummary::Act::Move : ActionSummary::Act::Copy;
    plan.files = m_model.markedCount();
    plan.bytes = m_model.markedTotal();
    plan.folders = m_model.isFolderList();
    plan.destination = pathEdit->text();
    plan.removeEmptyFolders = emptyFoldersCheck->isChecked();
    whatWillHappen->setText(ActionSummary::willHappen(plan));
}

QString FileCMFrm::outcome() const
{
    if (isMove())
        return ActionSummary::done(ActionSummary::Act::Move, ActionSummary::goneFiles(m_model), pathEdit->text());
    // A copy leaves every file in place: the ones with an error row were refused.
    QSet<QString> refused;
    for (const ActionError &e : errors())
        refused.insert(e.fileName);
    ActionSummary::Tally tally;
    for (const ResultRow &row : m_model.rows())
    {
        if (!row.marked)
            continue;
        if (refused.contains(row.fullPath()))
        {
            ++tally.refused;
            continue;
        }
        ++tally.files;
        tally.bytes += row.size;
    }
    return ActionSummary::done(ActionSummary::Act::Copy, tally, pathEdit->text());
}

void FileCMFrm::setChecksEnabled(bool enabled)
{
    respondCheck->setEnabled(enabled);
    structureCheck->setEnabled(enabled);
    openFolderCheck->setEnabled(enabled);
}

void FileCMFrm::startOrCancel()
{
    // Cancel works whatever the box holds meanwhile.
    if (state() != State::Idle)
    {
        requestCancel();
        setChecksEnabled(true);
        return;
    }
    if (pathEdit->text().trimmed().isEmpty())
    {
        m_prompter.error(tr("Path not specified, Please specify copy/move location first"));
        pathEdit->setFocus();
        QPalette palette = pathEdit->palette();
        palette.setColor(QPalette::Base, QColor(255, 192, 192));
        pathEdit->setPalette(palette);
        return;
    }
    enterRunning();
    setChecksEnabled(false);
    // The folder is read for every file: the user may edit it while the run goes on.
    const auto destination = [this] { return pathEdit->text(); };
    const RemovalGuard guard(m_model, m_run.acknowledgedGroups);
    const bool finished = runLoop([&] {
        if (isMove())
        {
            MoveMarkedRows move(m_model, guard, m_reporter);
            move.keepStructure(structureCheck->isChecked());
            return move.run(destination, emptyFoldersCheck->isChecked(), *this);
        }
        CopyMarkedRows copy(m_model, guard, m_reporter);
        copy.keepStructure(structureCheck->isChecked());
        return copy.run(destination, *this);
    });
    if (!finished)
        return; // Abort in the error report: the dialog stays running until Cancel
    progressBar->setValue(progressBar->maximum());
    setChecksEnabled(true);
    enterFinished();
    if (openFolderCheck->isChecked())
        m_desktop.openFolder(pathEdit->text());
}
