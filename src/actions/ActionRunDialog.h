// SPDX-License-Identifier: GPL-3.0-or-later
// What the deletion and copy/move dialogs share: progress bar, status label, error list, the
// OK/Cancel and Close buttons, and the idle -> running -> finished states.
#pragma once

#include "actions/ActionError.h"
#include "actions/ActionProgress.h"
#include "core/ThrottledYield.h"

#include <QDialog>

#include <functional>
#include <vector>

class QLabel;
class QProgressBar;
class QPushButton;
class QTreeWidget;

class ActionRunDialog : public QDialog, protected ActionProgress
{
    Q_OBJECT
public:
    /// True when the dialog was closed before a run started: the caller leaves the list alone.
    bool notRun = false;

    QProgressBar *progressBar = nullptr;
    QLabel *fileLabel = nullptr;
    QTreeWidget *errorList = nullptr;
    QPushButton *runButton = nullptr;
    QPushButton *closeButton = nullptr;

    /// The error rows listed so far.
    const std::vector<ActionError> &errors() const { return m_errors; }

    /// What the run did, as one sentence for the status bar (ActionSummary::done); asked after a
    /// run, before the list drops the rows of the files that went.
    virtual QString outcome() const = 0;

protected:
    /// endSound: the main window's end-of-process sound.
    ActionRunDialog(int markedCount, std::function<void()> endSound, QWidget *parent);

    enum class State
    {
        Idle,
        Running,
        Finished
    };
    State state() const { return m_state; }
    /// runButton reads "&Cancel" and closeButton is disabled.
    void enterRunning();
    /// runButton disabled, closeButton reads "&OK", the end sound plays.
    void enterFinished();
    /// Cancel: the run stops before its next file. The dialog stays, Close disabled, until the
    /// file under way is done and the run has finished; after an Abort nothing runs and the
    /// run finishes at once.
    void requestCancel();
    /// Runs the loop of the run; false when it ended by Abort (the dialog stays running).
    bool runLoop(const std::function<bool()> &loop);

    // ActionProgress
    void yield() override { m_yield(); }
    bool cancelRequested() const override { return m_cancelRequested; }
    void setProgressMaximum(int maximum) override;
    void setProgressValue(int value) override;
    void showStatus(const QString &text) override;
    void addError(const ActionError &error) override;

    void closeEvent(QCloseEvent *event) override;
    void reject() override;

private:
    void closeAfterRun();

    State m_state = State::Idle;
    bool m_cancelRequested = false;
    bool m_looping = false;
    std::function<void()> m_endSound;
    std::vector<ActionError> m_errors;
    ThrottledYield m_yield;
};
