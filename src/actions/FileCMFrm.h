// SPDX-License-Identifier: GPL-3.0-or-later
// The copy/move dialog: copies or moves the marked files into a folder, lists failures.
#pragma once

#include "actions/ActionDriver.h"
#include "actions/ActionRunDialog.h"

class DesktopActions;
class ErrorReporter;
class Prompter;
class QCheckBox;
class QFrame;
class QLineEdit;
class QToolButton;
class ResultModel;

class FileCMFrm : public ActionRunDialog
{
    Q_OBJECT
public:
    enum class Role
    {
        Copy,
        Move,
    };
    /// run.targetPath: the folder chosen by the caller.
    FileCMFrm(const ResultModel &model, Role action, ActionRun run, Prompter &prompter, ErrorReporter &reporter,
              DesktopActions &desktop, std::function<void()> endSound, QWidget *parent = nullptr);

    const Role Action;
    const QString TargetPath;

    QFrame *MoveFrame = nullptr;
    QFrame *CopyFrame = nullptr;
    QLineEdit *txtPath = nullptr;
    QToolButton *cmdAdd = nullptr;
    QCheckBox *chkEmptyFolders = nullptr;
    QCheckBox *chk1 = nullptr;
    QCheckBox *chk2 = nullptr;
    QCheckBox *chk3 = nullptr;

protected:
    void showEvent(QShowEvent *event) override;

private:
    bool isMove() const { return Action == Role::Move; }
    void cmdAdd_Click();
    void cmdOK_Click();
    void setChecksEnabled(bool enabled);

    const ResultModel &m_model;
    ActionRun m_run;
    Prompter &m_prompter;
    ErrorReporter &m_reporter;
    DesktopActions &m_desktop;
    bool m_activated = false;
};
