// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/BugFrm.h"

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QSysInfo>
#include <QVBoxLayout>

BugFrm::BugFrm(const ErrorReport &report, QWidget *parent) : QDialog(parent), m_report(report)
{
    setObjectName(QStringLiteral("BugFrm"));
    setWindowTitle(tr("Error"));

    auto *icon = new QLabel(this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxCritical).pixmap(32, 32));
    auto *intro = new QLabel(tr("An unexpected error occurred."), this);
    auto *details = new QGridLayout;
    const QList<QPair<QString, QString>> rows{
        {tr("Error number:"), QString::number(report.number)},
        {tr("Description:"), report.description},
        //: Before the name of the step that failed, such as "Scanning".
        {tr("While:"), report.label},
        //: Before the line of the program's source where the step failed.
        {tr("Line:"), QString::number(report.line)},
    };
    for (int i = 0; i < rows.size(); ++i)
    {
        details->addWidget(new QLabel(rows[i].first, this), i, 0);
        auto *value = new QLabel(rows[i].second, this);
        value->setObjectName(QStringLiteral("lblValue%1").arg(i));
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        value->setWordWrap(true);
        details->addWidget(value, i, 1);
    }
    m_statusLabel = new QLabel(this);
    m_statusLabel->setObjectName(QStringLiteral("lblStatus"));

    m_retryButton = new QPushButton(tr("Retry"), this);
    m_retryButton->setObjectName(QStringLiteral("cmdRetry"));
    m_abortButton = new QPushButton(tr("Abort"), this);
    m_abortButton->setObjectName(QStringLiteral("cmdAbort"));
    m_sendButton = new QPushButton(tr("Send Error Report"), this);
    m_sendButton->setObjectName(QStringLiteral("cmdSend"));
    auto *buttons = new QDialogButtonBox(this);
    buttons->addButton(m_retryButton, QDialogButtonBox::AcceptRole);
    buttons->addButton(m_abortButton, QDialogButtonBox::RejectRole);
    buttons->addButton(m_sendButton, QDialogButtonBox::ActionRole);
    m_retryButton->setDefault(true);

    auto *top = new QHBoxLayout;
    top->addWidget(icon, 0, Qt::AlignTop);
    auto *text = new QVBoxLayout;
    text->addWidget(intro);
    text->addLayout(details);
    top->addLayout(text, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_statusLabel);
    layout->addWidget(buttons);

    connect(m_retryButton, &QPushButton::clicked, this, &BugFrm::chooseRetry);
    connect(m_abortButton, &QPushButton::clicked, this, &BugFrm::chooseAbort);
    connect(m_sendButton, &QPushButton::clicked, this, &BugFrm::copyReport);
}

QString BugFrm::reportText(const ErrorReport &report)
{
    // For the developers who read it, whatever the user's language: its frame stays in English.
    return QStringLiteral("Corvina %1 error report\nError number: %2\nDescription: %3\nWhile: %4\nLine: %5\n"
                          "Qt: %6\nSystem: %7 (%8)\n")
        .arg(QApplication::applicationVersion(), QString::number(report.number), report.description, report.label,
             QString::number(report.line), QString::fromLatin1(qVersion()), QSysInfo::prettyProductName(),
             QSysInfo::currentCpuArchitecture());
}

void BugFrm::chooseRetry()
{
    m_choice = ErrorChoice::Retry;
    accept();
}

void BugFrm::chooseAbort()
{
    m_choice = ErrorChoice::Abort;
    reject();
}

void BugFrm::copyReport()
{
    // Corvina sends nothing over the network by itself: the report goes to the clipboard, to be
    // pasted wherever the user chooses.
    QApplication::clipboard()->setText(reportText(m_report));
    m_statusLabel->setText(tr("The error report was copied to the clipboard."));
}

ErrorChoice QtErrorReporter::report(const ErrorReport &report)
{
    BugFrm form(report, m_owner);
    form.exec();
    return form.choice();
}
