// The two-page export wizard: the result list as delimited text or as an HTML report.
#pragma once

#include "platform/Desktop.h"

#include <QDialog>
#include <QString>

#include <functional>
#include <vector>

class ErrorReporter;
class Prompter;
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

    QFrame *f1;
    QRadioButton *OptDeli;
    QRadioButton *optHtml;
    QRadioButton *optMark;
    QRadioButton *optAllFiles;
    QRadioButton *optSelected;
    QCheckBox *openafter;
    QFrame *F2;
    QLineEdit *txtPath;
    QToolButton *cmdAdd;
    QRadioButton *optTab;
    QRadioButton *optComma;
    QRadioButton *optSemi;
    QRadioButton *optOther;
    QLineEdit *txtOther;
    QRadioButton *webpage;
    QProgressBar *PB;
    QPushButton *Command1;
    QPushButton *btn;
    QPushButton *Command2;

    QString m_chosenPath; // the path the save dialog returned: replacing it was confirmed there

    QButtonGroup *m_format;    // ids: 1 optHtml, 2 OptDeli ("ExportFormat")
    QButtonGroup *m_rowChoice; // ids: 1 optAllFiles, 2 optMark, 3 optSelected ("ExportType")
    QButtonGroup *m_delimiter; // ids: 1 optTab, 2 optComma, 3 optSemi, 4 optOther ("ExportChar"), 5 webpage
};
