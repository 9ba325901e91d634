// SPDX-License-Identifier: GPL-3.0-or-later
// The keep-one-original warning: shown by the action driver for a group whose every file is
// marked, before a delete or move.
#pragma once

#include "results/KeepOneChoice.h"

#include <QDialog>

#include <vector>

class Prompter;
class QTreeWidget;
class QTreeWidgetItem;
class ResultModel;

/// "Warning!": the group's files with check boxes (unticking one unmarks its row in the result
/// list at once) and three answers, which the driver reads from choice after it closes.
class WarningFrm : public QDialog
{
    Q_OBJECT
public:
    WarningFrm(ResultModel &model, Prompter &prompter, QWidget *parent = nullptr);

    /// Lists these rows of the result list (0-based indexes), ticked.
    void setGroupRows(const std::vector<int> &rows);

    KeepOneChoice choice = KeepOneChoice::Closed;

    /// Shows the warning modally for these rows and returns choice (the action driver's
    /// keep-one-warning hook).
    static KeepOneChoice ask(ResultModel &model, Prompter &prompter, const std::vector<int> &rows, QWidget *parent);

private:
    void keepOneOfEach();
    void ignoreWarnings();
    void continueWithMarks();
    void updateRowMark(QTreeWidgetItem *item, int column);

    ResultModel &m_model;
    Prompter &m_prompter;
    QTreeWidget *m_fileList = nullptr;
};
