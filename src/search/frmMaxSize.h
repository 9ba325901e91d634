// SPDX-License-Identifier: GPL-3.0-or-later
// The size-limit dialog: the total size up to which "Mark All Duplicates upto..." marks copies.
#pragma once

#include "search/SizeLimits.h"

#include <QDialog>

#include <optional>

class Prompter;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLineEdit;
class SettingsStore;

/// "Maximum size limit": a CD, a DVD or a typed size with its unit, and "Mark Large Files First".
/// The choice confirmed with OK comes back the next time (settings "MaxLimit", "MaxText",
/// "MaxSet"); Esc or the title bar's close cancels: nothing is stored and nothing is marked.
class frmMaxSize : public QDialog
{
    Q_OBJECT
public:
    frmMaxSize(Prompter &prompter, SettingsStore &settings, QWidget *parent = nullptr);

    /// The limit in kilobytes set by the last OK; kept for the program's run, empty before.
    static inline std::optional<double> SizeLimit;

    /// "Mark Large Files First" is ticked.
    bool largeFilesFirst() const;

    /// Shows the dialog modally and returns what "Mark All Duplicates upto..." needs; nothing when
    /// the user cancelled.
    static std::optional<SizeLimits::UpTo> ask(Prompter &prompter, SettingsStore &settings, QWidget *parent);

    /// Stores the choice when the dialog closes with OK.
    void done(int result) override;

private:
    void Form_Load();
    void Form_Unload();
    void Command1_Click();
    void Option_Click(int option);

    Prompter &m_prompter;
    SettingsStore &m_settings;
    QButtonGroup *m_options = nullptr; // ids 1 Option1, 2 Option2, 3 Option3
    QLineEdit *Text1 = nullptr;
    QComboBox *combo1 = nullptr;
    QCheckBox *Check1 = nullptr;
};
