// SPDX-License-Identifier: GPL-3.0-or-later
#include "actions/ActionRunDialog.h"

#include <QCloseEvent>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeWidget>

ActionRunDialog::ActionRunDialog(int markedCount, std::function<void()> endSound, QWidget *parent)
    : QDialog(parent), progressBar(new QProgressBar(this)), fileLabel(new QLabel(this)),
      errorList(new QTreeWidget(this)), runButton(new QPushButton(this)), closeButton(new QPushButton(this)),
      m_endSound(std::move(endSound))
{
    //: Starts the run, and closes the dialog once it is done.
    runButton->setText(tr("&OK"));
    //: Closes the dialog before anything was done; after the run the button reads "&OK".
    closeButton->setText(tr("&Close"));
    progressBar->setObjectName(QStringLiteral("PBar"));
    progressBar->setRange(0, std::max(1, markedCount));
    progressBar->setValue(0);
    fileLabel->setObjectName(QStringLiteral("lblFileName"));
    fileLabel->setTextFormat(Qt::PlainText);
    errorList->setObjectName(QStringLiteral("ErrList"));
    errorList->setRootIsDecorated(false);
    errorList->setHeaderLabels({tr("Error No"), tr("Description"), tr("File Name")});
    errorList->header()->setStretchLastSection(true);
    errorList->setColumnWidth(0, 70);
    errorList->setColumnWidth(1, 230);
    runButton->setObjectName(QStringLiteral("cmdOK"));
    runButton->setDefault(true);
    closeButton->setObjectName(QStringLiteral("cmdClose"));
    connect(closeButton, &QPushButton::clicked, this, &ActionRunDialog::closeAfterRun);
}

void ActionRunDialog::enterRunning()
{
    m_state = State::Running;
    runButton->setText(tr("&Cancel"));
    closeButton->setEnabled(false);
}

void ActionRunDialog::enterFinished()
{
    m_state = State::Finished;
    if (m_endSound)
        m_endSound();
    closeButton->setText(tr("&OK"));
    closeButton->setEnabled(true);
    runButton->setEnabled(false);
    // A cancel that was waiting for the file in hand is over: the button no longer says it stops.
    runButton->setText(tr("&Cancel"));
}

void ActionRunDialog::requestCancel()
{
    m_cancelRequested = true;
    runButton->setEnabled(false);
    if (!m_looping)
    {
        enterFinished();
        return;
    }
    // Closing now would leave the window free while a file is still being moved or copied.
    runButton->setText(tr("Stopping..."));
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
    progressBar->setMaximum(maximum);
}

void ActionRunDialog::setProgressValue(int value)
{
    progressBar->setValue(std::min(value, progressBar->maximum()));
}

void ActionRunDialog::showStatus(const QString &text)
{
    fileLabel->setText(text);
}

void ActionRunDialog::addError(const ActionError &error)
{
    m_errors.push_back(error);
    errorList->addTopLevelItem(new QTreeWidgetItem({error.number, error.description, error.fileName}));
}

void ActionRunDialog::closeAfterRun()
{
    notRun = m_state != State::Finished;
    done(QDialog::Accepted);
}

void ActionRunDialog::closeEvent(QCloseEvent *event)
{
    // The title bar's close acts as Close, and like Close it waits while files are processed.
    if (!closeButton->isEnabled())
    {
        event->ignore();
        return;
    }
    notRun = m_state != State::Finished;
    QDialog::closeEvent(event);
}

void ActionRunDialog::reject()
{
    if (closeButton->isEnabled())
        closeAfterRun();
}
