// SPDX-License-Identifier: GPL-3.0-or-later
// Asks before a scan of more than 100000 files goes on.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

class frmTooManyFiles : public QDialog
{
    Q_OBJECT
public:
    explicit frmTooManyFiles(QWidget *parent = nullptr);

    /// The message for a walk that found totalFiles files.
    static QString titleFor(qint32 totalFiles);
    void setTotalFiles(qint32 totalFiles);

    /// True after OK, false after Cancel; unchanged when the window is closed otherwise.
    bool Proceed = false;

    QLabel *lblTitle = nullptr;

private:
    void Command1_Click();
    void Command2_Click();

    QPushButton *Command1 = nullptr;
    QPushButton *Command2 = nullptr;
};
