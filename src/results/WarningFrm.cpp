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
// WList's columns: the result list's first six, then "Row", the 1-based position in the list.
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

    auto *Label1 = new QLabel(QStringLiteral("It is highly recommended to keep at least one original file"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    auto *lblmsg = new QLabel(QStringLiteral("Both original and duplicate files are marked"), this);
    lblmsg->setObjectName(QStringLiteral("lblmsg"));

    WList = new QTreeWidget(this);
    WList->setObjectName(QStringLiteral("WList"));
    WList->setRootIsDecorated(false);
    WList->setUniformRowHeights(true);
    QStringList headers;
    for (int c = ResultRow::ColName; c <= ResultRow::ColPath; ++c)
        headers << ResultModel::header(c);
    headers << QStringLiteral("Row");
    WList->setHeaderLabels(headers);

    auto *Command1 = button(QStringLiteral("&Keep all original files"), "Command1",
                            QStringLiteral("It will automatically keep one file in each group."), this);
    auto *Command2 = button(QStringLiteral("Ig&nore warnings"), "Command2",
                            QStringLiteral("Press these button if you want to ignore repeated warnings!"), this);
    auto *Command3 = button(QStringLiteral("&Continue"), "Command3", QString(), this);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(Command1);
    buttons->addWidget(Command2);
    buttons->addStretch();
    buttons->addWidget(Command3);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(lblmsg);
    layout->addWidget(WList);
    layout->addLayout(buttons);
    resize(720, 300);

    connect(Command1, &QPushButton::clicked, this, &WarningFrm::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &WarningFrm::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &WarningFrm::Command3_Click);
    connect(WList, &QTreeWidget::itemChanged, this, &WarningFrm::WList_ItemCheck);
}

void WarningFrm::setGroupRows(const std::vector<int> &rows)
{
    const QSignalBlocker quiet(WList);
    WList->clear();
    for (int r : rows)
    {
        if (r < 0 || r >= m_model.size())
            continue;
        const ResultRow &row = m_model.row(r);
        QStringList texts;
        for (int c = ResultRow::ColName; c <= ResultRow::ColPath; ++c)
            texts << row.column(c);
        texts << QString::number(static_cast<qint64>(r) + 1);
        auto *item = new QTreeWidgetItem(WList, texts);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(0, Qt::Checked);
    }
    WList->header()->resizeSections(QHeaderView::ResizeToContents);
}

KeepOneChoice WarningFrm::ask(ResultModel &model, Prompter &prompter, const std::vector<int> &rows, QWidget *parent)
{
    WarningFrm dialog(model, prompter, parent);
    dialog.setGroupRows(rows);
    dialog.exec();
    return dialog.WarningChoice;
}

void WarningFrm::WList_ItemCheck(QTreeWidgetItem *item, int column)
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

void WarningFrm::Command1_Click()
{
    WarningChoice = KeepOneChoice::KeepOneOfEach;
    accept();
}

void WarningFrm::Command2_Click()
{
    WarningChoice = KeepOneChoice::IgnoreWarnings;
    accept();
}

void WarningFrm::Command3_Click()
{
    bool allTicked = true;
    for (int i = 0; i < WList->topLevelItemCount() && allTicked; ++i)
        allTicked = WList->topLevelItem(i)->checkState(0) == Qt::Checked;
    if (allTicked &&
        !m_prompter.confirm(QStringLiteral("Confirm"),
                            QStringLiteral("You have not made any changes, are you sure you want to continue?\r\n\r\n"
                                           "It is highly recommended to keep at least one original file"),
                            PromptIcon::Exclamation))
        return;
    WarningChoice = KeepOneChoice::Continue;
    accept();
}
