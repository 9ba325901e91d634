// SPDX-License-Identifier: GPL-3.0-or-later
#include "actions/DeleteFilesDialog.h"

#include "actions/ActionSummary.h"
#include "actions/DeleteMarkedRows.h"
#include "actions/ErrorLog.h"
#include "actions/RemovalGuard.h"
#include "core/Prompter.h"
#include "results/ResultModel.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

DeleteFilesDialog::DeleteFilesDialog(const ResultModel &model, ActionRun run, bool sendToRecycleBin, Prompter &prompter,
                                     ErrorReporter &reporter, std::function<void()> endSound, QWidget *parent,
                                     QString trashFolder)
    : ActionRunDialog(run.markedCount, std::move(endSound), parent),
      trashCheck(new QCheckBox(tr("Send to Recycle bin (recommended)"), this)),
      respondCheck(new QCheckBox(tr("Respond with \" &Yes to All \" for any dialog box that is displayed."), this)),
      emptyFoldersCheck(new QCheckBox(tr("Remove Empty &Folders / Directories after process."), this)),
      saveLogButton(new QPushButton(tr("Save Err Log"), this)), whatWillHappen(new QLabel(this)), m_model(model),
      m_run(std::move(run)), m_sendToRecycleBin(sendToRecycleBin), m_prompter(prompter), m_reporter(reporter),
      m_trashFolder(std::move(trashFolder))
{
    setObjectName(QStringLiteral("fileDelFrm"));
    setWindowTitle(tr("Delete Files"));
    trashCheck->setObjectName(QStringLiteral("chkSentTo"));
    respondCheck->setObjectName(QStringLiteral("chkRespond"));
    emptyFoldersCheck->setObjectName(QStringLiteral("chkEmptyFolders"));
    saveLogButton->setObjectName(QStringLiteral("cmdSaveErr"));
    whatWillHappen->setObjectName(QStringLiteral("lblWhatWillHappen"));
    whatWillHappen->setWordWrap(true);
    trashCheck->setChecked(true);
    respondCheck->setChecked(true);
    emptyFoldersCheck->setChecked(true);
    saveLogButton->setEnabled(false);

    auto *options = new QGroupBox(tr("Deletion Option"), this);
    auto *optionsLayout = new QVBoxLayout(options);
    optionsLayout->addWidget(trashCheck);
    optionsLayout->addWidget(respondCheck);
    optionsLayout->addWidget(emptyFoldersCheck);
    auto *warning = new QLabel(tr("Warning! The files that you delete using this tool are entirely your selection. "
                                  "Corvina can only find duplicate copies of files, it can't tell which one is the "
                                  "duplicate/unneeded."),
                               this);
    warning->setWordWrap(true);
    auto *top = new QHBoxLayout;
    top->addWidget(options, 3);
    top->addWidget(warning, 2);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(saveLogButton);
    buttons->addStretch();
    buttons->addWidget(runButton);
    buttons->addWidget(closeButton);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(whatWillHappen);
    layout->addWidget(new QLabel(tr("Processing file"), this));
    layout->addWidget(fileLabel);
    layout->addWidget(progressBar);
    layout->addWidget(errorList, 1);
    layout->addLayout(buttons);
    resize(640, 420);

    connect(runButton, &QPushButton::clicked, this, &DeleteFilesDialog::startOrCancel);
    // Any change of the box, also the one made from the main window's option, asks when it
    // turns deletion permanent.
    connect(trashCheck, &QCheckBox::toggled, this, &DeleteFilesDialog::confirmPermanentDeletion);
    connect(saveLogButton, &QPushButton::clicked, this, &DeleteFilesDialog::saveErrorLog);
    connect(trashCheck, &QCheckBox::toggled, this, &DeleteFilesDialog::showWhatWillHappen);
    connect(emptyFoldersCheck, &QCheckBox::toggled, this, &DeleteFilesDialog::showWhatWillHappen);
    showWhatWillHappen();
}

void DeleteFilesDialog::showEvent(QShowEvent *event)
{
    ActionRunDialog::showEvent(event);
    if (m_activated)
        return;
    m_activated = true;
    trashCheck->setChecked(m_sendToRecycleBin);
}

void DeleteFilesDialog::showWhatWillHappen()
{
    ActionSummary::Plan plan;
    plan.act = trashCheck->isChecked() ? ActionSummary::Act::Trash : ActionSummary::Act::DeletePermanently;
    plan.files = m_model.markedCount();
    plan.bytes = m_model.markedTotal();
    plan.removeEmptyFolders = emptyFoldersCheck->isChecked();
    plan.folders = m_model.isFolderList();
    whatWillHappen->setText(ActionSummary::willHappen(plan));
}

QString DeleteFilesDialog::outcome() const
{
    return ActionSummary::done(trashCheck->isChecked() ? ActionSummary::Act::Trash
                                                       : ActionSummary::Act::DeletePermanently,
                               ActionSummary::goneFiles(m_model));
}

void DeleteFilesDialog::setOptionsEnabled(bool enabled)
{
    trashCheck->setEnabled(enabled);
    respondCheck->setEnabled(enabled);
    emptyFoldersCheck->setEnabled(enabled);
}

void DeleteFilesDialog::startOrCancel()
{
    if (state() != State::Idle)
    {
        requestCancel();
        setOptionsEnabled(true);
        return;
    }
    if (!trashCheck->isChecked() && m_run.warningsIgnored && !m_run.acknowledgedGroups.empty() &&
        !m_prompter.confirm(tr("Confirm"),
                            tr("Every copy of the files of %n group(s) is marked, and they will be deleted "
                               "permanently: nothing of them will be left, not even in the trash.\n\n"
                               "Are you sure you want to continue?",
                               nullptr, static_cast<int>(m_run.acknowledgedGroups.size()))))
        return;
    enterRunning();
    setOptionsEnabled(false);
    DeleteOptions options;
    options.sendToTrash = trashCheck->isChecked();
    options.respondYesToAll = respondCheck->isChecked();
    options.removeEmptyFolders = emptyFoldersCheck->isChecked();
    options.trashFolder = m_trashFolder;
    const RemovalGuard guard(m_model, m_run.acknowledgedGroups);
    if (!runLoop([&] { return DeleteMarkedRows(m_model, guard, m_prompter, m_reporter).run(options, *this); }))
        return; // Abort in the error report: the dialog stays running until Cancel
    setOptionsEnabled(true);
    enterFinished();
}

void DeleteFilesDialog::confirmPermanentDeletion(bool checked)
{
    if (checked)
        return;
    const bool sure = m_prompter.confirm(tr("Confirm"), tr("Are you sure to preceed.\nThis will delete the files "
                                                           "permanently i.e., they are not sent to the recycle bin."));
    if (!sure)
        trashCheck->setChecked(true);
}

void DeleteFilesDialog::addError(const ActionError &error)
{
    ActionRunDialog::addError(error);
    saveLogButton->setEnabled(true);
}

void DeleteFilesDialog::saveErrorLog()
{
    const QString title = tr("Error Logs");
    // The pattern after "|" is the file dialog's, not a text to read.
    const QString path =
        m_prompter
            .saveFile(title, title + QStringLiteral("|*.log"), QString(), ErrorLog::defaultName(QDate::currentDate()))
            .trimmed();
    if (path.isEmpty())
        return;
    QString failure;
    if (!ErrorLog::save(path, errors(), QDateTime::currentDateTime(), &failure))
        m_prompter.error(tr("Unable to write the error log to \"%1\".\n%2").arg(path, failure));
}
