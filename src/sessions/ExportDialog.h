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
class Settings;
class QButtonGroup;
class QCheckBox;
class QFrame;
class QHBoxLayout;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QToolButton;
class ResultModel;

class ExportDialog : public QDialog
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
        Settings *settings = nullptr; // the export choices are remembered here
        ErrorReporter *errors = nullptr;
        std::function<void()> playEndSound; // the completion sound (may be empty)
        /// "Open file after export"; empty: Desktop::openFile.
        std::function<Desktop::OpenResult(const QString &path)> openWithDesktop;
        /// Told where the file went once it is written and the wizard closes (may be empty).
        std::function<void(const QString &text)> reportWritten;
    };

    explicit ExportDialog(Inputs inputs, QWidget *parent = nullptr);

    void done(int result) override;

private:
    // The window, group by group.
    void buildChoicesPage();
    void buildOutputPage();
    QHBoxLayout *buildButtons();
    void groupOptions();

    void loadChoices();
    void nextOrExport();
    void goBack();
    void choosePath();
    void storeChoices();
    void exportDelimited();
    void exportHtml();
    void afterExport(bool written);
    /// m_pathEdit with the extension of the format chosen on page 1.
    QString pathForFormat() const;
    void markMissing(const QString &message);

    Inputs m_in;

    QFrame *m_choicesPage = nullptr;
    QRadioButton *m_delimitedOption = nullptr;
    QRadioButton *m_htmlOption = nullptr;
    QRadioButton *m_markedOption = nullptr;
    QRadioButton *m_allFilesOption = nullptr;
    QRadioButton *m_selectedOption = nullptr;
    QCheckBox *m_openAfterCheck = nullptr;
    QFrame *m_outputPage = nullptr;
    QLineEdit *m_pathEdit = nullptr;
    QToolButton *m_browseButton = nullptr;
    QRadioButton *m_tabOption = nullptr;
    QRadioButton *m_commaOption = nullptr;
    QRadioButton *m_semicolonOption = nullptr;
    QRadioButton *m_otherOption = nullptr;
    QLineEdit *m_otherEdit = nullptr;
    QRadioButton *m_webpageOption = nullptr;
    QProgressBar *m_progressBar = nullptr;
    QPushButton *m_backButton = nullptr;
    QPushButton *m_nextButton = nullptr;
    QPushButton *m_cancelButton = nullptr;

    QString m_chosenPath; // the path the save dialog returned: replacing it was confirmed there

    QButtonGroup *m_format = nullptr;    // ids: 1 m_htmlOption, 2 m_delimitedOption
    QButtonGroup *m_rowChoice = nullptr; // ids: the ExportRows of m_allFilesOption, m_markedOption, m_selectedOption
    QButtonGroup *m_delimiter = nullptr; // ids: the DelimitedExport::Delimiter of m_tabOption, m_commaOption,
                                         // m_semicolonOption, m_otherOption; 5 m_webpageOption
};
