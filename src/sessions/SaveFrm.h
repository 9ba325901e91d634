// The session dialog: saves the search (with or without its result) or loads a saved one.
#pragma once

#include <QDialog>
#include <QString>

class Prompter;
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
    SaveFrm(SessionCommands &commands, Prompter &prompter, QWidget *parent = nullptr);

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

    QGroupBox *OpenFrame;
    QCheckBox *ReScanc;
    QCheckBox *ReCheckc;
    QGroupBox *SaveFrame;
    QRadioButton *opt1;
    QRadioButton *opt2;
    QLineEdit *txtPath;
    QToolButton *cmdAdd;
    QPushButton *Command1;
    QPushButton *Command2;
    QCheckBox *chkClose;
    QProgressBar *pr;

    QString m_chosenPath; // the path the save dialog returned: replacing it was confirmed there
};
