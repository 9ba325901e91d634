// SPDX-License-Identifier: GPL-3.0-or-later
#include "sessions/ExportDialog.h"

#include "core/Prompter.h"
#include "platform/Settings.h"
#include "sessions/DelimitedExport.h"
#include "sessions/HtmlExport.h"
#include "sessions/OutputPath.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDateTime>
#include <QDir>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include <cstddef>
#include <optional>
#include <utility>

namespace
{
constexpr int WebpageId = 5;

template <typename W> W *named(W *widget, const char *name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

// The rows choice; with none selected every row is exported.
ExportRows rowsChoice(const QButtonGroup *group)
{
    const int id = group->checkedId();
    return id >= 1 && id <= 3 ? static_cast<ExportRows>(id) : ExportRows::All;
}

// The rows and the delimiters as the settings keep them, and as the export takes them.
constexpr std::pair<Settings::ExportRows, ExportRows> kRows[] = {
    {Settings::ExportRows::All, ExportRows::All},
    {Settings::ExportRows::Marked, ExportRows::Marked},
    {Settings::ExportRows::Selected, ExportRows::Selected},
};
using Delimiter = DelimitedExport::Delimiter;
constexpr std::pair<Settings::ExportDelimiter, Delimiter> kDelimiters[] = {
    {Settings::ExportDelimiter::Tab, Delimiter::Tab},
    {Settings::ExportDelimiter::Comma, Delimiter::Comma},
    {Settings::ExportDelimiter::Semicolon, Delimiter::Semi},
    {Settings::ExportDelimiter::Other, Delimiter::Other},
};

// The button id of a stored choice.
template <typename Stored, typename Own, std::size_t N>
int idOf(const std::pair<Stored, Own> (&table)[N], Stored stored)
{
    for (const auto &[s, own] : table)
    {
        if (s == stored)
            return static_cast<int>(own);
    }
    return -1;
}

// The stored choice of a button id; nothing for a button that has none (no button, "Webpage").
template <typename Stored, typename Own, std::size_t N>
std::optional<Stored> storedOf(const std::pair<Stored, Own> (&table)[N], int id)
{
    for (const auto &[stored, own] : table)
    {
        if (static_cast<int>(own) == id)
            return stored;
    }
    return std::nullopt;
}
} // namespace

ExportDialog::ExportDialog(Inputs inputs, QWidget *parent) : QDialog(parent), m_in(std::move(inputs))
{
    setObjectName(QStringLiteral("frmExport"));
    setWindowTitle(tr("Export Wizard"));
    buildChoicesPage();
    buildOutputPage();
    m_outputPage->hide();
    m_progressBar = named(new QProgressBar(this), "PB");
    m_progressBar->setTextVisible(false);
    m_progressBar->setValue(0);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_choicesPage);
    layout->addWidget(m_outputPage);
    layout->addWidget(m_progressBar);
    layout->addLayout(buildButtons());
    setMinimumWidth(440);
    groupOptions();

    // The text box belongs to "Other Character String" only.
    connect(m_otherOption, &QRadioButton::toggled, m_otherEdit, &QLineEdit::setEnabled);
    m_otherEdit->setEnabled(false);
    connect(m_nextButton, &QPushButton::clicked, this, &ExportDialog::nextOrExport);
    connect(m_backButton, &QPushButton::clicked, this, &ExportDialog::goBack);
    connect(m_cancelButton, &QPushButton::clicked, this, &ExportDialog::reject);
    connect(m_browseButton, &QToolButton::clicked, this, &ExportDialog::choosePath);

    loadChoices();
}

void ExportDialog::buildChoicesPage()
{
    m_choicesPage = named(new QFrame(this), "f1");
    auto *formatFrame = new QGroupBox(tr("Export Format "), m_choicesPage);
    m_delimitedOption =
        named(new QRadioButton(tr("Delimited Text File (for database or spreedsheets)"), m_choicesPage), "OptDeli");
    m_htmlOption = named(new QRadioButton(tr("HTML (webpage)"), m_choicesPage), "optHtml");
    auto *formatLayout = new QVBoxLayout(formatFrame);
    formatLayout->addWidget(m_delimitedOption);
    formatLayout->addWidget(m_htmlOption);
    auto *rowsFrame = new QGroupBox(tr("Files to export "), m_choicesPage);
    m_markedOption = named(new QRadioButton(tr("Mark Files Only"), m_choicesPage), "optMark");
    m_allFilesOption = named(new QRadioButton(tr("All Files"), m_choicesPage), "optAllFiles");
    m_selectedOption = named(new QRadioButton(tr("Selected Files Only"), m_choicesPage), "optSelected");
    auto *rowsLayout = new QVBoxLayout(rowsFrame);
    rowsLayout->addWidget(m_markedOption);
    rowsLayout->addWidget(m_allFilesOption);
    rowsLayout->addWidget(m_selectedOption);
    m_openAfterCheck = named(new QCheckBox(tr("Open file after export"), m_choicesPage), "openafter");
    auto *page = new QVBoxLayout(m_choicesPage);
    page->setContentsMargins(0, 0, 0, 0);
    page->addWidget(formatFrame);
    page->addWidget(rowsFrame);
    page->addWidget(m_openAfterCheck);
}

void ExportDialog::buildOutputPage()
{
    m_outputPage = named(new QFrame(this), "F2");
    auto *outputFrame = new QGroupBox(tr("Output File Name "), m_outputPage);
    m_pathEdit = named(new QLineEdit(m_outputPage), "txtPath");
    m_browseButton = named(new QToolButton(m_outputPage), "cmdAdd");
    m_browseButton->setIcon(style()->standardIcon(QStyle::SP_DirOpenIcon));
    m_browseButton->setToolTip(tr("Browse"));
    auto *outputLayout = new QHBoxLayout(outputFrame);
    outputLayout->addWidget(m_pathEdit, 1);
    outputLayout->addWidget(m_browseButton);
    auto *delimiterFrame = new QGroupBox(tr("Field Delimeter "), m_outputPage);
    //: The delimiter that is a tab character.
    m_tabOption = named(new QRadioButton(tr("TAB"), m_outputPage), "optTab");
    m_commaOption = named(new QRadioButton(tr("Comma"), m_outputPage), "optComma");
    m_semicolonOption = named(new QRadioButton(tr("Semi-colen"), m_outputPage), "optSemi");
    m_otherOption = named(new QRadioButton(tr("Other Character String"), m_outputPage), "optOther");
    m_otherEdit = named(new QLineEdit(m_outputPage), "txtOther");
    m_webpageOption = named(new QRadioButton(tr("Webpage"), m_outputPage), "webpage");
    auto *delimiterLayout = new QGridLayout(delimiterFrame);
    delimiterLayout->addWidget(m_tabOption, 0, 0);
    delimiterLayout->addWidget(m_commaOption, 1, 0);
    delimiterLayout->addWidget(m_semicolonOption, 2, 0);
    delimiterLayout->addWidget(m_otherOption, 3, 0);
    delimiterLayout->addWidget(m_otherEdit, 3, 1);
    delimiterLayout->addWidget(m_webpageOption, 4, 0);
    auto *page = new QVBoxLayout(m_outputPage);
    page->setContentsMargins(0, 0, 0, 0);
    page->addWidget(outputFrame);
    page->addWidget(delimiterFrame);
}

QHBoxLayout *ExportDialog::buildButtons()
{
    m_backButton = named(new QPushButton(tr("< Back"), this), "Command1");
    m_backButton->setEnabled(false);
    m_nextButton = named(new QPushButton(tr("Next >"), this), "btn");
    m_nextButton->setDefault(true);
    m_cancelButton = named(new QPushButton(tr("Cancel"), this), "Command2");
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_backButton);
    buttons->addWidget(m_nextButton);
    buttons->addWidget(m_cancelButton);
    return buttons;
}

void ExportDialog::groupOptions()
{
    m_format = new QButtonGroup(this);
    m_format->addButton(m_htmlOption, 1);
    m_format->addButton(m_delimitedOption, 2);
    m_rowChoice = new QButtonGroup(this);
    m_rowChoice->addButton(m_allFilesOption, static_cast<int>(ExportRows::All));
    m_rowChoice->addButton(m_markedOption, static_cast<int>(ExportRows::Marked));
    m_rowChoice->addButton(m_selectedOption, static_cast<int>(ExportRows::Selected));
    m_delimiter = new QButtonGroup(this);
    m_delimiter->addButton(m_tabOption, static_cast<int>(DelimitedExport::Delimiter::Tab));
    m_delimiter->addButton(m_commaOption, static_cast<int>(DelimitedExport::Delimiter::Comma));
    m_delimiter->addButton(m_semicolonOption, static_cast<int>(DelimitedExport::Delimiter::Semi));
    m_delimiter->addButton(m_otherOption, static_cast<int>(DelimitedExport::Delimiter::Other));
    m_delimiter->addButton(m_webpageOption, WebpageId);
}

void ExportDialog::loadChoices()
{
    const Settings &settings = *m_in.settings;
    m_rowChoice->button(idOf(kRows, settings.exportRows()))->setChecked(true);
    (settings.exportFormat() == Settings::ExportAs::Html ? m_htmlOption : m_delimitedOption)->setChecked(true);
    m_openAfterCheck->setChecked(settings.openAfterExport());
}

void ExportDialog::nextOrExport()
{
    // Page 1 is shown: Next goes to page 2.
    if (m_outputPage->isHidden())
    {
        if (m_in.rows->isEmpty())
        {
            m_in.prompter->error(tr("No duplicate file has been found!\r\nFirst you must perform a search and find "
                                    "at least one duplicate file."),
                                 PromptIcon::Critical);
            return;
        }
        m_nextButton->setText(tr("Export"));
        m_backButton->setEnabled(true);
        m_choicesPage->hide();
        m_outputPage->show();
        const bool html = m_htmlOption->isChecked();
        for (QRadioButton *b : {m_tabOption, m_commaOption, m_semicolonOption, m_otherOption})
            b->setEnabled(!html);
        m_webpageOption->setEnabled(html);
        m_delimiter->button(html ? WebpageId : idOf(kDelimiters, m_in.settings->exportDelimiter()))->setChecked(true);
        m_pathEdit->setText(pathForFormat());
        return;
    }
    if (m_pathEdit->text().trimmed().isEmpty())
    {
        markMissing(tr("Output filename not specified"));
        return;
    }
    m_pathEdit->setText(pathForFormat());
    if (!OutputPath::mayReplace(*m_in.prompter, m_pathEdit->text(), m_chosenPath))
        return;
    m_nextButton->setEnabled(false);
    if (m_webpageOption->isChecked())
        exportHtml();
    else
        exportDelimited();
}

void ExportDialog::markMissing(const QString &message)
{
    m_pathEdit->setFocus();
    m_pathEdit->setStyleSheet(QStringLiteral("background-color: rgb(255, 192, 192)"));
    m_in.prompter->error(message);
}

void ExportDialog::goBack()
{
    m_outputPage->hide();
    m_choicesPage->show();
    m_nextButton->setEnabled(true);
    m_nextButton->setText(tr("Next >"));
    m_backButton->setEnabled(false);
}

void ExportDialog::choosePath()
{
    m_chosenPath =
        m_webpageOption->isChecked()
            ? m_in.prompter->saveFile(tr("Export Location"), tr("Webpage") + QStringLiteral("(*.htm)|*.htm"), QString(),
                                      QString())
            : m_in.prompter->saveFile(tr("Export Locations"), tr("Delimited Format") + QStringLiteral("(*.csv)|*.csv"),
                                      QString(), QString());
    m_pathEdit->setText(m_chosenPath);
}

QString ExportDialog::pathForFormat() const
{
    // The extension follows the format: a list chosen as "x.htm" and then exported as delimited
    // text becomes "x.csv", and a typed name without an extension gets the format's own.
    if (m_htmlOption->isChecked())
        return OutputPath::withExtension(m_pathEdit->text(), QStringLiteral(".htm"), {QStringLiteral(".csv")});
    return OutputPath::withExtension(m_pathEdit->text(), QStringLiteral(".csv"),
                                     {QStringLiteral(".htm"), QStringLiteral(".html")});
}

void ExportDialog::exportDelimited()
{
    const int id = m_delimiter->checkedId();
    const QString delimiter =
        id >= 1 && id <= 4
            ? DelimitedExport::delimiterText(static_cast<DelimitedExport::Delimiter>(id), m_otherEdit->text())
            : QString();
    const ExportChoice choice(*m_in.rows, rowsChoice(m_rowChoice), m_in.selectedRows);
    ProgressHooks progress{[this](int m) { m_progressBar->setMaximum(m); },
                           [this](int v) { m_progressBar->setValue(v); }};
    afterExport(
        DelimitedExport::exportDelimited(m_pathEdit->text(), *m_in.rows, delimiter, choice, *m_in.errors, progress));
}

void ExportDialog::exportHtml()
{
    const ExportChoice choice(*m_in.rows, rowsChoice(m_rowChoice), m_in.selectedRows);
    ProgressHooks progress{[this](int m) { m_progressBar->setMaximum(m); },
                           [this](int v) { m_progressBar->setValue(v); }};
    const HtmlExport::Summary summary{m_in.filesPanel, m_in.duplicatesPanel, QDateTime::currentDateTime()};
    afterExport(HtmlExport::exportHtml(m_pathEdit->text(), *m_in.rows, choice, summary, *m_in.errors, progress));
}

void ExportDialog::afterExport(bool written)
{
    // A file that could not be written was said so; another name or folder may be tried.
    if (!written)
    {
        m_nextButton->setEnabled(true);
        return;
    }
    if (m_in.playEndSound)
        m_in.playEndSound();
    const QString path = m_pathEdit->text();
    if (m_openAfterCheck->isChecked())
    {
        const auto open = m_in.openWithDesktop ? m_in.openWithDesktop : Desktop::openFile;
        if (open(path) == Desktop::OpenResult::NoAssociatedProgram)
            m_in.prompter->error(tr("There is no program associated with the specified type of file."));
    }
    // The work is done: the wizard closes and the window says where the file is.
    if (m_in.reportWritten)
        m_in.reportWritten(tr("The list was exported to %1").arg(QDir::toNativeSeparators(path)));
    accept();
}

void ExportDialog::done(int result)
{
    storeChoices();
    QDialog::done(result);
}

void ExportDialog::storeChoices()
{
    Settings &settings = *m_in.settings;
    if (const std::optional<Settings::ExportRows> rows = storedOf(kRows, m_rowChoice->checkedId()))
        settings.setExportRows(*rows);
    settings.setExportFormat(m_htmlOption->isChecked() ? Settings::ExportAs::Html : Settings::ExportAs::Delimited);
    settings.setOpenAfterExport(m_openAfterCheck->isChecked());
    // The delimiter is kept only when page 2 offered it.
    if (const std::optional<Settings::ExportDelimiter> delimiter = storedOf(kDelimiters, m_delimiter->checkedId()))
        settings.setExportDelimiter(*delimiter);
}
