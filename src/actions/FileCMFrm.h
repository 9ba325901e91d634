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
class QLabel;
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

    const Role role;
    const QString targetPath;

    QFrame *moveNote = nullptr;
    QFrame *copyNote = nullptr;
    QLineEdit *pathEdit = nullptr;
    QToolButton *browseButton = nullptr;
    QCheckBox *emptyFoldersCheck = nullptr;
    QCheckBox *respondCheck = nullptr;
    QCheckBox *structureCheck = nullptr;
    QCheckBox *openFolderCheck = nullptr;
    /// What OK will do: how many files, how many bytes, the folder, and the emptied folders.
    QLabel *whatWillHappen = nullptr;

    QString outcome() const override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    bool isMove() const { return role == Role::Move; }
    void chooseDestination();
    void startOrCancel();
    void setChecksEnabled(bool enabled);
    void showWhatWillHappen();

    const ResultModel &m_model;
    ActionRun m_run;
    Prompter &m_prompter;
    ErrorReporter &m_reporter;
    DesktopActions &m_desktop;
    bool m_activated = false;
};
