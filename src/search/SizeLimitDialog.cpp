// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/SizeLimitDialog.h"

#include "core/Prompter.h"
#include "platform/Settings.h"

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

// The option buttons' ids and the unit list's positions are the places of the choices in their
// Settings enums; the ids are also the option numbers SizeLimits::maxSizeOk takes.
constexpr int idOf(Settings::SizeLimit limit)
{
    return static_cast<int>(limit);
}
static_assert(idOf(Settings::SizeLimit::Cd) == 1 && idOf(Settings::SizeLimit::Dvd) == 2 &&
              idOf(Settings::SizeLimit::Specified) == 3);
static_assert(static_cast<int>(Settings::SizeUnit::KB) == 0 && static_cast<int>(Settings::SizeUnit::MB) == 1 &&
              static_cast<int>(Settings::SizeUnit::GB) == 2);
} // namespace

SizeLimitDialog::SizeLimitDialog(Prompter &prompter, Settings &settings, QWidget *parent)
    : QDialog(parent), m_prompter(prompter), m_settings(settings)
{
    setObjectName(QStringLiteral("frmMaxSize"));
    setWindowTitle(tr("Maximum size limit"));

    auto *heading = named(new QLabel(tr("Mark all duplicate files upto the specified size."), this), "Label4");
    auto *cdOption = named(new QRadioButton(tr("CD (700 MB)"), this), "Option1");
    auto *dvdOption = named(new QRadioButton(tr("DVD (4.3 GB)"), this), "Option2");
    auto *specifyOption = named(new QRadioButton(tr("Specify :"), this), "Option3");
    m_options = new QButtonGroup(this);
    m_options->addButton(cdOption, idOf(Settings::SizeLimit::Cd));
    m_options->addButton(dvdOption, idOf(Settings::SizeLimit::Dvd));
    m_options->addButton(specifyOption, idOf(Settings::SizeLimit::Specified));
    m_sizeEdit = named(new QLineEdit(this), "Text1");
    m_unitCombo = named(new QComboBox(this), "combo1");
    // The settings keep the unit itself, so its names may follow the language.
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

std::optional<SizeLimits::UpTo> SizeLimitDialog::ask(Prompter &prompter, Settings &settings, QWidget *parent)
{
    SizeLimitDialog dialog(prompter, settings, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return SizeLimits::UpTo{sizeLimit.value_or(0), dialog.largeFilesFirst()};
}

void SizeLimitDialog::loadChoice()
{
    // "None", which the dialog does not offer, selects no option; the typed size and unit stay usable.
    m_sizeEdit->setEnabled(true);
    m_unitCombo->setEnabled(true);
    if (QAbstractButton *option = m_options->button(idOf(m_settings.sizeLimit())))
        option->setChecked(true);
    m_sizeEdit->setText(m_settings.sizeLimitText());
    m_unitCombo->setCurrentIndex(static_cast<int>(m_settings.sizeLimitUnit()));
}

void SizeLimitDialog::chooseLimit(int id)
{
    const bool specify = id == idOf(Settings::SizeLimit::Specified);
    m_sizeEdit->setEnabled(specify);
    m_unitCombo->setEnabled(specify);
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
    if (m_options->checkedId() >= 0)
        m_settings.setSizeLimit(static_cast<Settings::SizeLimit>(m_options->checkedId()));
    m_settings.setSizeLimitText(m_sizeEdit->text());
    m_settings.setSizeLimitUnit(static_cast<Settings::SizeUnit>(m_unitCombo->currentIndex()));
}
