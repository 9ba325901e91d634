// SPDX-License-Identifier: GPL-3.0-or-later
// The two-page export wizard: the result list as delimited text or as an HTML report.
#pragma once

#include "platform/Desktop.h"

#include <QDialog>
#include <QString>

#include <functional>
#include <vector>

class ErrorReporter;
class Prompter;
class SettingsStore;
class QButtonGroup;
class QCheckBox;
class QFrame;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QToolButton;
class ResultModel;

class frmExport : public QDialog
{
    Q_OBJECT
public:
    /// What the wizard is given by the main window.
    struct Inputs
    {
        const ResultModel *rows = nullptr;
        std::vector<int> selectedRows; // rows selected in the result list
        QString filesPanel;            // status panel 3 as it stands (the report's summary)
        QString duplicatesPanel;       // status panel 2 as it stands
        Prompter *prompter = nullptr;
        SettingsStore *settings = nullptr; // the export choices are remembered here
        ErrorReporter *errors = nullptr;
        std::function<void()> playEndSound; // the completion sound (may be empty)
        /// "Open file after export"; empty: Desktop::openFile.
        std::function<Desktop::OpenResult(const QString &path)> openWithDesktop;
    };

    explicit frmExport(Inputs inputs, QWidget *parent = nullptr);

    void done(int result) override;

private:
    void Form_Load();
    void btn_Click();
    void Command1_Click();
    void cmdAdd_Click();
    void Form_QueryUnload();
    void ExportDelimited();
    void ExportHtml();
    void afterExport(bool written);
    /// txtPath with the extension of the format chosen on page 1.
    QString pathForFormat() const;
    void markMissing(const QString &message);

    Inputs m_in;

    QFrame *f1 = nullptr;
    QRadioButton *OptDeli = nullptr;
    QRadioButton *optHtml = nullptr;
    QRadioButton *optMark = nullptr;
    QRadioButton *optAllFiles = nullptr;
    QRadioButton *optSelected = nullptr;
    QCheckBox *openafter = nullptr;
    QFrame *F2 = nullptr;
    QLineEdit *txtPath = nullptr;
    QToolButton *cmdAdd = nullptr;
    QRadioButton *optTab = nullptr;
    QRadioButton *optComma = nullptr;
    QRadioButton *optSemi = nullptr;
    QRadioButton *optOther = nullptr;
    QLineEdit *txtOther = nullptr;
    QRadioButton *webpage = nullptr;
    QProgressBar *PB = nullptr;
    QPushButton *Command1 = nullptr;
    QPushButton *btn = nullptr;
    QPushButton *Command2 = nullptr;

    QString m_chosenPath; // the path the save dialog returned: replacing it was confirmed there

    QButtonGroup *m_format = nullptr;    // ids: 1 optHtml, 2 OptDeli ("ExportFormat")
    QButtonGroup *m_rowChoice = nullptr; // ids: 1 optAllFiles, 2 optMark, 3 optSelected ("ExportType")
    QButtonGroup *m_delimiter = nullptr; // ids: 1 optTab, 2 optComma, 3 optSemi, 4 optOther ("ExportChar"), 5 webpage
};
