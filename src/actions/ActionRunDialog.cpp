// SPDX-License-Identifier: GPL-3.0-or-later
#include "actions/ActionRunDialog.h"

#include <QCloseEvent>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeWidget>

ActionRunDialog::ActionRunDialog(int markedCount, std::function<void()> endSound, QWidget *parent)
    : QDialog(parent), PBar(new QProgressBar(this)), lblFileName(new QLabel(this)), ErrList(new QTreeWidget(this)),
      cmdOK(new QPushButton(QStringLiteral("&OK"), this)), cmdClose(new QPushButton(QStringLiteral("&Close"), this)),
      m_endSound(std::move(endSound))
{
    PBar->setObjectName(QStringLiteral("PBar"));
    PBar->setRange(0, std::max(1, markedCount));
    PBar->setValue(0);
    lblFileName->setObjectName(QStringLiteral("lblFileName"));
    lblFileName->setTextFormat(Qt::PlainText);
    ErrList->setObjectName(QStringLiteral("ErrList"));
    ErrList->setRootIsDecorated(false);
    ErrList->setHeaderLabels({QStringLiteral("Error No"), QStringLiteral("Description"), QStringLiteral("File Name")});
    ErrList->header()->setStretchLastSection(true);
    ErrList->setColumnWidth(0, 70);
    ErrList->setColumnWidth(1, 230);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    connect(cmdClose, &QPushButton::clicked, this, &ActionRunDialog::cmdClose_Click);
}

void ActionRunDialog::enterRunning()
{
    m_state = State::Running;
    cmdOK->setText(QStringLiteral("&Cancel"));
    cmdClose->setEnabled(false);
}

void ActionRunDialog::enterFinished()
{
    m_state = State::Finished;
    if (m_endSound)
        m_endSound();
    cmdClose->setText(QStringLiteral("&OK"));
    cmdClose->setEnabled(true);
    cmdOK->setEnabled(false);
}

void ActionRunDialog::requestCancel()
{
    m_cancelRequested = true;
    cmdOK->setEnabled(false);
    if (!m_looping)
    {
        enterFinished();
        return;
    }
    // Closing now would leave the window free while a file is still being moved or copied.
    cmdOK->setText(QStringLiteral("Stopping..."));
}

bool ActionRunDialog::runLoop(const std::function<bool()> &loop)
{
    m_looping = true;
    const bool finished = loop();
    m_looping = false;
    return finished;
}

void ActionRunDialog::setProgressMaximum(int maximum)
{
    PBar->setMaximum(maximum);
}

void ActionRunDialog::setProgressValue(int value)
{
    PBar->setValue(std::min(value, PBar->maximum()));
}

void ActionRunDialog::showStatus(const QString &text)
{
    lblFileName->setText(text);
}

void ActionRunDialog::addError(const ActionError &error)
{
    m_errors.push_back(error);
    ErrList->addTopLevelItem(new QTreeWidgetItem({error.number, error.description, error.fileName}));
}

void ActionRunDialog::cmdClose_Click()
{
    NotRun = cmdClose->text() != QStringLiteral("&OK");
    done(QDialog::Accepted);
}

void ActionRunDialog::closeEvent(QCloseEvent *event)
{
    // The title bar's close acts as Close, and like Close it waits while files are processed.
    if (!cmdClose->isEnabled())
    {
        event->ignore();
        return;
    }
    NotRun = cmdClose->text() != QStringLiteral("&OK");
    QDialog::closeEvent(event);
}

void ActionRunDialog::reject()
{
    if (cmdClose->isEnabled())
        cmdClose_Click();
}
