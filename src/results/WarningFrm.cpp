// SPDX-License-Identifier: GPL-3.0-or-later
#include "results/WarningFrm.h"

#include "core/Prompter.h"
#include "results/ResultModel.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace
{
// m_fileList's columns: the result list's first six, then "Row", the 1-based position in the list.
constexpr int RowColumn = 6;

QPushButton *button(const QString &text, const char *name, const QString &tip, QWidget *parent)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setToolTip(tip);
    return b;
}
} // namespace

WarningFrm::WarningFrm(ResultModel &model, Prompter &prompter, QWidget *parent)
    : QDialog(parent), m_model(model), m_prompter(prompter)
{
    setObjectName(QStringLiteral("WarningFrm"));
    setWindowTitle(tr("Warning!"));

    auto *adviceLabel = new QLabel(tr("It is highly recommended to keep at least one original file"), this);
    adviceLabel->setObjectName(QStringLiteral("Label1"));
    auto *messageLabel = new QLabel(tr("Both original and duplicate files are marked"), this);
    messageLabel->setObjectName(QStringLiteral("lblmsg"));

    m_fileList = new QTreeWidget(this);
    m_fileList->setObjectName(QStringLiteral("WList"));
    m_fileList->setRootIsDecorated(false);
    m_fileList->setUniformRowHeights(true);
    QStringList headers;
    for (int c = ResultRow::ColName; c <= ResultRow::ColPath; ++c)
        headers << ResultModel::header(c);
    //: The column of each file's position in the result list.
    headers << tr("Row");
    m_fileList->setHeaderLabels(headers);

    auto *keepButton = button(tr("&Keep all original files"), "Command1",
                              tr("It will automatically keep one file in each group."), this);
    auto *ignoreButton = button(tr("Ig&nore warnings"), "Command2",
                                tr("Press these button if you want to ignore repeated warnings!"), this);
    auto *continueButton = button(tr("&Continue"), "Command3", QString(), this);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(keepButton);
    buttons->addWidget(ignoreButton);
    buttons->addStretch();
    buttons->addWidget(continueButton);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(adviceLabel);
    layout->addWidget(messageLabel);
    layout->addWidget(m_fileList);
    layout->addLayout(buttons);
    resize(720, 300);

    connect(keepButton, &QPushButton::clicked, this, &WarningFrm::keepOneOfEach);
    connect(ignoreButton, &QPushButton::clicked, this, &WarningFrm::ignoreWarnings);
    connect(continueButton, &QPushButton::clicked, this, &WarningFrm::continueWithMarks);
    connect(m_fileList, &QTreeWidget::itemChanged, this, &WarningFrm::updateRowMark);
}

void WarningFrm::setGroupRows(const std::vector<int> &rows)
{
    const QSignalBlocker quiet(m_fileList);
    m_fileList->clear();
    for (int r : rows)
    {
        if (r < 0 || r >= m_model.size())
            continue;
        const ResultRow &row = m_model.row(r);
        QStringList texts;
        for (int c = ResultRow::ColName; c <= ResultRow::ColPath; ++c)
            texts << row.displayText(c, locale());
        texts << QString::number(static_cast<qint64>(r) + 1);
        auto *item = new QTreeWidgetItem(m_fileList, texts);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(0, Qt::Checked);
    }
    m_fileList->header()->resizeSections(QHeaderView::ResizeToContents);
}

KeepOneChoice WarningFrm::ask(ResultModel &model, Prompter &prompter, const std::vector<int> &rows, QWidget *parent)
{
    WarningFrm dialog(model, prompter, parent);
    dialog.setGroupRows(rows);
    dialog.exec();
    return dialog.choice;
}

void WarningFrm::updateRowMark(QTreeWidgetItem *item, int column)
{
    if (column != 0)
        return;
    // Positions are read as wide integers: a result list may hold millions of rows.
    bool ok = false;
    const qint64 position = item->text(RowColumn).toLongLong(&ok);
    if (!ok || position < 1 || position > m_model.size())
        return;
    m_model.setMarked(static_cast<int>(position - 1), item->checkState(0) == Qt::Checked);
}

void WarningFrm::keepOneOfEach()
{
    choice = KeepOneChoice::KeepOneOfEach;
    accept();
}

void WarningFrm::ignoreWarnings()
{
    choice = KeepOneChoice::IgnoreWarnings;
    accept();
}

void WarningFrm::continueWithMarks()
{
    bool allTicked = true;
    for (int i = 0; i < m_fileList->topLevelItemCount() && allTicked; ++i)
        allTicked = m_fileList->topLevelItem(i)->checkState(0) == Qt::Checked;
    if (allTicked && !m_prompter.confirm(tr("Confirm"),
                                         tr("You have not made any changes, are you sure you want to continue?\r\n\r\n"
                                            "It is highly recommended to keep at least one original file"),
                                         PromptIcon::Exclamation))
        return;
    choice = KeepOneChoice::Continue;
    accept();
}
