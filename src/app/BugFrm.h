// SPDX-License-Identifier: GPL-3.0-or-later
// The common report of unexpected failures: Retry, Abort or "Send Error Report".
#pragma once

#include "core/ErrorReport.h"

#include <QDialog>

class QLabel;
class QPushButton;

class BugFrm : public QDialog
{
    Q_OBJECT
public:
    explicit BugFrm(const ErrorReport &report, QWidget *parent = nullptr);

    /// Abort unless Retry was pressed (closing the window is an Abort).
    ErrorChoice choice() const { return m_choice; }

    /// The report as text, with the program's and the system's versions.
    static QString reportText(const ErrorReport &report);

private:
    void chooseRetry();
    void chooseAbort();
    void copyReport();

    ErrorReport m_report;
    ErrorChoice m_choice = ErrorChoice::Abort;
    QLabel *m_statusLabel = nullptr;
    QPushButton *m_retryButton = nullptr;
    QPushButton *m_abortButton = nullptr;
    QPushButton *m_sendButton = nullptr;
};

/// The ErrorReporter of the program: shows a fresh BugFrm for each failure.
class QtErrorReporter : public ErrorReporter
{
public:
    explicit QtErrorReporter(QWidget *owner = nullptr) : m_owner(owner) {}
    ErrorChoice report(const ErrorReport &report) override;

private:
    QWidget *m_owner = nullptr;
};
