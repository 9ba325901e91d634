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
    auto *frmtab1 = named(new QWidget(this), "frmtab1");
    m_date = new QButtonGroup(this);
    m_size = new QButtonGroup(this);
    m_version = new QButtonGroup(this);
    m_sizeLimit = new QButtonGroup(this);
    auto *dateBox = optionGroup(QStringLiteral("Date Time"), m_date,
                                {{"optDateNone", QStringLiteral("None")},
                                 {"optDateNewer", QStringLiteral("Keep Newer Files")},
                                 {"optDateOlder", QStringLiteral("Keep Older Files")}},
                                frmtab1);
    auto *sizeBox = optionGroup(QStringLiteral("File Size"), m_size,
                                {{"optSizeNone", QStringLiteral("None")},
                                 {"optSizeLarger", QStringLiteral("Keep Larger Files")},
                                 {"optSizeSmaller", QStringLiteral("Keep Smaller Files")}},
                                frmtab1);
    auto *versionBox = optionGroup(QStringLiteral("Version"), m_version,
                                   {{"optVersionNone", QStringLiteral("None")},
                                    {"optVersionNewer", QStringLiteral("Keep Newer Version Files")},
                                    {"optVersionOlder", QStringLiteral("Keep Older Version Files")}},
                                   frmtab1);

    auto *limitBox = new QGroupBox(QStringLiteral("Size Limit"), frmtab1);
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
    txtSizeLimitSize = named(new QLineEdit(limitBox), "txtSizeLimitSize");
    cmbSizeLimitOptions = named(new QComboBox(limitBox), "cmbSizeLimitOptions");
    cmbSizeLimitOptions->addItems({QStringLiteral("KB"), QStringLiteral("MB"), QStringLiteral("GB")});
    limitLayout->addWidget(txtSizeLimitSize, 3, 1);
    limitLayout->addWidget(cmbSizeLimitOptions, 3, 2);
    auto *Label5 = named(new QLabel(QStringLiteral("This option is helpful when you want to make backup copies of "
                                                   "Duplicate Files in a CD, DVD etc and have size limits."),
                                    limitBox),
                         "Label5");
    Label5->setWordWrap(true);
    limitLayout->addWidget(Label5, 4, 0, 1, 3);

    cmbFileMask1 = maskBox("cmbFileMask1", frmtab1);
    auto *page1 = new QGridLayout(frmtab1);
    page1->addWidget(dateBox, 0, 0);
    page1->addWidget(sizeBox, 0, 1);
    page1->addWidget(versionBox, 0, 2);
    page1->addWidget(limitBox, 1, 0, 1, 3);
    auto *mask1Row = new QHBoxLayout;
    mask1Row->addWidget(new QLabel(QStringLiteral("File Mask :"), frmtab1));
    mask1Row->addWidget(cmbFileMask1, 1);
    page1->addLayout(mask1Row, 2, 0, 1, 3);

    // "By Folders".
    auto *frmtab2 = named(new QWidget(this), "frmtab2");
    lvFolders = named(new QTreeView(frmtab2), "lvFolders");
    lvFolders->setModel(m_folders);
    lvFolders->setRootIsDecorated(false);
    lvFolders->setUniformRowHeights(true);
    chkIncSubFolders = named(new QCheckBox(QStringLiteral("Include Sub-Folders"), frmtab2), "chkIncSubFolders");
    auto *cmdChkAll = named(new QPushButton(QStringLiteral("Check all"), frmtab2), "cmdChkAll");
    auto *cmdUnChkAll = named(new QPushButton(QStringLiteral("Uncheck all"), frmtab2), "cmdUnChkAll");
    cmbFileMask2 = maskBox("cmbFileMask2", frmtab2);
    auto *page2 = new QVBoxLayout(frmtab2);
    page2->addWidget(lvFolders, 1);
    auto *folderButtons = new QHBoxLayout;
    folderButtons->addWidget(chkIncSubFolders);
    folderButtons->addStretch();
    folderButtons->addWidget(cmdChkAll);
    folderButtons->addWidget(cmdUnChkAll);
    page2->addLayout(folderButtons);
    auto *mask2Row = new QHBoxLayout;
    mask2Row->addWidget(new QLabel(QStringLiteral("File Mask :"), frmtab2));
    mask2Row->addWidget(cmbFileMask2, 1);
    page2->addLayout(mask2Row);

    TabStrip1 = named(new QTabWidget(this), "TabStrip1");
    TabStrip1->addTab(frmtab1, kByRange);
    TabStrip1->addTab(frmtab2, kByFolders);

    auto *cmdOK = named(new QPushButton(QStringLiteral("Mark"), this), "cmdOK");
    auto *cmdClearMarks = named(new QPushButton(QStringLiteral("Clear all marks"), this), "cmdClearMarks");
    auto *Command1 = named(new QPushButton(QStringLiteral("Cancel"), this), "Command1");
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(cmdClearMarks);
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(Command1);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(TabStrip1);
    layout->addLayout(buttons);

    fillMasks(cmbFileMask1);
    fillMasks(cmbFileMask2);

    connect(m_date, &QButtonGroup::idClicked, this, [this](int id) { keepClicked(KeepGroup::DateTime, id); });
    connect(m_size, &QButtonGroup::idClicked, this, [this](int id) { keepClicked(KeepGroup::FileSize, id); });
    connect(m_version, &QButtonGroup::idClicked, this, [this](int id) { keepClicked(KeepGroup::Version, id); });
    connect(m_sizeLimit, &QButtonGroup::idClicked, this, &AdvMarkFrm::sizeLimitClicked);
    for (QComboBox *combo : {cmbFileMask1, cmbFileMask2})
    {
        connect(combo->lineEdit(), &QLineEdit::editingFinished, combo, [combo] {
            if (combo->currentText().trimmed().isEmpty())
                combo->setEditText(FileMasks::allFiles());
        });
    }
    connect(cmdChkAll, &QPushButton::clicked, m_folders, [this] { m_folders->setAllTicked(true); });
    connect(cmdUnChkAll, &QPushButton::clicked, m_folders, [this] { m_folders->setAllTicked(false); });
    connect(cmdOK, &QPushButton::clicked, this, &AdvMarkFrm::cmdOK_Click);
    connect(cmdClearMarks, &QPushButton::clicked, this, &AdvMarkFrm::cmdClearMarks_Click);
    connect(Command1, &QPushButton::clicked, this, &QDialog::reject);

    apply(AdvMarkingChoices::load(m_settings));
}

AdvMarkFrm::~AdvMarkFrm() = default;

void AdvMarkFrm::fillMasks(QComboBox *combo)
{
    // The presets, then the user's own masks; the stored list repeats the presets once the user
    // has added a mask, and each mask is listed once.
    QStringList masks = FileMasks::presets();
    for (const QString &mask : MaskList::LoadMasks(m_settings).value_or(QStringList()))
    {
        if (!masks.contains(mask))
            masks.append(mask);
    }
    const QString text = combo->currentText();
    combo->clear();
    combo->addItems(masks);
    combo->setEditText(text);
}

void AdvMarkFrm::Form_Activate()
{
    fillMasks(cmbFileMask1);
    fillMasks(cmbFileMask2);
    apply(AdvMarkingChoices::load(m_settings));
    m_folders->setFolders(m_commands.model().folders());
}

void AdvMarkFrm::Form_Deactivate()
{
    choices().save(m_settings);
}

void AdvMarkFrm::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (event->type() != QEvent::ActivationChange || !isVisible())
        return;
    if (isActiveWindow())
        Form_Activate();
    else
        Form_Deactivate();
}

void AdvMarkFrm::showEvent(QShowEvent *event)
{
    Form_Activate();
    QDialog::showEvent(event);
}

void AdvMarkFrm::hideEvent(QHideEvent *event)
{
    Form_Deactivate();
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
    txtSizeLimitSize->setEnabled(on);
    cmbSizeLimitOptions->setEnabled(on);
}

void AdvMarkFrm::sizeLimitClicked(int option)
{
    enableSpecify(option == 3);
    if (option == 3)
        txtSizeLimitSize->setFocus();
}

AdvMarkingChoices AdvMarkFrm::choices() const
{
    AdvMarkingChoices c;
    c.keep = keepChoice();
    c.sizeLimit = std::max(0, m_sizeLimit->checkedId());
    c.txtSize = txtSizeLimitSize->text();
    c.sizeUnit = cmbSizeLimitOptions->currentText();
    c.fileMask1 = cmbFileMask1->currentText();
    c.includeSubFolders = chkIncSubFolders->isChecked();
    c.fileMask2 = cmbFileMask2->currentText();
    return c;
}

void AdvMarkFrm::apply(const AdvMarkingChoices &c)
{
    setKeepChoice(KeepRules::normalized(c.keep));
    m_sizeLimit->button(c.sizeLimit)->setChecked(true);
    enableSpecify(c.sizeLimit == 3);
    txtSizeLimitSize->setText(c.txtSize);
    cmbSizeLimitOptions->setCurrentIndex(std::max(0, cmbSizeLimitOptions->findText(c.sizeUnit)));
    cmbFileMask1->setEditText(c.fileMask1);
    chkIncSubFolders->setChecked(c.includeSubFolders);
    cmbFileMask2->setEditText(c.fileMask2);
}

void AdvMarkFrm::cmdOK_Click()
{
    if (TabStrip1->tabText(TabStrip1->currentIndex()) == kByRange)
    {
        const auto limit = SizeLimits::rangeLimit(m_sizeLimit->checkedId(), txtSizeLimitSize->text(),
                                                  cmbSizeLimitOptions->currentIndex());
        if (!limit)
        {
            m_prompter.error(QStringLiteral("Type only integer values"));
            txtSizeLimitSize->setFocus();
            return;
        }
        m_commands.MarkByRange({KeepRules::rule(keepChoice()), *limit, cmbFileMask1->currentText()});
        return;
    }
    std::vector<FolderTick> folders = m_folders->ticks();
    m_commands.MarkByFolders(folders, chkIncSubFolders->isChecked(), cmbFileMask2->currentText());
    m_folders->setTicks(folders);
}

void AdvMarkFrm::cmdClearMarks_Click()
{
    m_commands.cmdClearMarks_Click();
}
