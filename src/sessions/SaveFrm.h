// SPDX-License-Identifier: GPL-3.0-or-later
// The session dialog: saves the search (with or without its result) or loads a saved one.
#pragma once

#include <QDialog>
#include <QString>

class Prompter;
class Settings;
class QCheckBox;
class QGroupBox;
class QHBoxLayout;
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
    SaveFrm(SessionCommands &commands, Prompter &prompter, Settings &settings, QWidget *parent = nullptr);

    enum class Mode
    {
        Open,
        Save,
    };
    /// The dialog's role; set before it shows.
    Mode mode = Mode::Open;

    void done(int result) override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    // The window, group by group.
    void buildOpenBox();
    void buildSaveBox();
    QHBoxLayout *buildPathRow();
    QHBoxLayout *buildButtons();

    bool saving() const { return mode == Mode::Save; }
    void applyMode();
    void choosePath();
    void openOrSave();
    void storeCloseChoice();

    SessionCommands &m_commands;
    Prompter &m_prompter;
    Settings &m_settings;

    QGroupBox *m_openBox = nullptr;
    QCheckBox *m_rescanCheck = nullptr;
    QCheckBox *m_recheckCheck = nullptr;
    QGroupBox *m_saveBox = nullptr;
    QRadioButton *m_parametersOnlyOption = nullptr;
    QRadioButton *m_withResultsOption = nullptr;
    QLineEdit *m_pathEdit = nullptr;
    QToolButton *m_browseButton = nullptr;
    QToolButton *m_recentButton = nullptr;
    QPushButton *m_openSaveButton = nullptr;
    QPushButton *m_cancelButton = nullptr;
    QCheckBox *m_closeCheck = nullptr;
    QProgressBar *m_progressBar = nullptr;

    QString m_chosenPath; // the path the save dialog returned: replacing it was confirmed there
};
