// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/frmMaxSize.h"

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

frmMaxSize::frmMaxSize(Prompter &prompter, SettingsStore &settings, QWidget *parent)
    : QDialog(parent), m_prompter(prompter), m_settings(settings)
{
    setObjectName(QStringLiteral("frmMaxSize"));
    setWindowTitle(tr("Maximum size limit"));

    auto *Label4 =
        named(new QLabel(QStringLiteral("Mark all duplicate files upto the specified size."), this), "Label4");
    auto *Option1 = named(new QRadioButton(QStringLiteral("CD (700 MB)"), this), "Option1");
    auto *Option2 = named(new QRadioButton(QStringLiteral("DVD (4.3 GB)"), this), "Option2");
    auto *Option3 = named(new QRadioButton(QStringLiteral("Specify :"), this), "Option3");
    m_options = new QButtonGroup(this);
    m_options->addButton(Option1, 1);
    m_options->addButton(Option2, 2);
    m_options->addButton(Option3, 3);
    Text1 = named(new QLineEdit(this), "Text1");
    combo1 = named(new QComboBox(this), "combo1");
    combo1->addItems({QStringLiteral("KB"), QStringLiteral("MB"), QStringLiteral("GB")});
    Check1 = named(new QCheckBox(QStringLiteral("Mark Large Files First"), this), "Check1");
    auto *Label1 = named(new QLabel(QStringLiteral("This option is helpful when you want to make backup copies of "
                                                   "Duplicate Files in a CD, DVD etc and have size limits."),
                                    this),
                         "Label1");
    Label1->setWordWrap(true);
    auto *Command1 = named(new QPushButton(QStringLiteral("OK"), this), "Command1");
    Command1->setDefault(true);

    auto *choices = new QGridLayout;
    choices->addWidget(Option1, 0, 0, 1, 3);
    choices->addWidget(Option2, 1, 0, 1, 3);
    choices->addWidget(Option3, 2, 0);
    choices->addWidget(Text1, 2, 1);
    choices->addWidget(combo1, 2, 2);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Command1);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Label4);
    layout->addLayout(choices);
    layout->addWidget(Check1);
    layout->addWidget(Label1);
    layout->addLayout(buttons);

    connect(m_options, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked)
            Option_Click(id);
    });
    connect(Command1, &QPushButton::clicked, this, &frmMaxSize::Command1_Click);
    Form_Load();
}

bool frmMaxSize::largeFilesFirst() const
{
    return Check1->isChecked();
}

std::optional<SizeLimits::UpTo> frmMaxSize::ask(Prompter &prompter, SettingsStore &settings, QWidget *parent)
{
    frmMaxSize dialog(prompter, settings, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return SizeLimits::UpTo{SizeLimit.value_or(0), dialog.largeFilesFirst()};
}

void frmMaxSize::Form_Load()
{
    // A stored option other than 1, 2 or 3 selects none; the typed size and unit stay usable.
    Text1->setEnabled(true);
    combo1->setEnabled(true);
    if (QAbstractButton *option = m_options->button(m_settings.value(Settings::MaxLimitOption).toInt()))
        option->setChecked(true);
    Text1->setText(m_settings.value(Settings::MaxTextValue));
    combo1->setCurrentIndex(m_settings.value(Settings::MaxSetValue).toInt());
}

void frmMaxSize::Option_Click(int option)
{
    Text1->setEnabled(option == 3);
    combo1->setEnabled(option == 3);
}

void frmMaxSize::Command1_Click()
{
    const SizeLimits::Answer answer =
        SizeLimits::maxSizeOk(m_options->checkedId(), Text1->text(), combo1->currentIndex(), SizeLimit);
    if (answer.refused)
    {
        m_prompter.error(QStringLiteral(" type only integer values"));
        Text1->setFocus();
        return;
    }
    SizeLimit = answer.kb;
    accept();
}

void frmMaxSize::done(int result)
{
    // Cancelling changes no setting, as it changes no mark.
    if (result == QDialog::Accepted)
        Form_Unload();
    QDialog::done(result);
}

void frmMaxSize::Form_Unload()
{
    if (const int option = m_options->checkedId(); option >= 1 && option <= 3)
        m_settings.setValue(Settings::MaxLimitOption, QString::number(option));
    m_settings.setValue(Settings::MaxTextValue, Text1->text());
    m_settings.setValue(Settings::MaxSetValue, QString::number(combo1->currentIndex()));
}
