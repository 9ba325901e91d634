// SPDX-License-Identifier: GPL-3.0-or-later
// Asks before a scan of more than 100000 files goes on.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

class TooManyFilesDialog : public QDialog
{
    Q_OBJECT
public:
    explicit TooManyFilesDialog(QWidget *parent = nullptr);

    /// The message for a walk that found totalFiles files.
    static QString titleFor(qint32 totalFiles);
    void setTotalFiles(qint32 totalFiles);

    /// True after OK, false after Cancel; unchanged when the window is closed otherwise.
    bool proceed = false;

    QLabel *titleLabel = nullptr;

private:
    void stopScan();
    void proceedWithScan();

    QPushButton *m_cancelButton = nullptr;
    QPushButton *m_okButton = nullptr;
};
