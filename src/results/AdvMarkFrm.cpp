// SPDX-License-Identifier: GPL-3.0-or-later
#include "results/AdvMarkFrm.h"

#include "core/Prompter.h"
#include "platform/SettingsStore.h"
#include "results/FolderTickModel.h"
#include "results/MarkingCommands.h"
#include "results/ResultModel.h"
#include "search/FileMasks.h"
#include "search/MaskList.h"
#include "search/SizeLimits.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTreeView>
#include <QVBoxLayout>

namespace
{
const QString kByRange = QStringLiteral("By Range");
const QString kByFolders = QStringLiteral("By Folders");

template <typename W> W *named(W *widget, const char *name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

// A group box of option buttons whose ids are their settings values.
QGroupBox *optionGroup(const QString &title, QButtonGroup *group,
                       std::initializer_list<std::pair<const char *, QString>> options, QWidget *parent)
{
    auto *box = new QGroupBox(title, parent);
    auto *layout = new QVBoxLayout(box);
    int id = 0;
    for (const auto &[name, caption] : options)
    {
        auto *button = named(new QRadioButton(caption, box), name);
        group->addButton(button, id++);
        layout->addWidget(button);
    }
    return box;
}

QComboBox *maskBox(const char *name, QWidget *parent)
{
    auto *combo = named(new QComboBox(parent), name);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    combo->setMinimumContentsLength(30);
    return combo;
}
} // namespace

AdvMarkFrm::AdvMarkFrm(MarkingCommands &commands, Prompter &prompter, SettingsStore &settings, QWidget *parent)
    : QDialog(parent), m_commands(commands), m_prompter(prompter), m_settings(settings),
      m_folders(new FolderTickModel(this))
{
    setObjectName(QStringLiteral("AdvMarkFrm"));
    setWindowTitle(tr("Advance Marking"));

    // "By Range".
    auto *rangePage = named(new QWidget(this), "frmtab1");
    m_date = new QButtonGroup(this);
    m_size = new QButtonGroup(this);
    m_version = new QButtonGroup(this);
    m_sizeLimit = new QButtonGroup(this);
    auto *dateBox = optionGroup(QStringLiteral("Date Time"), m_date,
                                {{"optDateNone", QStringLiteral("None")},
                                 {"optDateNewer", QStringLiteral("Keep Newer Files")},
                                 {"optDateOlder", QStringLiteral("Keep Older Files")}},
                                rangePage);
    auto *sizeBox = optionGroup(QStringLiteral("File Size"), m_size,
                                {{"optSizeNone", QStringLiteral("None")},
                                 {"optSizeLarger", QStringLiteral("Keep Larger Files")},
                                 {"optSizeSmaller", QStringLiteral("Keep Smaller Files")}},
                                rangePage);
    auto *versionBox = optionGroup(QStringLiteral("Version"), m_version,
                                   {{"optVersionNone", QStringLiteral("None")},
                                    {"optVersionNewer", QStringLiteral("Keep Newer Version Files")},
                                    {"optVersionOlder", QStringLiteral("Keep Older Version Files")}},
                                   rangePage);

    auto *limitBox = new QGroupBox(QStringLiteral("Size Limit"), rangePage);
    auto *limitLayout = new QGridLayout(limitBox);
    const std::pair<const char *, QString> limits[] = {{"optSizeLimitNone", QStringLiteral("None")},
                                                       {"optSizeLimitCD", QStringLiteral("CD (700 MB)")},
                                                       {"optSizeLimitDVD", QStringLiteral("DVD (4.3 GB)")},
                                                       {"optSizeLimitSpecify", QStringLiteral("Specify :")}};
    for (int id = 0; id < 4; ++id)
    {
        auto *button = named(new QRadioButton(limits[id].second, limitBox), limits[id].first);
        m_sizeLimit->addButton(button, id);
        limitLayout->addWidget(button, id, 0);
    }
    m_sizeLimitEdit = named(new QLineEdit(limitBox), "txtSizeLimitSize");
    m_sizeUnitCombo = named(new QComboBox(limitBox), "cmbSizeLimitOptions");
    m_sizeUnitCombo->addItems({QStringLiteral("KB"), QStringLiteral("MB"), QStringLiteral("GB")});
    limitLayout->addWidget(m_sizeLimitEdit, 3, 1);
    limitLayout->addWidget(m_sizeUnitCombo, 3, 2);
    auto *limitNote = named(new QLabel(QStringLiteral("This option is helpful when you want to make backup copies of "
                                                      "Duplicate Files in a CD, DVD etc and have size limits."),
                                       limitBox),
                            "Label5");
    limitNote->setWordWrap(true);
    limitLayout->addWidget(limitNote, 4, 0, 1, 3);

    m_rangeMaskCombo = maskBox("cmbFileMask1", rangePage);
    auto *page1 = new QGridLayout(rangePage);
    page1->addWidget(dateBox, 0, 0);
    page1->addWidget(sizeBox, 0, 1);
    page1->addWidget(versionBox, 0, 2);
    page1->addWidget(limitBox, 1, 0, 1, 3);
    auto *mask1Row = new QHBoxLayout;
    mask1Row->addWidget(new QLabel(QStringLiteral("File Mask :"), rangePage));
    mask1Row->addWidget(m_rangeMaskCombo, 1);
    page1->addLayout(mask1Row, 2, 0, 1, 3);

    // "By Folders".
    auto *foldersPage = named(new QWidget(this), "frmtab2");
    m_folderView = named(new QTreeView(foldersPage), "lvFolders");
    m_folderView->setModel(m_folders);
    m_folderView->setRootIsDecorated(false);
    m_folderView->setUniformRowHeights(true);
    m_subFoldersCheck = named(new QCheckBox(QStringLiteral("Include Sub-Folders"), foldersPage), "chkIncSubFolders");
    auto *tickAllButton = named(new QPushButton(QStringLiteral("Check all"), foldersPage), "cmdChkAll");
    auto *untickAllButton = named(new QPushButton(QStringLiteral("Uncheck all"), foldersPage), "cmdUnChkAll");
    m_folderMaskCombo = maskBox("cmbFileMask2", foldersPage);
    auto *page2 = new QVBoxLayout(foldersPage);
    page2->addWidget(m_folderView, 1);
    auto *folderButtons = new QHBoxLayout;
    folderButtons->addWidget(m_subFoldersCheck);
    folderButtons->addStretch();
    folderButtons->addWidget(tickAllButton);
    folderButtons->addWidget(untickAllButton);
    page2->addLayout(folderButtons);
    auto *mask2Row = new QHBoxLayout;
    mask2Row->addWidget(new QLabel(QStringLiteral("File Mask :"), foldersPage));
    mask2Row->addWidget(m_folderMaskCombo, 1);
    page2->addLayout(mask2Row);

    m_tabs = named(new QTabWidget(this), "TabStrip1");
    m_tabs->addTab(rangePage, kByRange);
    m_tabs->addTab(foldersPage, kByFolders);

    auto *markButton = named(new QPushButton(QStringLiteral("Mark"), this), "cmdOK");
    auto *clearButton = named(new QPushButton(QStringLiteral("Clear all marks"), this), "cmdClearMarks");
    auto *cancelButton = named(new QPushButton(QStringLiteral("Cancel"), this), "Command1");
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(clearButton);
    buttons->addStretch();
    buttons->addWidget(markButton);
    buttons->addWidget(cancelButton);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    layout->addLayout(buttons);

    fillMasks(m_rangeMaskCombo);
    fillMasks(m_folderMaskCombo);

    connect(m_date, &QButtonGroup::idClicked, this, [this](int id) { keepClicked(KeepGroup::DateTime, id); });
    connect(m_size, &QButtonGroup::idClicked, this, [this](int id) { keepClicked(KeepGroup::FileSize, id); });
    connect(m_version, &QButtonGroup::idClicked, this, [this](int id) { keepClicked(KeepGroup::Version, id); });
    connect(m_sizeLimit, &QButtonGroup::idClicked, this, &AdvMarkFrm::sizeLimitClicked);
    for (QComboBox *combo : {m_rangeMaskCombo, m_folderMaskCombo})
    {
        connect(combo->lineEdit(), &QLineEdit::editingFinished, combo, [combo] {
            if (combo->currentText().trimmed().isEmpty())
                combo->setEditText(FileMasks::allFiles());
        });
    }
    connect(tickAllButton, &QPushButton::clicked, m_folders, [this] { m_folders->setAllTicked(true); });
    connect(untickAllButton, &QPushButton::clicked, m_folders, [this] { m_folders->setAllTicked(false); });
    connect(markButton, &QPushButton::clicked, this, &AdvMarkFrm::markByChoices);
    connect(clearButton, &QPushButton::clicked, this, &AdvMarkFrm::clearAllMarks);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);

    apply(AdvMarkingChoices::load(m_settings));
}

AdvMarkFrm::~AdvMarkFrm() = default;

void AdvMarkFrm::fillMasks(QComboBox *combo)
{
    // The presets, then the user's own masks; the stored list repeats the presets once the user
    // has added a mask, and each mask is listed once.
    QStringList masks = FileMasks::presets();
    for (const QString &mask : MaskList::loadMasks(m_settings).value_or(QStringList()))
    {
        if (!masks.contains(mask))
            masks.append(mask);
    }
    const QString text = combo->currentText();
    combo->clear();
    combo->addItems(masks);
    combo->setEditText(text);
}

void AdvMarkFrm::loadChoices()
{
    fillMasks(m_rangeMaskCombo);
    fillMasks(m_folderMaskCombo);
    apply(AdvMarkingChoices::load(m_settings));
    m_folders->setFolders(m_commands.model().folders());
}

void AdvMarkFrm::saveChoices()
{
    choices().save(m_settings);
}

void AdvMarkFrm::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (event->type() != QEvent::ActivationChange || !isVisible())
        return;
    if (isActiveWindow())
        loadChoices();
    else
        saveChoices();
}

void AdvMarkFrm::showEvent(QShowEvent *event)
{
    loadChoices();
    QDialog::showEvent(event);
}

void AdvMarkFrm::hideEvent(QHideEvent *event)
{
    saveChoices();
    QDialog::hideEvent(event);
}

KeepChoice AdvMarkFrm::keepChoice() const
{
    return {std::max(0, m_date->checkedId()), std::max(0, m_size->checkedId()), std::max(0, m_version->checkedId())};
}

void AdvMarkFrm::setKeepChoice(const KeepChoice &k)
{
    m_date->button(k.dateTime)->setChecked(true);
    m_size->button(k.fileSize)->setChecked(true);
    m_version->button(k.version)->setChecked(true);
}

void AdvMarkFrm::keepClicked(KeepGroup group, int value)
{
    setKeepChoice(KeepRules::pick(keepChoice(), group, value));
}

void AdvMarkFrm::enableSpecify(bool on)
{
    m_sizeLimitEdit->setEnabled(on);
    m_sizeUnitCombo->setEnabled(on);
}

void AdvMarkFrm::sizeLimitClicked(int option)
{
    enableSpecify(option == 3);
    if (option == 3)
        m_sizeLimitEdit->setFocus();
}

AdvMarkingChoices AdvMarkFrm::choices() const
{
    AdvMarkingChoices c;
    c.keep = keepChoice();
    c.sizeLimit = std::max(0, m_sizeLimit->checkedId());
    c.sizeLimitText = m_sizeLimitEdit->text();
    c.sizeUnit = m_sizeUnitCombo->currentText();
    c.fileMask1 = m_rangeMaskCombo->currentText();
    c.includeSubFolders = m_subFoldersCheck->isChecked();
    c.fileMask2 = m_folderMaskCombo->currentText();
    return c;
}

void AdvMarkFrm::apply(const AdvMarkingChoices &c)
{
    setKeepChoice(KeepRules::normalized(c.keep));
    m_sizeLimit->button(c.sizeLimit)->setChecked(true);
    enableSpecify(c.sizeLimit == 3);
    m_sizeLimitEdit->setText(c.sizeLimitText);
    m_sizeUnitCombo->setCurrentIndex(std::max(0, m_sizeUnitCombo->findText(c.sizeUnit)));
    m_rangeMaskCombo->setEditText(c.fileMask1);
    m_subFoldersCheck->setChecked(c.includeSubFolders);
    m_folderMaskCombo->setEditText(c.fileMask2);
}

void AdvMarkFrm::markByChoices()
{
    if (m_tabs->tabText(m_tabs->currentIndex()) == kByRange)
    {
        const auto limit =
            SizeLimits::rangeLimit(m_sizeLimit->checkedId(), m_sizeLimitEdit->text(), m_sizeUnitCombo->currentIndex());
        if (!limit)
        {
            m_prompter.error(QStringLiteral("Type only integer values"));
            m_sizeLimitEdit->setFocus();
            return;
        }
        m_commands.markByRange({KeepRules::rule(keepChoice()), *limit, m_rangeMaskCombo->currentText()});
        return;
    }
    std::vector<FolderTick> folders = m_folders->ticks();
    m_commands.markByFolders(folders, m_subFoldersCheck->isChecked(), m_folderMaskCombo->currentText());
    m_folders->setTicks(folders);
}

void AdvMarkFrm::clearAllMarks()
{
    m_commands.clearAllMarks();
}
