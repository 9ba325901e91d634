// SPDX-License-Identifier: GPL-3.0-or-later
// "I Like Corvina": a few words to pass on to a friend.
#pragma once

#include <QDialog>

class QPlainTextEdit;

class TellFrm : public QDialog
{
    Q_OBJECT
public:
    explicit TellFrm(QWidget *parent = nullptr);

private:
    void copyMessage();

    QPlainTextEdit *m_messageEdit = nullptr;
};
