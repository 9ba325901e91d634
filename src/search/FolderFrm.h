// SPDX-License-Identifier: GPL-3.0-or-later
// "Add/Exclude Folders": describes one search location, or an excluded folder.
#pragma once

#include "search/SearchLocation.h"

#include <QDialog>

#include <optional>

class Prompter;
class SettingsStore;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QToolButton;

class FolderFrm : public QDialog
{
    Q_OBJECT
public:
    FolderFrm(Prompter &prompter, SettingsStore &settings, QWidget *parent = nullptr);

    /// Fills the dialog from an existing row before it is shown, to change that row.
    void fillForChange(const SearchLocation &row);

    /// The location the dialog describes after OK (folder, flag, mask, sizes, icon); none after
    /// Cancel or a close.
    std::optional<SearchLocation> location() const;

    // The controls, by the names the window's tests find them under.
    QLineEdit *Text1 = nullptr;
    QToolButton *Command2 = nullptr;
    QCheckBox *Check1 = nullptr;
    QCheckBox *Check2 = nullptr;
    QCheckBox *chkReference = nullptr;
    QComboBox *cmbFileMask = nullptr;
    QLineEdit *txtMin = nullptr;
    QLineEdit *txtMax = nullptr;
    QPushButton *cmdOK = nullptr;
    QPushButton *Command1 = nullptr;

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Form_Activate();
    void Command2_Click();
    void Check2_Click();
    bool txtMin_Validate();
    bool txtMax_Validate();
    void cmbFileMask_Validate();
    void cmdOK_Click();
    void Command1_Click();
    void updateOk();
    /// Whether a focus change by this reason is the user leaving a field for another.
    bool leavesTheField(Qt::FocusReason reason) const;

    // What OK took from the controls.
    QString Folder;
    QString SubFolder;
    QString FileTypes;
    bool Exclude = false;
    bool Reference = false; // a searched folder whose files are kept as the originals

    Prompter &m_prompter;
    SettingsStore &m_settings;
    QStringList m_masks;
    bool m_filledForChange = false;
    bool m_activated = false;
    bool m_subFoldersBeforeExclude = true;
};
