// SPDX-License-Identifier: GPL-3.0-or-later
#include "actions/fileDelFrm.h"

#include "actions/DeleteMarkedRows.h"
#include "actions/ErrorLog.h"
#include "actions/RemovalGuard.h"
#include "core/Prompter.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

fileDelFrm::fileDelFrm(const ResultModel &model, ActionRun run, bool sendToRecycleBin, Prompter &prompter,
                       ErrorReporter &reporter, std::function<void()> endSound, QWidget *parent, QString trashFolder)
    : ActionRunDialog(run.markedCount, std::move(endSound), parent),
      chkSentTo(new QCheckBox(QStringLiteral("Send to Recycle bin (recommended)"), this)),
      chkRespond(
          new QCheckBox(QStringLiteral("Respond with \" &Yes to All \" for any dialog box that is displayed."), this)),
      chkEmptyFolders(new QCheckBox(QStringLiteral("Remove Empty &Folders / Directories after process."), this)),
      cmdSaveErr(new QPushButton(QStringLiteral("Save Err Log"), this)), m_model(model), m_run(std::move(run)),
      m_sendToRecycleBin(sendToRecycleBin), m_prompter(prompter), m_reporter(reporter),
      m_trashFolder(std::move(trashFolder))
{
    setObjectName(QStringLiteral("fileDelFrm"));
    setWindowTitle(tr("Delete Files"));
    chkSentTo->setObjectName(QStringLiteral("chkSentTo"));
    chkRespond->setObjectName(QStringLiteral("chkRespond"));
    chkEmptyFolders->setObjectName(QStringLiteral("chkEmptyFolders"));
    cmdSaveErr->setObjectName(QStringLiteral("cmdSaveErr"));
    chkSentTo->setChecked(true);
    chkRespond->setChecked(true);
    chkEmptyFolders->setChecked(true);
    cmdSaveErr->setEnabled(false);

    auto *options = new QGroupBox(QStringLiteral("Deletion Option"), this);
    auto *optionsLayout = new QVBoxLayout(options);
    optionsLayout->addWidget(chkSentTo);
    optionsLayout->addWidget(chkRespond);
    optionsLayout->addWidget(chkEmptyFolders);
    auto *warning = new QLabel(QStringLiteral("Warning! The files that you delete using this tool are entirely your "
                                              "selection. Corvina can only find duplicate copies of files, it can't "
                                              "tell which one is the duplicate/unneeded."),
                               this);
    warning->setWordWrap(true);
    auto *top = new QHBoxLayout;
    top->addWidget(options, 3);
    top->addWidget(warning, 2);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(cmdSaveErr);
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdClose);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(new QLabel(QStringLiteral("Processing file"), this));
    layout->addWidget(lblFileName);
    layout->addWidget(PBar);
    layout->addWidget(ErrList, 1);
    layout->addLayout(buttons);
    resize(640, 420);

    connect(cmdOK, &QPushButton::clicked, this, &fileDelFrm::cmdOK_Click);
    // Any change of the box, also the one made from the main window's option, asks when it
    // turns deletion permanent.
    connect(chkSentTo, &QCheckBox::toggled, this, &fileDelFrm::chkSentTo_Click);
    connect(cmdSaveErr, &QPushButton::clicked, this, &fileDelFrm::cmdSaveErr_Click);
}

void fileDelFrm::showEvent(QShowEvent *event)
{
    ActionRunDialog::showEvent(event);
    if (m_activated)
        return;
    m_activated = true;
    chkSentTo->setChecked(m_sendToRecycleBin);
}

void fileDelFrm::setOptionsEnabled(bool enabled)
{
    chkSentTo->setEnabled(enabled);
    chkRespond->setEnabled(enabled);
    chkEmptyFolders->setEnabled(enabled);
}

void fileDelFrm::cmdOK_Click()
{
    if (state() != State::Idle)
    {
        requestCancel();
        setOptionsEnabled(true);
        return;
    }
    if (!chkSentTo->isChecked() && m_run.warningsIgnored && !m_run.acknowledgedGroups.empty() &&
        !m_prompter.confirm(QStringLiteral("Confirm"),
                            QStringLiteral("Every copy of the files of %1 group(s) is marked, and they will be deleted "
                                           "permanently: nothing of them will be left, not even in the trash.\n\n"
                                           "Are you sure you want to continue?")
                                .arg(m_run.acknowledgedGroups.size())))
        return;
    enterRunning();
    setOptionsEnabled(false);
    DeleteOptions options;
    options.sendToTrash = chkSentTo->isChecked();
    options.respondYesToAll = chkRespond->isChecked();
    options.removeEmptyFolders = chkEmptyFolders->isChecked();
    options.trashFolder = m_trashFolder;
    const RemovalGuard guard(m_model, m_run.acknowledgedGroups);
    if (!runLoop([&] { return DeleteMarkedRows(m_model, guard, m_prompter, m_reporter).run(options, *this); }))
        return; // Abort in the error report: the dialog stays running until Cancel
    setOptionsEnabled(true);
    enterFinished();
}

void fileDelFrm::chkSentTo_Click(bool checked)
{
    if (checked)
        return;
    const bool sure = m_prompter.confirm(QStringLiteral("Confirm"),
                                         QStringLiteral("Are you sure to preceed.\nThis will delete the files "
                                                        "permanently i.e., they are not sent to the recycle bin."));
    if (!sure)
        chkSentTo->setChecked(true);
}

void fileDelFrm::addError(const ActionError &error)
{
    ActionRunDialog::addError(error);
    cmdSaveErr->setEnabled(true);
}

void fileDelFrm::cmdSaveErr_Click()
{
    const QString path = m_prompter
                             .saveFile(QStringLiteral("Error Logs"), QStringLiteral("Error Logs|*.log"), QString(),
                                       ErrorLog::DefaultName(QDate::currentDate()))
                             .trimmed();
    if (path.isEmpty())
        return;
    QString failure;
    if (!ErrorLog::Save(path, errors(), QDateTime::currentDateTime(), &failure))
        m_prompter.error(QStringLiteral("Unable to write the error log to \"%1\".\n%2").arg(path, failure));
}
