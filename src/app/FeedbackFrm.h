// SPDX-License-Identifier: GPL-3.0-or-later
// The window that "corvina -un" shows when Corvina is being removed: room to say why.
#pragma once

#include <QDialog>

class QPlainTextEdit;

class FeedbackFrm : public QDialog
{
    Q_OBJECT
public:
    explicit FeedbackFrm(QWidget *parent = nullptr);

private:
    void copyFeedback();

    QPlainTextEdit *m_feedbackEdit = nullptr;
};
