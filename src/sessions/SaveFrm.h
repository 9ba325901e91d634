// SPDX-License-Identifier: GPL-3.0-or-later
// The session dialog: saves the search (with or without its result) or loads a saved one.
#pragma once

#include <QDialog>
#include <QString>

class Prompter;
class SettingsStore;
class QCheckBox;
class QGroupBox;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QToolButton;
class SessionCommands;

class SaveFrm : public QDialog
{
    Q_OBJECT
public:
    SaveFrm(SessionCommands &commands, Prompter &prompter, SettingsStore &settings, QWidget *parent = nullptr);

    enum class Mode
    {
        Open,
        Save,
    };
    /// The dialog's role; set before it shows.
    Mode DialogMode = Mode::Open;

    void done(int result) override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    bool saving() const { return DialogMode == Mode::Save; }
    void Form_Activate();
    void cmdAdd_Click();
    void Command1_Click();
    void Form_Unload();

    SessionCommands &m_commands;
    Prompter &m_prompter;
    SettingsStore &m_settings;

    QGroupBox *OpenFrame = nullptr;
    QCheckBox *ReScanc = nullptr;
    QCheckBox *ReCheckc = nullptr;
    QGroupBox *SaveFrame = nullptr;
    QRadioButton *opt1 = nullptr;
    QRadioButton *opt2 = nullptr;
    QLineEdit *txtPath = nullptr;
    QToolButton *cmdAdd = nullptr;
    QPushButton *Command1 = nullptr;
    QPushButton *Command2 = nullptr;
    QCheckBox *chkClose = nullptr;
    QProgressBar *pr = nullptr;

    QString m_chosenPath; // the path the save dialog returned: replacing it was confirmed there
};
