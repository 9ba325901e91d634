// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/TooManyFilesDialog.h"

#include "results/LocaleText.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TooManyFilesDialog::TooManyFilesDialog(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmTooManyFiles"));
    setWindowTitle(tr("Warning"));
    auto label = [this](const char *name, const QString &text) {
        auto *l = new QLabel(text, this);
        l->setObjectName(QString::fromLatin1(name));
        l->setWordWrap(true);
        return l;
    };
    titleLabel = label("lblTitle", QString());
    QFont bold = titleLabel->font();
    bold.setBold(true);
    titleLabel->setFont(bold);
    QLabel *warningLabel = label("Label1", tr("You are warned that it may resulted in errors."));
    //: Stands in the room of 35 blanks at the start of the recommendation's first line: keep it short.
    QLabel *recommendationHeading = label("Label4", tr("Recommendation:"));
    recommendationHeading->setFont(bold);
    // The text starts with 35 blanks, which leave room for "Recommendation:" on its first line.
    QLabel *recommendationLabel =
        label("Label2", QString(35, u' ') + tr("To reduce the number of files in a single search, you can set the "
                                               "min. file size, say 10 KB, as you probably don't interest in some "
                                               "small files. You can also exclude some folders."));
    QLabel *continueLabel = label("Label3", tr("To continue, click OK; to stop, click Cancel."));

    m_okButton = new QPushButton(tr("OK"), this);
    m_okButton->setObjectName(QStringLiteral("Command2"));
    m_cancelButton = new QPushButton(tr("Cancel"), this);
    m_cancelButton->setObjectName(QStringLiteral("Command1"));
    m_cancelButton->setDefault(true);
    connect(m_cancelButton, &QPushButton::clicked, this, &TooManyFilesDialog::stopScan);
    connect(m_okButton, &QPushButton::clicked, this, &TooManyFilesDialog::proceedWithScan);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_okButton);
    buttons->addWidget(m_cancelButton);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(titleLabel);
    layout->addWidget(warningLabel);
    // "Recommendation:" stands in the room the blanks leave at the start of the text.
    auto *recommendation = new QGridLayout;
    recommendation->addWidget(recommendationLabel, 0, 0);
    recommendation->addWidget(recommendationHeading, 0, 0, Qt::AlignLeft | Qt::AlignTop);
    recommendationHeading->raise();
    layout->addLayout(recommendation);
    layout->addWidget(continueLabel);
    layout->addLayout(buttons);
    setMinimumWidth(460);
}

QString TooManyFilesDialog::titleFor(qint32 totalFiles)
{
    return tr("You are about to scan a collection of too many files, total %1 files.  ")
        .arg(LocaleText::number(totalFiles));
}

void TooManyFilesDialog::setTotalFiles(qint32 totalFiles)
{
    titleLabel->setText(titleFor(totalFiles));
}

void TooManyFilesDialog::stopScan()
{
    proceed = false;
    reject();
}

void TooManyFilesDialog::proceedWithScan()
{
    proceed = true;
    accept();
}
