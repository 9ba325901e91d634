// SPDX-License-Identifier: GPL-3.0-or-later
// The advanced marking dialog: "By Range" keeps one file per group by a rule, "By Folders" marks
// the files of ticked folders.
#pragma once

#include "results/AdvMarkingChoices.h"

#include <QDialog>

class FolderTickModel;
class MarkingCommands;
class Prompter;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QHBoxLayout;
class QLineEdit;
class QTabWidget;
class QTreeView;

/// "Advance Marking". The window creates it once and keeps it; its choices are read from the
/// settings when it is activated (or shown) and written when it is deactivated (or hidden), so
/// they persist between uses and runs. The folder list follows the result list's folders.
class AdvMarkFrm : public QDialog
{
    Q_OBJECT
public:
    AdvMarkFrm(MarkingCommands &commands, Prompter &prompter, Settings &settings, QWidget *parent = nullptr);
    ~AdvMarkFrm() override;

    /// Reads the remembered choices, the mask lists and the result list's folders.
    void loadChoices();
    /// Writes the choices.
    void saveChoices();

protected:
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    // The window's parts, built once by the constructor.
    QWidget *createRangePage();
    QGroupBox *createSizeLimitBox(QWidget *page);
    QWidget *createFoldersPage();
    QHBoxLayout *createButtons();

    void markByChoices();
    void clearAllMarks();
    void keepClicked(KeepGroup group, int value);
    void sizeLimitClicked(int id);
    void fillMasks(QComboBox *combo);

    AdvMarkingChoices choices() const;
    void apply(const AdvMarkingChoices &c);
    KeepChoice keepChoice() const;
    void setKeepChoice(const KeepChoice &k);
    void enableSpecify(bool on);

    MarkingCommands &m_commands;
    Prompter &m_prompter;
    Settings &m_settings;
    FolderTickModel *m_folders = nullptr;

    QTabWidget *m_tabs = nullptr;
    QButtonGroup *m_date = nullptr;      // ids 0 None, 1 Keep Newer, 2 Keep Older
    QButtonGroup *m_size = nullptr;      // ids 0 None, 1 Keep Larger, 2 Keep Smaller
    QButtonGroup *m_version = nullptr;   // ids 0 None, 1 Keep Newer Version, 2 Keep Older Version
    QButtonGroup *m_sizeLimit = nullptr; // ids: the places of Settings::SizeLimit (0 None ... 3 Specify)
    QLineEdit *m_sizeLimitEdit = nullptr;
    QComboBox *m_sizeUnitCombo = nullptr; // KB, MB, GB: the places of Settings::SizeUnit
    QComboBox *m_rangeMaskCombo = nullptr;
    QTreeView *m_folderView = nullptr;
    QCheckBox *m_subFoldersCheck = nullptr;
    QComboBox *m_folderMaskCombo = nullptr;
};
