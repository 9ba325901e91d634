// SPDX-License-Identifier: GPL-3.0-or-later
// "Add/Exclude Folders": describes one search location, or an excluded folder.
#pragma once

#include "search/SearchLocation.h"

#include <QDialog>

#include <optional>

class Prompter;
class Settings;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QToolButton;

class FolderFrm : public QDialog
{
    Q_OBJECT
public:
    FolderFrm(Prompter &prompter, Settings &settings, QWidget *parent = nullptr);

    /// Fills the dialog from an existing row before it is shown, to change that row.
    void fillForChange(const SearchLocation &row);

    /// The location the dialog describes after OK (folder, flag, mask, sizes, icon); none after
    /// Cancel or a close.
    std::optional<SearchLocation> location() const;

    // The controls the window's tests drive.
    QLineEdit *folderEdit = nullptr;
    QToolButton *browseButton = nullptr;
    QCheckBox *subFoldersCheck = nullptr;
    QCheckBox *excludeCheck = nullptr;
    QCheckBox *referenceCheck = nullptr;
    QComboBox *maskCombo = nullptr;
    QLineEdit *minSizeEdit = nullptr;
    QLineEdit *maxSizeEdit = nullptr;
    QPushButton *okButton = nullptr;
    QPushButton *cancelButton = nullptr;

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createControls();
    void layOutControls();
    void prepareFields();
    void browseFolder();
    void applyExclude();
    bool checkMinimumSize();
    bool checkMaximumSize();
    void rememberTypedMask();
    void acceptLocation();
    void cancel();
    void updateOk();
    /// Whether a focus change by this reason is the user leaving a field for another.
    bool leavesTheField(Qt::FocusReason reason) const;

    // What OK took from the controls.
    QString m_folder;
    QString m_subFolders;
    QString m_fileTypes;
    bool m_exclude = false;
    bool m_reference = false; // a searched folder whose files are kept as the originals

    Prompter &m_prompter;
    Settings &m_settings;
    QStringList m_masks;
    bool m_filledForChange = false;
    bool m_activated = false;
    bool m_subFoldersBeforeExclude = true;
};
