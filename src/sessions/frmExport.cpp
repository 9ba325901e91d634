// SPDX-License-Identifier: GPL-3.0-or-later
#include "sessions/frmExport.h"

#include "core/Prompter.h"
#include "core/VbNumeric.h"
#include "platform/SettingsKeys.h"
#include "platform/SettingsStore.h"
#include "sessions/DelimitedExport.h"
#include "sessions/HtmlExport.h"
#include "sessions/OutputPath.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDateTime>
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

int storedNumber(const SettingsStore &settings, const SettingKey &key)
{
    return static_cast<int>(VbNumeric::Val(settings.value(key)));
}

// Checks the button of the id, or none when no button has it.
void selectOnly(QButtonGroup *group, int id)
{
    if (QAbstractButton *b = group->button(id))
    {
        b->setChecked(true);
        return;
    }
    group->setExclusive(false);
    for (QAbstractButton *b : group->buttons())
        b->setChecked(false);
    group->setExclusive(true);
}
} // namespace

frmExport::frmExport(Inputs inputs, QWidget *parent) : QDialog(parent), m_in(std::move(inputs))
{
    setObjectName(QStringLiteral("frmExport"));
    setWindowTitle(tr("Export Wizard"));

    // Page 1: format, rows, open afterwards.
    f1 = named(new QFrame(this), "f1");
    auto *formatFrame = new QGroupBox(QStringLiteral("Export Format "), f1);
    OptDeli =
        named(new QRadioButton(QStringLiteral("Delimited Text File (for database or spreedsheets)"), f1), "OptDeli");
    optHtml = named(new QRadioButton(QStringLiteral("HTML (webpage)"), f1), "optHtml");
    auto *formatLayout = new QVBoxLayout(formatFrame);
    formatLayout->addWidget(OptDeli);
    formatLayout->addWidget(optHtml);
    auto *rowsFrame = new QGroupBox(QStringLiteral("Files to export "), f1);
    optMark = named(new QRadioButton(QStringLiteral("Mark Files Only"), f1), "optMark");
    optAllFiles = named(new QRadioButton(QStringLiteral("All Files"), f1), "optAllFiles");
    optSelected = named(new QRadioButton(QStringLiteral("Selected Files Only"), f1), "optSelected");
    auto *rowsLayout = new QVBoxLayout(rowsFrame);
    rowsLayout->addWidget(optMark);
    rowsLayout->addWidget(optAllFiles);
    rowsLayout->addWidget(optSelected);
    openafter = named(new QCheckBox(QStringLiteral("Open file after export"), f1), "openafter");
    auto *page1 = new QVBoxLayout(f1);
    page1->setContentsMargins(0, 0, 0, 0);
    page1->addWidget(formatFrame);
    page1->addWidget(rowsFrame);
    page1->addWidget(openafter);

    // Page 2: output file and delimiter.
    F2 = named(new QFrame(this), "F2");
    auto *outputFrame = new QGroupBox(QStringLiteral("Output File Name "), F2);
    txtPath = named(new QLineEdit(F2), "txtPath");
    cmdAdd = named(new QToolButton(F2), "cmdAdd");
    cmdAdd->setIcon(style()->standardIcon(QStyle::SP_DirOpenIcon));
    cmdAdd->setToolTip(QStringLiteral("Browse"));
    auto *outputLayout = new QHBoxLayout(outputFrame);
    outputLayout->addWidget(txtPath, 1);
    outputLayout->addWidget(cmdAdd);
    auto *delimiterFrame = new QGroupBox(QStringLiteral("Field Delimeter "), F2);
    optTab = named(new QRadioButton(QStringLiteral("TAB"), F2), "optTab");
    optComma = named(new QRadioButton(QStringLiteral("Comma"), F2), "optComma");
    optSemi = named(new QRadioButton(QStringLiteral("Semi-colen"), F2), "optSemi");
    optOther = named(new QRadioButton(QStringLiteral("Other Character String"), F2), "optOther");
    txtOther = named(new QLineEdit(F2), "txtOther");
    webpage = named(new QRadioButton(QStringLiteral("Webpage"), F2), "webpage");
    auto *delimiterLayout = new QGridLayout(delimiterFrame);
    delimiterLayout->addWidget(optTab, 0, 0);
    delimiterLayout->addWidget(optComma, 1, 0);
    delimiterLayout->addWidget(optSemi, 2, 0);
    delimiterLayout->addWidget(optOther, 3, 0);
    delimiterLayout->addWidget(txtOther, 3, 1);
    delimiterLayout->addWidget(webpage, 4, 0);
    auto *page2 = new QVBoxLayout(F2);
    page2->setContentsMargins(0, 0, 0, 0);
    page2->addWidget(outputFrame);
    page2->addWidget(delimiterFrame);
    F2->hide();

    PB = named(new QProgressBar(this), "PB");
    PB->setTextVisible(false);
    PB->setValue(0);
    Command1 = named(new QPushButton(QStringLiteral("< Back"), this), "Command1");
    Command1->setEnabled(false);
    btn = named(new QPushButton(QStringLiteral("Next >"), this), "btn");
    btn->setDefault(true);
    Command2 = named(new QPushButton(QStringLiteral("Cancel"), this), "Command2");
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(Command1);
    buttons->addWidget(btn);
    buttons->addWidget(Command2);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(f1);
    layout->addWidget(F2);
    layout->addWidget(PB);
    layout->addLayout(buttons);
    setMinimumWidth(440);

    m_format = new QButtonGroup(this);
    m_format->addButton(optHtml, 1);
    m_format->addButton(OptDeli, 2);
    m_rowChoice = new QButtonGroup(this);
    m_rowChoice->addButton(optAllFiles, static_cast<int>(ExportRows::All));
    m_rowChoice->addButton(optMark, static_cast<int>(ExportRows::Marked));
    m_rowChoice->addButton(optSelected, static_cast<int>(ExportRows::Selected));
    m_delimiter = new QButtonGroup(this);
    m_delimiter->addButton(optTab, static_cast<int>(DelimitedExport::Delimiter::Tab));
    m_delimiter->addButton(optComma, static_cast<int>(DelimitedExport::Delimiter::Comma));
    m_delimiter->addButton(optSemi, static_cast<int>(DelimitedExport::Delimiter::Semi));
    m_delimiter->addButton(optOther, static_cast<int>(DelimitedExport::Delimiter::Other));
    m_delimiter->addButton(webpage, WebpageId);

    // The text box belongs to "Other Character String" only.
    connect(optOther, &QRadioButton::toggled, txtOther, &QLineEdit::setEnabled);
    txtOther->setEnabled(false);
    connect(btn, &QPushButton::clicked, this, &frmExport::btn_Click);
    connect(Command1, &QPushButton::clicked, this, &frmExport::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &frmExport::reject);
    connect(cmdAdd, &QToolButton::clicked, this, &frmExport::cmdAdd_Click);

    Form_Load();
}

void frmExport::Form_Load()
{
    selectOnly(m_rowChoice, storedNumber(*m_in.settings, Settings::ExportType));
    (storedNumber(*m_in.settings, Settings::ExportFormat) == 1 ? optHtml : OptDeli)->setChecked(true);
    openafter->setChecked(storedNumber(*m_in.settings, Settings::ExportOpenFile) != 0);
}

void frmExport::btn_Click()
{
    const int exportChar = storedNumber(*m_in.settings, Settings::ExportChar);
    if (btn->text() == QStringLiteral("Next >"))
    {
        if (m_in.rows->isEmpty())
        {
            m_in.prompter->error(QStringLiteral("No duplicate file has been found!\r\nFirst you must perform a search "
                                                "and find at least one duplicate file."),
                                 PromptIcon::Critical);
            return;
        }
        btn->setText(QStringLiteral("Export"));
        Command1->setEnabled(true);
        f1->hide();
        F2->show();
        const bool html = optHtml->isChecked();
        for (QRadioButton *b : {optTab, optComma, optSemi, optOther})
            b->setEnabled(!html);
        webpage->setEnabled(html);
        selectOnly(m_delimiter, html ? WebpageId : (exportChar >= 1 && exportChar <= 4 ? exportChar : 0));
        txtPath->setText(pathForFormat());
        return;
    }
    if (txtPath->text().trimmed().isEmpty())
    {
        markMissing(QStringLiteral("Output filename not specified"));
        return;
    }
    txtPath->setText(pathForFormat());
    if (!OutputPath::mayReplace(*m_in.prompter, txtPath->text(), m_chosenPath))
        return;
    btn->setEnabled(false);
    if (webpage->isChecked())
        ExportHtml();
    else
        ExportDelimited();
}

void frmExport::markMissing(const QString &message)
{
    txtPath->setFocus();
    txtPath->setStyleSheet(QStringLiteral("background-color: rgb(255, 192, 192)"));
    m_in.prompter->error(message);
}

void frmExport::Command1_Click()
{
    F2->hide();
    f1->show();
    btn->setEnabled(true);
    btn->setText(QStringLiteral("Next >"));
    Command1->setEnabled(false);
}

void frmExport::cmdAdd_Click()
{
    m_chosenPath = webpage->isChecked()
                       ? m_in.prompter->saveFile(QStringLiteral("Export Location"),
                                                 QStringLiteral("Webpage(*.htm)|*.htm"), QString(), QString())
                       : m_in.prompter->saveFile(QStringLiteral("Export Locations"),
                                                 QStringLiteral("Delimited Format(*.csv)|*.csv"), QString(), QString());
    txtPath->setText(m_chosenPath);
}

QString frmExport::pathForFormat() const
{
    // The extension follows the format: a list chosen as "x.htm" and then exported as delimited
    // text becomes "x.csv", and a typed name without an extension gets the format's own.
    if (optHtml->isChecked())
        return OutputPath::withExtension(txtPath->text(), QStringLiteral(".htm"), {QStringLiteral(".csv")});
    return OutputPath::withExtension(txtPath->text(), QStringLiteral(".csv"),
                                     {QStringLiteral(".htm"), QStringLiteral(".html")});
}

void frmExport::ExportDelimited()
{
    const int id = m_delimiter->checkedId();
    const QString delimiter =
        id >= 1 && id <= 4
            ? DelimitedExport::delimiterText(static_cast<DelimitedExport::Delimiter>(id), txtOther->text())
            : QString();
    const ExportChoice choice(*m_in.rows, rowsChoice(m_rowChoice), m_in.selectedRows);
    ProgressHooks progress{[this](int m) { PB->setMaximum(m); }, [this](int v) { PB->setValue(v); }};
    afterExport(
        DelimitedExport::ExportDelimited(txtPath->text(), *m_in.rows, delimiter, choice, *m_in.errors, progress));
}

void frmExport::ExportHtml()
{
    const ExportChoice choice(*m_in.rows, rowsChoice(m_rowChoice), m_in.selectedRows);
    ProgressHooks progress{[this](int m) { PB->setMaximum(m); }, [this](int v) { PB->setValue(v); }};
    const HtmlExport::Summary summary{m_in.filesPanel, m_in.duplicatesPanel, QDateTime::currentDateTime()};
    afterExport(HtmlExport::ExportHtml(txtPath->text(), *m_in.rows, choice, summary, *m_in.errors, progress));
}

void frmExport::afterExport(bool written)
{
    if (!written)
        return;
    if (m_in.playEndSound)
        m_in.playEndSound();
    if (!openafter->isChecked())
        return;
    const auto open = m_in.openWithDesktop ? m_in.openWithDesktop : Desktop::openFile;
    if (open(txtPath->text()) == Desktop::OpenResult::NoAssociatedProgram)
        m_in.prompter->error(QStringLiteral("There is no program associated with the specified type of file."));
}

void frmExport::done(int result)
{
    Form_QueryUnload();
    QDialog::done(result);
}

void frmExport::Form_QueryUnload()
{
    SettingsStore &settings = *m_in.settings;
    if (m_rowChoice->checkedId() > 0)
        settings.setValue(Settings::ExportType, QString::number(m_rowChoice->checkedId()));
    settings.setValue(Settings::ExportFormat, optHtml->isChecked() ? QStringLiteral("1") : QStringLiteral("2"));
    settings.setValue(Settings::ExportOpenFile, openafter->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
    const int id = m_delimiter->checkedId();
    if (id >= 1 && id <= 4)
        settings.setValue(Settings::ExportChar, QString::number(id));
}
