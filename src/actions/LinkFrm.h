// SPDX-License-Identifier: GPL-3.0-or-later
// The dialog that replaces the marked files with hard links or clones of their kept copies.
#pragma once

#include "actions/ActionDriver.h"
#include "actions/ActionRunDialog.h"

class ErrorReporter;
class QLabel;
class ResultModel;

class LinkFrm : public ActionRunDialog
{
    Q_OBJECT
public:
    LinkFrm(const ResultModel &model, ActionRun run, FileTransfer::LinkKind kind, ErrorReporter &reporter,
            std::function<void()> endSound, QWidget *parent = nullptr);

    /// What the run replaced, once it has run.
    const LinkRunResult &result() const { return m_result; }
    QString outcome() const override;

    /// What OK will do: how many files, how many bytes, and that they are replaced in place.
    QLabel *whatWillHappen = nullptr;

private:
    void startOrCancel();

    const ResultModel &m_model;
    ActionRun m_run;
    FileTransfer::LinkKind m_kind;
    ErrorReporter &m_reporter;
    LinkRunResult m_result;
};
