// SPDX-License-Identifier: GPL-3.0-or-later
// The deletion dialog: deletes the marked files to the trash or for good, lists failures.
#pragma once

#include "actions/ActionDriver.h"
#include "actions/ActionRunDialog.h"

class ErrorReporter;
class Prompter;
class QCheckBox;
class QLabel;
class ResultModel;

class DeleteFilesDialog : public ActionRunDialog
{
    Q_OBJECT
public:
    /// sendToRecycleBin: the main window's Recycle Bin option, applied to trashCheck when the
    /// dialog is shown. trashFolder: the home trash to use ("" for the user's).
    DeleteFilesDialog(const ResultModel &model, ActionRun run, bool sendToRecycleBin, Prompter &prompter,
                      ErrorReporter &reporter, std::function<void()> endSound, QWidget *parent = nullptr,
                      QString trashFolder = QString());

    QCheckBox *trashCheck = nullptr;
    QCheckBox *respondCheck = nullptr;
    QCheckBox *emptyFoldersCheck = nullptr;
    QPushButton *saveLogButton = nullptr;
    /// What OK will do: how many files, how many bytes, where they go, and the emptied folders.
    QLabel *whatWillHappen = nullptr;

    QString outcome() const override;

protected:
    void showEvent(QShowEvent *event) override;
    void addError(const ActionError &error) override;

private:
    void startOrCancel();
    void confirmPermanentDeletion(bool checked);
    void saveErrorLog();
    void setOptionsEnabled(bool enabled);
    void showWhatWillHappen();

    const ResultModel &m_model;
    ActionRun m_run;
    bool m_sendToRecycleBin;
    bool m_activated = false;
    Prompter &m_prompter;
    ErrorReporter &m_reporter;
    QString m_trashFolder;
};
