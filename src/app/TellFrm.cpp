// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/TellFrm.h"

#include <QClipboard>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

TellFrm::TellFrm(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TellFrm"));
    setWindowTitle(tr("I Like Corvina"));

    auto *intro = new QLabel(
        tr("Glad Corvina helps! If a friend's disk is full of copies too, pass these words on (change them as you "
           "like):"),
        this);
    intro->setWordWrap(true);
    m_messageEdit = new QPlainTextEdit(this);
    m_messageEdit->setObjectName(QStringLiteral("txtMessage"));
    m_messageEdit->setPlainText(
        tr("I use Corvina to find duplicate files. It lists every group of identical files, lets me mark the copies "
           "I don't need and sends them to the trash, so nothing is lost by mistake. Worth a try if your disk is "
           "filling up."));
    m_messageEdit->setMinimumSize(380, 110);

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *copy = buttons->addButton(tr("&Copy to Clipboard"), QDialogButtonBox::ActionRole);
    copy->setObjectName(QStringLiteral("cmdCopy"));
    QPushButton *close = buttons->addButton(QDialogButtonBox::Close);
    connect(copy, &QPushButton::clicked, this, &TellFrm::copyMessage);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(m_messageEdit, 1);
    layout->addWidget(buttons);
}

void TellFrm::copyMessage()
{
    QGuiApplication::clipboard()->setText(m_messageEdit->toPlainText());
}
