// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/frmTooManyFiles.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

frmTooManyFiles::frmTooManyFiles(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmTooManyFiles"));
    setWindowTitle(tr("Warning"));
    auto label = [this](const char *name, const QString &text) {
        auto *l = new QLabel(text, this);
        l->setObjectName(QString::fromLatin1(name));
        l->setWordWrap(true);
        return l;
    };
    lblTitle = label("lblTitle", QString());
    QFont bold = lblTitle->font();
    bold.setBold(true);
    lblTitle->setFont(bold);
    QLabel *label1 = label("Label1", QStringLiteral("You are warned that it may resulted in errors."));
    QLabel *label4 = label("Label4", QStringLiteral("Recommendation:"));
    label4->setFont(bold);
    // The text starts with 35 blanks, which leave room for "Recommendation:" on its first line.
    QLabel *label2 = label("Label2", QString(35, u' ') +
                                         QStringLiteral("To reduce the number of files in a single search, you can set "
                                                        "the min. file size, say 10 KB, as you probably don't interest "
                                                        "in some small files. You can also exclude some folders."));
    QLabel *label3 = label("Label3", QStringLiteral("To continue, click OK; to stop, click Cancel."));

    Command2 = new QPushButton(QStringLiteral("OK"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    Command1 = new QPushButton(QStringLiteral("Cancel"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setDefault(true);
    connect(Command1, &QPushButton::clicked, this, &frmTooManyFiles::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &frmTooManyFiles::Command2_Click);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Command2);
    buttons->addWidget(Command1);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lblTitle);
    layout->addWidget(label1);
    // "Recommendation:" stands in the room the blanks leave at the start of the text.
    auto *recommendation = new QGridLayout;
    recommendation->addWidget(label2, 0, 0);
    recommendation->addWidget(label4, 0, 0, Qt::AlignLeft | Qt::AlignTop);
    label4->raise();
    layout->addLayout(recommendation);
    layout->addWidget(label3);
    layout->addLayout(buttons);
    setMinimumWidth(460);
}

QString frmTooManyFiles::titleFor(qint32 totalFiles)
{
    return QStringLiteral("You are about to scan a collection of too many files, total ") +
           QString::number(totalFiles) + QStringLiteral(" files.  ");
}

void frmTooManyFiles::setTotalFiles(qint32 totalFiles)
{
    lblTitle->setText(titleFor(totalFiles));
}

void frmTooManyFiles::Command1_Click()
{
    Proceed = false;
    reject();
}

void frmTooManyFiles::Command2_Click()
{
    Proceed = true;
    accept();
}
