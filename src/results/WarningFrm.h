// The keep-one-original warning: shown by the action driver for a group whose every file is
// marked, before a delete or move.
#pragma once

#include <QDialog>

#include <vector>

class Prompter;
class QTreeWidget;
class QTreeWidgetItem;
class ResultModel;

/// "Warning!": the group's files with check boxes (unticking one unmarks its row in the result
/// list at once) and three answers. After it closes the driver reads WarningChoice: "1" keep one
/// file of every fully marked group, "2" ignore further warnings, "3" go on with the marks as
/// they are; empty when the window was closed otherwise.
class WarningFrm : public QDialog
{
    Q_OBJECT
public:
    WarningFrm(ResultModel &model, Prompter &prompter, QWidget *parent = nullptr);

    /// Lists these rows of the result list (0-based indexes), ticked.
    void setGroupRows(const std::vector<int> &rows);

    QString WarningChoice;

    /// Shows the warning modally for these rows and returns WarningChoice (the action driver's
    /// keep-one-warning hook).
    static QString ask(ResultModel &model, Prompter &prompter, const std::vector<int> &rows, QWidget *parent);

private:
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void WList_ItemCheck(QTreeWidgetItem *item, int column);

    ResultModel &m_model;
    Prompter &m_prompter;
    QTreeWidget *WList = nullptr;
};
