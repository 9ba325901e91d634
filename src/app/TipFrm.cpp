// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/TipFrm.h"

#include "app/ToolbarIcons.h"
#include "platform/Settings.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRandomGenerator>
#include <QVBoxLayout>

TipFrm::TipFrm(Settings &settings, QWidget *parent) : QDialog(parent), m_settings(settings)
{
    setObjectName(QStringLiteral("TipFrm"));
    setWindowTitle(tr("Tip of the Day"));

    auto *picture = new QLabel(this);
    picture->setPixmap(ToolbarIcons::icon(ToolbarIcons::Picture::Program).pixmap(48, 48));
    picture->setAlignment(Qt::AlignTop);
    auto *heading = new QLabel(QStringLiteral("<b>%1</b>").arg(tr("Did you know...").toHtmlEscaped()), this);
    m_tipLabel = new QLabel(this);
    m_tipLabel->setObjectName(QStringLiteral("lblTip"));
    m_tipLabel->setWordWrap(true);
    m_tipLabel->setMinimumSize(360, 90);
    m_tipLabel->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    auto *text = new QVBoxLayout;
    text->addWidget(heading);
    text->addWidget(m_tipLabel, 1);
    auto *body = new QHBoxLayout;
    body->addWidget(picture);
    body->addLayout(text, 1);

    m_showTipsCheck = new QCheckBox(tr("Show Tips at Startup"), this);
    m_showTipsCheck->setObjectName(QStringLiteral("chkShowTips"));
    m_showTipsCheck->setChecked(m_settings.showTipsAtStartup());
    auto *buttons = new QDialogButtonBox(this);
    QPushButton *next = buttons->addButton(tr("&Next Tip"), QDialogButtonBox::ActionRole);
    next->setObjectName(QStringLiteral("cmdNext"));
    //: Closes the tip of the day.
    QPushButton *close = buttons->addButton(tr("&Close"), QDialogButtonBox::AcceptRole);
    close->setObjectName(QStringLiteral("cmdClose"));
    close->setDefault(true);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(m_showTipsCheck);
    bottom->addStretch(1);
    bottom->addWidget(buttons);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(body, 1);
    layout->addLayout(bottom);

    connect(next, &QPushButton::clicked, this, &TipFrm::showNextTip);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_showTipsCheck, &QCheckBox::clicked, this, &TipFrm::storeShowTips);
    showTip(static_cast<int>(QRandomGenerator::global()->bounded(tips().size())));
}

QStringList TipFrm::tips()
{
    static const char *const kTips[] = {
        QT_TR_NOOP("Press Add to choose a folder to search; the folder picker opens at once. Double-click a location "
                   "to change it."),
        QT_TR_NOOP("Tick \"Exclude Folder\" in the Add/Exclude Folders window to leave a folder out of every scan, "
                   "for example the backup you mean to keep."),
        QT_TR_NOOP("A minimum size of 10 KB passes over the many tiny files that are seldom worth cleaning up; empty "
                   "the box and 10 KB is used."),
        QT_TR_NOOP("Click a column header to sort the results, and click again to reverse the order. Rows of one "
                   "group keep their colour band."),
        QT_TR_NOOP("Action, Mark Quick, Mark All Duplicates marks every copy but the newest file of each group."),
        QT_TR_NOOP("Click the small box at the left of a row, or press the space bar, to mark or unmark a file."),
        QT_TR_NOOP("Leave \"Send to Recycle Bin\" on: deleted files then go to the trash, where you can restore "
                   "them."),
        QT_TR_NOOP("Save Session keeps your locations, options and results in a .cvf file; Load Session brings them "
                   "back."),
        QT_TR_NOOP("Press Esc to cancel a running scan."),
        QT_TR_NOOP("Export writes the result list as a delimited text file or as an HTML report."),
    };
    // Translated on each call, so that the tips follow the language the program runs in.
    QStringList list;
    for (const char *tip : kTips)
        list << tr(tip);
    return list;
}

void TipFrm::showTip(int index)
{
    const QStringList all = tips();
    m_current = ((index % all.size()) + all.size()) % all.size();
    m_tipLabel->setText(all.at(m_current));
}

void TipFrm::showNextTip()
{
    showTip(m_current + 1);
}

void TipFrm::storeShowTips()
{
    m_settings.setShowTipsAtStartup(m_showTipsCheck->isChecked());
}
