// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/FeedbackFrm.h"

#include <QClipboard>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

FeedbackFrm::FeedbackFrm(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FeedbackFrm"));
    setWindowTitle(tr("Corvina Feedback"));

    auto *intro = new QLabel(tr("Corvina is being removed from this computer. If you have a moment, tell us why: "
                                "what was missing, what went wrong, what you would have liked instead.\n\nCorvina "
                                "sends nothing over the network: copy your words into an e-mail or an issue report."),
                             this);
    intro->setWordWrap(true);
    m_feedbackEdit = new QPlainTextEdit(this);
    m_feedbackEdit->setObjectName(QStringLiteral("txtFeedback"));
    m_feedbackEdit->setMinimumSize(380, 140);

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *copy = buttons->addButton(tr("&Copy to Clipboard"), QDialogButtonBox::ActionRole);
    copy->setObjectName(QStringLiteral("cmdCopy"));
    QPushButton *close = buttons->addButton(QDialogButtonBox::Close);
    connect(copy, &QPushButton::clicked, this, &FeedbackFrm::copyFeedback);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(m_feedbackEdit, 1);
    layout->addWidget(buttons);
}

void FeedbackFrm::copyFeedback()
{
    QGuiApplication::clipboard()->setText(m_feedbackEdit->toPlainText());
}
