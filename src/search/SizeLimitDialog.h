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
class Settings;

/// "Maximum size limit": a CD, a DVD or a typed size with its unit, and "Mark Large Files First".
/// The choice confirmed with OK comes back the next time (Settings::sizeLimit(), sizeLimitText(),
/// sizeLimitUnit()); Esc or the title bar's close cancels: nothing is stored and nothing is marked.
class SizeLimitDialog : public QDialog
{
    Q_OBJECT
public:
    SizeLimitDialog(Prompter &prompter, Settings &settings, QWidget *parent = nullptr);

    /// The limit in kilobytes set by the last OK; kept for the program's run, empty before.
    static inline std::optional<double> sizeLimit;

    /// "Mark Large Files First" is ticked.
    bool largeFilesFirst() const;

    /// Shows the dialog modally and returns what "Mark All Duplicates upto..." needs; nothing when
    /// the user cancelled.
    static std::optional<SizeLimits::UpTo> ask(Prompter &prompter, Settings &settings, QWidget *parent);

    /// Stores the choice when the dialog closes with OK.
    void done(int result) override;

private:
    void loadChoice();
    void storeChoice();
    void acceptLimit();
    void chooseLimit(int id);

    Prompter &m_prompter;
    Settings &m_settings;
    QButtonGroup *m_options = nullptr; // ids: the places of Settings::SizeLimit (1 CD, 2 DVD, 3 Specify)
    QLineEdit *m_sizeEdit = nullptr;
    QComboBox *m_unitCombo = nullptr;
    QCheckBox *m_largeFilesFirstCheck = nullptr;
};
