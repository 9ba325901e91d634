// SPDX-License-Identifier: GPL-3.0-or-later
#include "actions/FileCMFrm.h"

#include "actions/CopyMarkedRows.h"
#include "actions/DesktopActions.h"
#include "actions/MoveMarkedRows.h"
#include "actions/RemovalGuard.h"
#include "core/Prompter.h"

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
    : ActionRunDialog(run.markedCount, std::move(endSound), parent), Action(action), TargetPath(run.targetPath),
      MoveFrame(labelledFrame(QStringLiteral("MoveFrame"),
                              QStringLiteral("Please select the folder, drive or network share where the files "
                                             "shall be move to."),
                              this)),
      CopyFrame(labelledFrame(QStringLiteral("CopyFrame"),
                              QStringLiteral("Please select the folder, drive or network share where the files "
                                             "shall be copy to."),
                              this)),
      txtPath(new QLineEdit(this)), cmdAdd(new QToolButton(this)),
      chkEmptyFolders(new QCheckBox(QStringLiteral("Remove Empty &Folders / Directories after process."), this)),
      chk1(new QCheckBox(QStringLiteral("Respond with \"Yes to All\" for any dialog box that is displayed."), this)),
      chk2(new QCheckBox(QStringLiteral("Copy with directory structure."), this)),
      chk3(new QCheckBox(QStringLiteral("Open destnation folder after process completed."), this)), m_model(model),
      m_run(std::move(run)), m_prompter(prompter), m_reporter(reporter), m_desktop(desktop)
{
    setObjectName(QStringLiteral("FileCMFrm"));
    txtPath->setObjectName(QStringLiteral("txtPath"));
    cmdAdd->setObjectName(QStringLiteral("cmdAdd"));
    cmdAdd->setIcon(style()->standardIcon(QStyle::SP_DirOpenIcon));
    chkEmptyFolders->setObjectName(QStringLiteral("chkEmptyFolders"));
    chk1->setObjectName(QStringLiteral("chk1"));
    chk2->setObjectName(QStringLiteral("chk2"));
    chk3->setObjectName(QStringLiteral("chk3"));
    chkEmptyFolders->setChecked(true);
    chk1->setChecked(true);
    lblFileName->setText(QStringLiteral("Progress"));

    auto *pathRow = new QHBoxLayout;
    pathRow->addWidget(new QLabel(QStringLiteral("Path"), this));
    pathRow->addWidget(txtPath, 1);
    pathRow->addWidget(cmdAdd);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdClose);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(MoveFrame);
    layout->addWidget(CopyFrame);
    layout->addLayout(pathRow);
    for (QCheckBox *box : {chkEmptyFolders, chk1, chk2, chk3})
        layout->addWidget(box);
    layout->addWidget(lblFileName);
    layout->addWidget(PBar);
    layout->addWidget(ErrList, 1);
    layout->addLayout(buttons);
    resize(600, 440);

    connect(cmdAdd, &QToolButton::clicked, this, &FileCMFrm::cmdAdd_Click);
    connect(cmdOK, &QPushButton::clicked, this, &FileCMFrm::cmdOK_Click);
}

void FileCMFrm::showEvent(QShowEvent *event)
{
    ActionRunDialog::showEvent(event);
    if (m_activated)
        return;
    m_activated = true;
    txtPath->setText(TargetPath);
    MoveFrame->setVisible(isMove());
    CopyFrame->setVisible(!isMove());
    chkEmptyFolders->setEnabled(isMove());
    setWindowTitle(isMove() ? tr("Move files to...") : tr("Copy files to..."));
}

void FileCMFrm::cmdAdd_Click()
{
    txtPath->setText(m_prompter.pickFolder(isMove() ? QStringLiteral("Move selected files to")
                                                    : QStringLiteral("Copy selected files to"),
                                           QString(), true));
}

void FileCMFrm::setChecksEnabled(bool enabled)
{
    chk1->setEnabled(enabled);
    chk2->setEnabled(enabled);
    chk3->setEnabled(enabled);
}

void FileCMFrm::cmdOK_Click()
{
    // Cancel works whatever the box holds meanwhile.
    if (state() != State::Idle)
    {
        requestCancel();
        setChecksEnabled(true);
        return;
    }
    if (txtPath->text().trimmed().isEmpty())
    {
        m_prompter.error(QStringLiteral("Path not specified, Please specify copy/move location first"));
        txtPath->setFocus();
        QPalette palette = txtPath->palette();
        palette.setColor(QPalette::Base, QColor(255, 192, 192));
        txtPath->setPalette(palette);
        return;
    }
    enterRunning();
    setChecksEnabled(false);
    // The folder is read for every file: the user may edit it while the run goes on.
    const auto destination = [this] { return txtPath->text(); };
    const RemovalGuard guard(m_model, m_run.acknowledgedGroups);
    const bool finished = runLoop([&] {
        if (isMove())
        {
            MoveMarkedRows move(m_model, guard, m_reporter);
            move.keepStructure(chk2->isChecked());
            return move.run(destination, chkEmptyFolders->isChecked(), *this);
        }
        CopyMarkedRows copy(m_model, guard, m_reporter);
        copy.keepStructure(chk2->isChecked());
        return copy.run(destination, *this);
    });
    if (!finished)
        return; // Abort in the error report: the dialog stays running until Cancel
    PBar->setValue(PBar->maximum());
    setChecksEnabled(true);
    enterFinished();
    if (chk3->isChecked())
        m_desktop.openFolder(txtPath->text());
}
