// SPDX-License-Identifier: GPL-3.0-or-later
#include "results/AdvMarkFrm.h"

#include "core/Prompter.h"
#include "results/FolderTickModel.h"
#include "results/MarkingCommands.h"
#include "results/ResultModel.h"
#include "search/FileMasks.h"
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

#include <algorithm>
#include <tuple>

namespace
{
// The tabs, by position.
constexpr int RangeTab = 0;

// The size-limit buttons' ids and the unit list's positions are the places of the choices in
// their Settings enums; the ids are also the option numbers SizeLimits::rangeLimit takes.
constexpr int idOf(Settings::SizeLimit limit)
{
    return static_cast<int>(limit);
}
static_assert(idOf(Settings::SizeLimit::None) == 0 && idOf(Settings::SizeLimit::Cd) == 1 &&
              idOf(Settings::SizeLimit::Dvd) == 2 && idOf(Settings::SizeLimit::Specified) == 3);
static_assert(static_cast<int>(Settings::SizeUnit::KB) == 0 && static_cast<int>(Settings::SizeUnit::MB) == 1 &&
              static_cast<int>(Settings::SizeUnit::GB) == 2);

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

// "File Mask :" and its box, in one row.
QHBoxLayout *maskRow(QComboBox *combo, QWidget *parent)
{
    auto *row = new QHBoxLayout;
    row->addWidget(new QLabel(AdvMarkFrm::tr("File Mask :"), parent));
    row->addWidget(combo, 1);
    return row;
}
} // namespace

AdvMarkFrm::AdvMarkFrm(MarkingCommands &commands, Prompter &prompter, Settings &settings, QWidget *parent)
    : QDialog(parent), m_commands(commands), m_prompter(prompter), m_settings(settings),
      m_folders(new FolderTickModel(this))
{
    setObjectName(QStringLiteral("AdvMarkFrm"));
    setWindowTitle(tr("Advance Marking"));

    // Created in the order of the focus chain: the pages' controls, then the tabs and the buttons.
    QWidget *rangePage = createRangePage();
    QWidget *foldersPage = createFoldersPage();
    m_tabs = named(new QTabWidget(this), "TabStrip1");
    m_tabs->addTab(rangePage, tr("By Range"));
    m_tabs->addTab(foldersPage, tr("By Folders"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    layout->addLayout(createButtons());

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
                combo->setEditText(FileMasks::shown(FileMasks::allFiles()));
        });
    }

    apply(AdvMarkingChoices::load(m_settings));
}

QWidget *AdvMarkFrm::createRangePage()
{
    auto *page = named(new QWidget(this), "frmtab1");
    m_date = new QButtonGroup(this);
    m_size = new QButtonGroup(this);
    m_version = new QButtonGroup(this);
    auto *dateBox = optionGroup(tr("Date Time"), m_date,
                                {{"optDateNone", tr("None")},
                                 {"optDateNewer", tr("Keep Newer Files")},
                                 {"optDateOlder", tr("Keep Older Files")}},
                                page);
    auto *sizeBox = optionGroup(tr("File Size"), m_size,
                                {{"optSizeNone", tr("None")},
                                 {"optSizeLarger", tr("Keep Larger Files")},
                                 {"optSizeSmaller", tr("Keep Smaller Files")}},
                                page);
    auto *versionBox = optionGroup(tr("Version"), m_version,
                                   {{"optVersionNone", tr("None")},
                                    {"optVersionNewer", tr("Keep Newer Version Files")},
                                    {"optVersionOlder", tr("Keep Older Version Files")}},
                                   page);
    QGroupBox *limitBox = createSizeLimitBox(page);
    m_rangeMaskCombo = maskBox("cmbFileMask1", page);
    auto *grid = new QGridLayout(page);
    grid->addWidget(dateBox, 0, 0);
    grid->addWidget(sizeBox, 0, 1);
    grid->addWidget(versionBox, 0, 2);
    grid->addWidget(limitBox, 1, 0, 1, 3);
    grid->addLayout(maskRow(m_rangeMaskCombo, page), 2, 0, 1, 3);
    return page;
}

QGroupBox *AdvMarkFrm::createSizeLimitBox(QWidget *page)
{
    auto *box = new QGroupBox(tr("Size Limit"), page);
    auto *grid = new QGridLayout(box);
    m_sizeLimit = new QButtonGroup(this);
    const std::tuple<Settings::SizeLimit, const char *, QString> limits[] = {
        {Settings::SizeLimit::None, "optSizeLimitNone", tr("None")},
        {Settings::SizeLimit::Cd, "optSizeLimitCD", tr("CD (700 MB)")},
        {Settings::SizeLimit::Dvd, "optSizeLimitDVD", tr("DVD (4.3 GB)")},
        {Settings::SizeLimit::Specified, "optSizeLimitSpecify", tr("Specify :")}};
    for (const auto &[limit, name, caption] : limits)
    {
        auto *button = named(new QRadioButton(caption, box), name);
        m_sizeLimit->addButton(button, idOf(limit));
        grid->addWidget(button, idOf(limit), 0);
    }
    m_sizeLimitEdit = named(new QLineEdit(box), "txtSizeLimitSize");
    m_sizeUnitCombo = named(new QComboBox(box), "cmbSizeLimitOptions");
    // The settings keep the unit itself; the list shows its name in the user's language.
    for (const char *unit : {QT_TR_NOOP("KB"), QT_TR_NOOP("MB"), QT_TR_NOOP("GB")})
        m_sizeUnitCombo->addItem(tr(unit));
    grid->addWidget(m_sizeLimitEdit, 3, 1);
    grid->addWidget(m_sizeUnitCombo, 3, 2);
    auto *note = named(new QLabel(tr("This option is helpful when you want to make backup copies of Duplicate Files in "
                                     "a CD, DVD etc and have size limits."),
                                  box),
                       "Label5");
    note->setWordWrap(true);
    grid->addWidget(note, 4, 0, 1, 3);
    return box;
}

QWidget *AdvMarkFrm::createFoldersPage()
{
    auto *page = named(new QWidget(this), "frmtab2");
    m_folderView = named(new QTreeView(page), "lvFolders");
    m_folderView->setModel(m_folders);
    m_folderView->setRootIsDecorated(false);
    m_folderView->setUniformRowHeights(true);
    m_subFoldersCheck = named(new QCheckBox(tr("Include Sub-Folders"), page), "chkIncSubFolders");
    auto *tickAllButton = named(new QPushButton(tr("Check all"), page), "cmdChkAll");
    auto *untickAllButton = named(new QPushButton(tr("Uncheck all"), page), "cmdUnChkAll");
    m_folderMaskCombo = maskBox("cmbFileMask2", page);
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(m_folderView, 1);
    auto *folderButtons = new QHBoxLayout;
    folderButtons->addWidget(m_subFoldersCheck);
    folderButtons->addStretch();
    folderButtons->addWidget(tickAllButton);
    folderButtons->addWidget(untickAllButton);
    layout->addLayout(folderButtons);
    layout->addLayout(maskRow(m_folderMaskCombo, page));
    connect(tickAllButton, &QPushButton::clicked, m_folders, [this] { m_folders->setAllTicked(true); });
    connect(untickAllButton, &QPushButton::clicked, m_folders, [this] { m_folders->setAllTicked(false); });
    return page;
}

QHBoxLayout *AdvMarkFrm::createButtons()
{
    auto *markButton = named(new QPushButton(tr("Mark"), this), "cmdOK");
    auto *clearButton = named(new QPushButton(tr("Clear all marks"), this), "cmdClearMarks");
    auto *cancelButton = named(new QPushButton(tr("Cancel"), this), "Command1");
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(clearButton);
    buttons->addStretch();
    buttons->addWidget(markButton);
    buttons->addWidget(cancelButton);
    connect(markButton, &QPushButton::clicked, this, &AdvMarkFrm::markByChoices);
    connect(clearButton, &QPushButton::clicked, this, &AdvMarkFrm::clearAllMarks);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    return buttons;
}

AdvMarkFrm::~AdvMarkFrm() = default;

void AdvMarkFrm::fillMasks(QComboBox *combo)
{
    // The presets, then the user's own masks; the stored list repeats the presets once the user
    // has added a mask, and each mask is listed once.
    QStringList masks = FileMasks::presets();
    for (const QString &mask : m_settings.fileMasks())
    {
        if (!masks.contains(mask))
            masks.append(mask);
    }
    const QString text = combo->currentText();
    combo->clear();
    for (const QString &mask : std::as_const(masks))
        combo->addItem(FileMasks::shown(mask));
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

void AdvMarkFrm::sizeLimitClicked(int id)
{
    const bool specify = id == idOf(Settings::SizeLimit::Specified);
    enableSpecify(specify);
    if (specify)
        m_sizeLimitEdit->setFocus();
}

AdvMarkingChoices AdvMarkFrm::choices() const
{
    AdvMarkingChoices c;
    c.keep = keepChoice();
    c.sizeLimit = static_cast<Settings::SizeLimit>(std::max(0, m_sizeLimit->checkedId()));
    c.sizeLimitText = m_sizeLimitEdit->text();
    c.sizeUnit = static_cast<Settings::SizeUnit>(std::max(0, m_sizeUnitCombo->currentIndex()));
    c.fileMask1 = FileMasks::stored(m_rangeMaskCombo->currentText());
    c.includeSubFolders = m_subFoldersCheck->isChecked();
    c.fileMask2 = FileMasks::stored(m_folderMaskCombo->currentText());
    return c;
}

void AdvMarkFrm::apply(const AdvMarkingChoices &c)
{
    setKeepChoice(KeepRules::normalized(c.keep));
    m_sizeLimit->button(idOf(c.sizeLimit))->setChecked(true);
    enableSpecify(c.sizeLimit == Settings::SizeLimit::Specified);
    m_sizeLimitEdit->setText(c.sizeLimitText);
    m_sizeUnitCombo->setCurrentIndex(static_cast<int>(c.sizeUnit));
    m_rangeMaskCombo->setEditText(FileMasks::shown(c.fileMask1));
    m_subFoldersCheck->setChecked(c.includeSubFolders);
    m_folderMaskCombo->setEditText(FileMasks::shown(c.fileMask2));
}

void AdvMarkFrm::markByChoices()
{
    if (m_tabs->currentIndex() == RangeTab)
    {
        const auto limit =
            SizeLimits::rangeLimit(m_sizeLimit->checkedId(), m_sizeLimitEdit->text(), m_sizeUnitCombo->currentIndex());
        if (!limit)
        {
            m_prompter.error(tr("Type only integer values"));
            m_sizeLimitEdit->setFocus();
            return;
        }
        m_commands.markByRange(
            {KeepRules::rule(keepChoice()), *limit, FileMasks::stored(m_rangeMaskCombo->currentText())});
        return;
    }
    std::vector<FolderTick> folders = m_folders->ticks();
    m_commands.markByFolders(folders, m_subFoldersCheck->isChecked(),
                             FileMasks::stored(m_folderMaskCombo->currentText()));
    m_folders->setTicks(folders);
}

void AdvMarkFrm::clearAllMarks()
{
    m_commands.clearAllMarks();
}
