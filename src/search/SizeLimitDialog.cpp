// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/SizeLimitDialog.h"

#include "core/Prompter.h"
#include "platform/SettingsStore.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace
{
template <typename W> W *named(W *widget, const char *name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}
} // namespace

SizeLimitDialog::SizeLimitDialog(Prompter &prompter, SettingsStore &settings, QWidget *parent)
    : QDialog(parent), m_prompter(prompter), m_settings(settings)
{
    setObjectName(QStringLiteral("frmMaxSize"));
    setWindowTitle(tr("Maximum size limit"));

    auto *heading = named(new QLabel(tr("Mark all duplicate files upto the specified size."), this), "Label4");
    auto *cdOption = named(new QRadioButton(tr("CD (700 MB)"), this), "Option1");
    auto *dvdOption = named(new QRadioButton(tr("DVD (4.3 GB)"), this), "Option2");
    auto *specifyOption = named(new QRadioButton(tr("Specify :"), this), "Option3");
    m_options = new QButtonGroup(this);
    m_options->addButton(cdOption, 1);
    m_options->addButton(dvdOption, 2);
    m_options->addButton(specifyOption, 3);
    m_sizeEdit = named(new QLineEdit(this), "Text1");
    m_unitCombo = named(new QComboBox(this), "combo1");
    // The settings keep the unit's position in the list, so its names may follow the language.
    m_unitCombo->addItems({tr("KB"), tr("MB"), tr("GB")});
    m_largeFilesFirstCheck = named(new QCheckBox(tr("Mark Large Files First"), this), "Check1");
    auto *note = named(new QLabel(tr("This option is helpful when you want to make backup copies of Duplicate Files in "
                                     "a CD, DVD etc and have size limits."),
                                  this),
                       "Label1");
    note->setWordWrap(true);
    auto *okButton = named(new QPushButton(tr("OK"), this), "Command1");
    okButton->setDefault(true);

    auto *choices = new QGridLayout;
    choices->addWidget(cdOption, 0, 0, 1, 3);
    choices->addWidget(dvdOption, 1, 0, 1, 3);
    choices->addWidget(specifyOption, 2, 0);
    choices->addWidget(m_sizeEdit, 2, 1);
    choices->addWidget(m_unitCombo, 2, 2);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okButton);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addLayout(choices);
    layout->addWidget(m_largeFilesFirstCheck);
    layout->addWidget(note);
    layout->addLayout(buttons);

    connect(m_options, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked)
            chooseLimit(id);
    });
    connect(okButton, &QPushButton::clicked, this, &SizeLimitDialog::acceptLimit);
    loadChoice();
}

bool SizeLimitDialog::largeFilesFirst() const
{
    return m_largeFilesFirstCheck->isChecked();
}

std::optional<SizeLimits::UpTo> SizeLimitDialog::ask(Prompter &prompter, SettingsStore &settings, QWidget *parent)
{
    SizeLimitDialog dialog(prompter, settings, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return SizeLimits::UpTo{sizeLimit.value_or(0), dialog.largeFilesFirst()};
}

void SizeLimitDialog::loadChoice()
{
    // A stored option other than 1, 2 or 3 selects none; the typed size and unit stay usable.
    m_sizeEdit->setEnabled(true);
    m_unitCombo->setEnabled(true);
    if (QAbstractButton *option = m_options->button(m_settings.value(Settings::MaxLimitOption).toInt()))
        option->setChecked(true);
    m_sizeEdit->setText(m_settings.value(Settings::MaxTextValue));
    m_unitCombo->setCurrentIndex(m_settings.value(Settings::MaxSetValue).toInt());
}

void SizeLimitDialog::chooseLimit(int option)
{
    m_sizeEdit->setEnabled(option == 3);
    m_unitCombo->setEnabled(option == 3);
}

void SizeLimitDialog::acceptLimit()
{
    const SizeLimits::Answer answer =
        SizeLimits::maxSizeOk(m_options->checkedId(), m_sizeEdit->text(), m_unitCombo->currentIndex(), sizeLimit);
    if (answer.refused)
    {
        m_prompter.error(tr(" type only integer values"));
        m_sizeEdit->setFocus();
        return;
    }
    sizeLimit = answer.kb;
    accept();
}

void SizeLimitDialog::done(int result)
{
    // Cancelling changes no setting, as it changes no mark.
    if (result == QDialog::Accepted)
        storeChoice();
    QDialog::done(result);
}

void SizeLimitDialog::storeChoice()
{
    if (const int option = m_options->checkedId(); option >= 1 && option <= 3)
        m_settings.setValue(Settings::MaxLimitOption, QString::number(option));
    m_settings.setValue(Settings::MaxTextValue, m_sizeEdit->text());
    m_settings.setValue(Settings::MaxSetValue, QString::number(m_unitCombo->currentIndex()));
}
