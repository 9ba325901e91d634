// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/FolderFrm.h"

#include "core/Prompter.h"
#include "platform/Settings.h"
#include "search/FileMasks.h"
#include "search/MaskList.h"
#include "search/TypedFolder.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <QToolButton>

FolderFrm::FolderFrm(Prompter &prompter, Settings &settings, QWidget *parent)
    : QDialog(parent), m_prompter(prompter), m_settings(settings)
{
    setObjectName(QStringLiteral("FolderFrm"));
    setWindowTitle(tr("Add/Exclude Folders"));
    createControls();
    layOutControls();

    // The user's masks, or the presets until the user adds one.
    m_masks = MaskList::masksOrPresets(m_settings);
    for (const QString &mask : std::as_const(m_masks))
        maskCombo->addItem(FileMasks::shown(mask));

    connect(browseButton, &QToolButton::clicked, this, &FolderFrm::browseFolder);
    connect(excludeCheck, &QCheckBox::toggled, this, &FolderFrm::applyExclude);
    connect(okButton, &QPushButton::clicked, this, &FolderFrm::acceptLocation);
    connect(cancelButton, &QPushButton::clicked, this, &FolderFrm::cancel);
    connect(folderEdit, &QLineEdit::textChanged, this, &FolderFrm::updateOk);
    minSizeEdit->installEventFilter(this);
    maxSizeEdit->installEventFilter(this);
    maskCombo->installEventFilter(this);
    updateOk();
}

void FolderFrm::createControls()
{
    folderEdit = new QLineEdit(this);
    folderEdit->setObjectName(QStringLiteral("Text1"));
    browseButton = new QToolButton(this);
    browseButton->setObjectName(QStringLiteral("Command2"));
    browseButton->setIcon(style()->standardIcon(QStyle::SP_DirOpenIcon));
    browseButton->setToolTip(tr("Choose Folder to Search"));
    subFoldersCheck = new QCheckBox(tr("Include Sub Folders"), this);
    subFoldersCheck->setObjectName(QStringLiteral("Check1"));
    subFoldersCheck->setChecked(true);
    excludeCheck = new QCheckBox(tr("Exclude Folder"), this);
    excludeCheck->setObjectName(QStringLiteral("Check2"));
    referenceCheck = new QCheckBox(tr("&Reference: keep every file found here"), this);
    referenceCheck->setObjectName(QStringLiteral("chkReference"));
    referenceCheck->setToolTip(tr("The files of a reference location count as the originals: they are never marked, "
                                  "moved or deleted, and groups of them alone are not listed."));
    maskCombo = new QComboBox(this);
    maskCombo->setObjectName(QStringLiteral("cmbFileMask"));
    maskCombo->setEditable(true);
    maskCombo->setInsertPolicy(QComboBox::NoInsert);
    maskCombo->setMinimumContentsLength(40);
    minSizeEdit = new QLineEdit(QStringLiteral("10"), this);
    minSizeEdit->setObjectName(QStringLiteral("txtMin"));
    maxSizeEdit = new QLineEdit(this);
    maxSizeEdit->setObjectName(QStringLiteral("txtMax"));
    okButton = new QPushButton(tr("OK"), this);
    okButton->setObjectName(QStringLiteral("cmdOK"));
    okButton->setDefault(true);
    cancelButton = new QPushButton(tr("Cancel"), this);
    cancelButton->setObjectName(QStringLiteral("Command1"));
}

void FolderFrm::layOutControls()
{
    auto *grid = new QGridLayout;
    grid->addWidget(new QLabel(tr("Path :"), this), 0, 0);
    auto *path = new QHBoxLayout;
    path->addWidget(folderEdit, 1);
    path->addWidget(browseButton);
    grid->addLayout(path, 0, 1);
    auto *checks = new QHBoxLayout;
    checks->addWidget(subFoldersCheck);
    checks->addWidget(excludeCheck);
    checks->addWidget(referenceCheck);
    checks->addStretch();
    grid->addLayout(checks, 1, 1);
    grid->addWidget(new QLabel(tr("File Mask(s)"), this), 2, 0);
    grid->addWidget(maskCombo, 2, 1);
    grid->addWidget(new QLabel(tr("File Size in Range"), this), 3, 0);
    auto *sizes = new QHBoxLayout;
    sizes->addWidget(minSizeEdit);
    // A dash between the two sizes, not a word.
    sizes->addWidget(new QLabel(QStringLiteral("-"), this));
    sizes->addWidget(maxSizeEdit);
    sizes->addWidget(new QLabel(tr("KB"), this));
    sizes->addStretch();
    grid->addLayout(sizes, 3, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
}

void FolderFrm::fillForChange(const SearchLocation &row)
{
    folderEdit->setText(row.folder);
    m_subFolders = row.subFolders;
    m_fileTypes = row.mask;
    minSizeEdit->setText(row.minSize);
    maxSizeEdit->setText(row.maxSize);
    m_exclude = row.excluded();
    m_reference = row.reference();
    m_filledForChange = true;
}

std::optional<SearchLocation> FolderFrm::location() const
{
    if (result() != QDialog::Accepted || m_folder.trimmed().isEmpty())
        return std::nullopt;
    SearchLocation l;
    l.folder = m_folder;
    l.subFolders = m_subFolders;
    l.mask = m_fileTypes;
    l.minSize = minSizeEdit->text();
    l.maxSize = maxSizeEdit->text();
    l.icon = m_exclude     ? SearchLocation::ExcludedIcon
             : m_reference ? SearchLocation::ReferenceIcon
                           : SearchLocation::IncludedIcon;
    return l;
}

void FolderFrm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!m_activated)
    {
        m_activated = true;
        prepareFields();
    }
}

void FolderFrm::prepareFields()
{
    if (m_filledForChange && !folderEdit->text().isEmpty())
    {
        subFoldersCheck->setChecked(m_subFolders == u"Yes");
        excludeCheck->setChecked(m_exclude);
        referenceCheck->setChecked(m_reference);
        maskCombo->setEditText(FileMasks::shown(m_fileTypes));
        return;
    }
    maskCombo->setEditText(FileMasks::shown(m_settings.selectedMask()));
    minSizeEdit->setText(m_settings.minFileSize());
    maxSizeEdit->setText(m_settings.maxFileSize());
    // The folder picker opens together with the dialog.
    QTimer::singleShot(0, this, &FolderFrm::browseFolder);
}

void FolderFrm::browseFolder()
{
    folderEdit->setText(m_prompter.pickFolder(tr("Choose Folder to Search"), folderEdit->text(), false));
    updateOk();
}

void FolderFrm::updateOk()
{
    okButton->setEnabled(!folderEdit->text().trimmed().isEmpty());
}

void FolderFrm::applyExclude()
{
    QFont font = excludeCheck->font();
    font.setBold(excludeCheck->isChecked());
    excludeCheck->setFont(font);
    if (excludeCheck->isChecked())
    {
        m_subFoldersBeforeExclude = subFoldersCheck->isChecked();
        subFoldersCheck->setChecked(true);
        for (QWidget *w : {static_cast<QWidget *>(subFoldersCheck), static_cast<QWidget *>(minSizeEdit),
                           static_cast<QWidget *>(maxSizeEdit), static_cast<QWidget *>(maskCombo),
                           static_cast<QWidget *>(referenceCheck)})
            w->setEnabled(false);
        return;
    }
    for (QWidget *w : {static_cast<QWidget *>(minSizeEdit), static_cast<QWidget *>(maxSizeEdit),
                       static_cast<QWidget *>(maskCombo), static_cast<QWidget *>(referenceCheck)})
        w->setEnabled(true);
    subFoldersCheck->setChecked(m_subFoldersBeforeExclude);
    subFoldersCheck->setEnabled(true);
}

bool FolderFrm::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusOut && leavesTheField(static_cast<QFocusEvent *>(event)->reason()))
    {
        if (watched == minSizeEdit)
            checkMinimumSize();
        else if (watched == maxSizeEdit)
            checkMaximumSize();
        else if (watched == maskCombo)
            rememberTypedMask();
    }
    return QDialog::eventFilter(watched, event);
}

bool FolderFrm::leavesTheField(Qt::FocusReason reason) const
{
    // The folder picker or another window taking the activation, or the mask list opening, is
    // no leaving: the user comes back to the same field.
    if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
        return false;
    // OK checks every field itself (and says so once); Cancel needs no field to be right.
    const QWidget *next = QApplication::focusWidget();
    return next != okButton && next != cancelButton;
}

bool FolderFrm::checkMinimumSize()
{
    if (!minSizeEdit->text().isEmpty() && SizeFields::normalizedMin(minSizeEdit->text()) != minSizeEdit->text())
        minSizeEdit->setText(QStringLiteral("10"));
    return true;
}

bool FolderFrm::checkMaximumSize()
{
    if (SizeFields::normalizedMax(maxSizeEdit->text()).isEmpty())
    {
        maxSizeEdit->clear();
        return true;
    }
    if (SizeFields::maxAcceptable(minSizeEdit->text(), maxSizeEdit->text()))
        return true;
    m_prompter.error(tr("Maximum size must be greater then minimum size"));
    maxSizeEdit->clear();
    maxSizeEdit->setFocus();
    return false;
}

void FolderFrm::rememberTypedMask()
{
    const QString typed = maskCombo->currentText();
    if (MaskList::addTypedMask(m_masks, FileMasks::stored(typed)))
    {
        maskCombo->insertItem(0, typed);
        maskCombo->setEditText(typed);
        m_settings.setFileMasks(m_masks);
    }
}

void FolderFrm::acceptLocation()
{
    const TypedFolder::Checked typed = TypedFolder::check(folderEdit->text(), QDir::homePath());
    if (!typed.error.isEmpty())
    {
        m_prompter.error(typed.error);
        folderEdit->setFocus();
        return;
    }
    folderEdit->setText(typed.folder);
    // The minimum as it will be stored, so that a maximum below it can never be stored.
    if (!excludeCheck->isChecked())
    {
        minSizeEdit->setText(SizeFields::normalizedMin(minSizeEdit->text()));
        if (!checkMaximumSize())
            return;
    }
    maxSizeEdit->setText(SizeFields::normalizedMax(maxSizeEdit->text()));
    m_folder = folderEdit->text();
    const QString mask = FileMasks::stored(maskCombo->currentText());
    m_fileTypes = mask.trimmed().isEmpty() ? FileMasks::allFiles() : mask;
    m_subFolders = subFoldersCheck->isChecked() ? QStringLiteral("Yes") : QStringLiteral("No");
    m_exclude = excludeCheck->isChecked();
    m_reference = referenceCheck->isChecked() && !m_exclude;
    if (m_exclude)
    {
        m_fileTypes.clear();
        minSizeEdit->clear();
        maxSizeEdit->clear();
    }
    rememberTypedMask();
    m_settings.setSelectedMask(FileMasks::stored(maskCombo->currentText()));
    m_settings.setMinFileSize(minSizeEdit->text());
    m_settings.setMaxFileSize(maxSizeEdit->text());
    accept();
}

void FolderFrm::cancel()
{
    folderEdit->clear();
    reject();
}
