// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/FolderFrm.h"

#include "core/Prompter.h"
#include "platform/SettingsKeys.h"
#include "platform/SettingsStore.h"
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

FolderFrm::FolderFrm(Prompter &prompter, SettingsStore &settings, QWidget *parent)
    : QDialog(parent), m_prompter(prompter), m_settings(settings)
{
    setObjectName(QStringLiteral("FolderFrm"));
    setWindowTitle(tr("Add/Exclude Folders"));

    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Command2 = new QToolButton(this);
    Command2->setObjectName(QStringLiteral("Command2"));
    Command2->setIcon(style()->standardIcon(QStyle::SP_DirOpenIcon));
    Command2->setToolTip(QStringLiteral("Choose Folder to Search"));
    Check1 = new QCheckBox(QStringLiteral("Include Sub Folders"), this);
    Check1->setObjectName(QStringLiteral("Check1"));
    Check1->setChecked(true);
    Check2 = new QCheckBox(QStringLiteral("Exclude Folder"), this);
    Check2->setObjectName(QStringLiteral("Check2"));
    chkReference = new QCheckBox(QStringLiteral("&Reference: keep every file found here"), this);
    chkReference->setObjectName(QStringLiteral("chkReference"));
    chkReference->setToolTip(QStringLiteral("The files of a reference location count as the originals: they are "
                                            "never marked, moved or deleted, and groups of them alone are not "
                                            "listed."));
    cmbFileMask = new QComboBox(this);
    cmbFileMask->setObjectName(QStringLiteral("cmbFileMask"));
    cmbFileMask->setEditable(true);
    cmbFileMask->setInsertPolicy(QComboBox::NoInsert);
    cmbFileMask->setMinimumContentsLength(40);
    txtMin = new QLineEdit(QStringLiteral("10"), this);
    txtMin->setObjectName(QStringLiteral("txtMin"));
    txtMax = new QLineEdit(this);
    txtMax->setObjectName(QStringLiteral("txtMax"));
    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    Command1 = new QPushButton(QStringLiteral("Cancel"), this);
    Command1->setObjectName(QStringLiteral("Command1"));

    auto *grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("Path :"), this), 0, 0);
    auto *path = new QHBoxLayout;
    path->addWidget(Text1, 1);
    path->addWidget(Command2);
    grid->addLayout(path, 0, 1);
    auto *checks = new QHBoxLayout;
    checks->addWidget(Check1);
    checks->addWidget(Check2);
    checks->addWidget(chkReference);
    checks->addStretch();
    grid->addLayout(checks, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("File Mask(s)"), this), 2, 0);
    grid->addWidget(cmbFileMask, 2, 1);
    grid->addWidget(new QLabel(QStringLiteral("File Size in Range"), this), 3, 0);
    auto *sizes = new QHBoxLayout;
    sizes->addWidget(txtMin);
    sizes->addWidget(new QLabel(QStringLiteral("-"), this));
    sizes->addWidget(txtMax);
    sizes->addWidget(new QLabel(QStringLiteral("KB"), this));
    sizes->addStretch();
    grid->addLayout(sizes, 3, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(Command1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);

    // Form_Load: the user's masks, or the presets until the user adds one.
    m_masks = MaskList::masksOrPresets(m_settings);
    cmbFileMask->addItems(m_masks);

    connect(Command2, &QToolButton::clicked, this, &FolderFrm::Command2_Click);
    connect(Check2, &QCheckBox::toggled, this, &FolderFrm::Check2_Click);
    connect(cmdOK, &QPushButton::clicked, this, &FolderFrm::cmdOK_Click);
    connect(Command1, &QPushButton::clicked, this, &FolderFrm::Command1_Click);
    connect(Text1, &QLineEdit::textChanged, this, &FolderFrm::updateOk);
    txtMin->installEventFilter(this);
    txtMax->installEventFilter(this);
    cmbFileMask->installEventFilter(this);
    updateOk();
}

void FolderFrm::fillForChange(const SearchLocation &row)
{
    Text1->setText(row.folder);
    SubFolder = row.subFolders;
    FileTypes = row.mask;
    txtMin->setText(row.minSize);
    txtMax->setText(row.maxSize);
    Exclude = row.excluded();
    Reference = row.reference();
    m_filledForChange = true;
}

std::optional<SearchLocation> FolderFrm::location() const
{
    if (result() != QDialog::Accepted || Folder.trimmed().isEmpty())
        return std::nullopt;
    SearchLocation l;
    l.folder = Folder;
    l.subFolders = SubFolder;
    l.mask = FileTypes;
    l.minSize = txtMin->text();
    l.maxSize = txtMax->text();
    l.icon = Exclude     ? SearchLocation::ExcludedIcon
             : Reference ? SearchLocation::ReferenceIcon
                         : SearchLocation::IncludedIcon;
    return l;
}

void FolderFrm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!m_activated)
    {
        m_activated = true;
        Form_Activate();
    }
}

void FolderFrm::Form_Activate()
{
    if (m_filledForChange && !Text1->text().isEmpty())
    {
        Check1->setChecked(SubFolder == u"Yes");
        Check2->setChecked(Exclude);
        chkReference->setChecked(Reference);
        cmbFileMask->setEditText(FileTypes);
        return;
    }
    cmbFileMask->setEditText(m_settings.value(Settings::FileMaskSelected));
    txtMin->setText(m_settings.value(Settings::MinFileSize));
    txtMax->setText(m_settings.value(Settings::MaxFileSize));
    // The folder picker opens together with the dialog.
    QTimer::singleShot(0, this, &FolderFrm::Command2_Click);
}

void FolderFrm::Command2_Click()
{
    Text1->setText(m_prompter.pickFolder(QStringLiteral("Choose Folder to Search"), Text1->text(), false));
    updateOk();
}

void FolderFrm::updateOk()
{
    cmdOK->setEnabled(!Text1->text().trimmed().isEmpty());
}

void FolderFrm::Check2_Click()
{
    QFont font = Check2->font();
    font.setBold(Check2->isChecked());
    Check2->setFont(font);
    if (Check2->isChecked())
    {
        m_subFoldersBeforeExclude = Check1->isChecked();
        Check1->setChecked(true);
        for (QWidget *w :
             {static_cast<QWidget *>(Check1), static_cast<QWidget *>(txtMin), static_cast<QWidget *>(txtMax),
              static_cast<QWidget *>(cmbFileMask), static_cast<QWidget *>(chkReference)})
            w->setEnabled(false);
        return;
    }
    for (QWidget *w : {static_cast<QWidget *>(txtMin), static_cast<QWidget *>(txtMax),
                       static_cast<QWidget *>(cmbFileMask), static_cast<QWidget *>(chkReference)})
        w->setEnabled(true);
    Check1->setChecked(m_subFoldersBeforeExclude);
    Check1->setEnabled(true);
}

bool FolderFrm::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusOut && leavesTheField(static_cast<QFocusEvent *>(event)->reason()))
    {
        if (watched == txtMin)
            txtMin_Validate();
        else if (watched == txtMax)
            txtMax_Validate();
        else if (watched == cmbFileMask)
            cmbFileMask_Validate();
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
    return next != cmdOK && next != Command1;
}

bool FolderFrm::txtMin_Validate()
{
    if (!txtMin->text().isEmpty() && SizeFields::normalizedMin(txtMin->text()) != txtMin->text())
        txtMin->setText(QStringLiteral("10"));
    return true;
}

bool FolderFrm::txtMax_Validate()
{
    if (SizeFields::normalizedMax(txtMax->text()).isEmpty())
    {
        txtMax->clear();
        return true;
    }
    if (SizeFields::maxAcceptable(txtMin->text(), txtMax->text()))
        return true;
    m_prompter.error(QStringLiteral("Maximum size must be greater then minimum size"));
    txtMax->clear();
    txtMax->setFocus();
    return false;
}

void FolderFrm::cmbFileMask_Validate()
{
    if (MaskList::addTypedMask(m_masks, cmbFileMask->currentText()))
    {
        const QString typed = cmbFileMask->currentText();
        cmbFileMask->insertItem(0, typed);
        cmbFileMask->setEditText(typed);
        MaskList::SaveMasks(m_settings, m_masks);
    }
}

void FolderFrm::cmdOK_Click()
{
    const TypedFolder::Checked typed = TypedFolder::check(Text1->text(), QDir::homePath());
    if (!typed.error.isEmpty())
    {
        m_prompter.error(typed.error);
        Text1->setFocus();
        return;
    }
    Text1->setText(typed.folder);
    // The minimum as it will be stored, so that a maximum below it can never be stored.
    if (!Check2->isChecked())
    {
        txtMin->setText(SizeFields::normalizedMin(txtMin->text()));
        if (!txtMax_Validate())
            return;
    }
    txtMax->setText(SizeFields::normalizedMax(txtMax->text()));
    Folder = Text1->text();
    const QString mask = cmbFileMask->currentText();
    FileTypes = mask.trimmed().isEmpty() ? FileMasks::allFiles() : mask;
    SubFolder = Check1->isChecked() ? QStringLiteral("Yes") : QStringLiteral("No");
    Exclude = Check2->isChecked();
    Reference = chkReference->isChecked() && !Exclude;
    if (Exclude)
    {
        FileTypes.clear();
        txtMin->clear();
        txtMax->clear();
    }
    cmbFileMask_Validate();
    m_settings.setValue(Settings::FileMaskSelected, cmbFileMask->currentText());
    m_settings.setValue(Settings::MinFileSize, txtMin->text());
    m_settings.setValue(Settings::MaxFileSize, txtMax->text());
    accept();
}

void FolderFrm::Command1_Click()
{
    Text1->clear();
    reject();
}
