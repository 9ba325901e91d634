// SPDX-License-Identifier: GPL-3.0-or-later
#include "sessions/SaveFrm.h"

#include "core/Prompter.h"
#include "core/VbNumeric.h"
#include "platform/SettingsKeys.h"
#include "platform/SettingsStore.h"
#include "sessions/OutputPath.h"
#include "sessions/SessionCommands.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace
{
const QString Filter = QStringLiteral("Corvina(*.cvf)|*.cvf");

template <typename W> W *named(W *widget, const char *name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QLabel *wrapped(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setWordWrap(true);
    return label;
}
} // namespace

SaveFrm::SaveFrm(SessionCommands &commands, Prompter &prompter, SettingsStore &settings, QWidget *parent)
    : QDialog(parent), m_commands(commands), m_prompter(prompter), m_settings(settings)
{
    setObjectName(QStringLiteral("SaveFrm"));

    OpenFrame = named(new QGroupBox(this), "OpenFrame");
    ReScanc = named(
        new QCheckBox(QStringLiteral("Re-Scan (Search again for duplicates using byte by byte search engine)"), this),
        "ReScanc");
    ReCheckc = named(new QCheckBox(QStringLiteral("Check for invalid/dead path"), this), "ReCheckc");
    auto *openLayout = new QVBoxLayout(OpenFrame);
    openLayout->addWidget(
        wrapped(QStringLiteral("Please select the file and desire options and click open to load."), OpenFrame));
    openLayout->addWidget(ReScanc);
    openLayout->addWidget(ReCheckc);

    SaveFrame = named(new QGroupBox(this), "SaveFrame");
    opt1 = named(new QRadioButton(QStringLiteral("Save parematers only"), this), "opt1");
    opt2 = named(new QRadioButton(QStringLiteral("Save search parameters and result."), this), "opt2");
    opt2->setChecked(true);
    auto *saveLayout = new QVBoxLayout(SaveFrame);
    saveLayout->addWidget(wrapped(QStringLiteral("You can save search session for later review. This is very useful "
                                                 "when you deal with huge number of files."),
                                  SaveFrame));
    saveLayout->addWidget(opt1);
    saveLayout->addWidget(opt2);

    txtPath = named(new QLineEdit(this), "txtPath");
    cmdAdd = named(new QToolButton(this), "cmdAdd");
    cmdAdd->setIcon(style()->standardIcon(QStyle::SP_DirOpenIcon));
    cmdAdd->setToolTip(QStringLiteral("Browse"));
    auto *pathLabel = new QLabel(QStringLiteral("Path "), this);
    pathLabel->setBuddy(txtPath);
    auto *pathRow = new QHBoxLayout;
    pathRow->addWidget(pathLabel);
    pathRow->addWidget(txtPath, 1);
    pathRow->addWidget(cmdAdd);

    chkClose = named(new QCheckBox(QStringLiteral("Close these dialog after completion"), this), "chkClose");
    pr = named(new QProgressBar(this), "pr");
    pr->setTextVisible(false);
    pr->setValue(0);

    Command1 = named(new QPushButton(QStringLiteral("&Open"), this), "Command1");
    Command1->setDefault(true);
    Command2 = named(new QPushButton(QStringLiteral("Cancel"), this), "Command2");
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(chkClose, 1);
    buttons->addWidget(Command1);
    buttons->addWidget(Command2);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(OpenFrame);
    layout->addWidget(SaveFrame);
    layout->addLayout(pathRow);
    layout->addWidget(pr);
    layout->addLayout(buttons);
    setMinimumWidth(460);

    connect(cmdAdd, &QToolButton::clicked, this, &SaveFrm::cmdAdd_Click);
    connect(Command1, &QPushButton::clicked, this, &SaveFrm::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &SaveFrm::reject);
}

void SaveFrm::showEvent(QShowEvent *event)
{
    Form_Activate();
    // Only one role's frame shows: take its size, about the centre the caller placed it on.
    const QPoint centre = geometry().center();
    adjustSize();
    move(centre - rect().center());
    QDialog::showEvent(event);
}

void SaveFrm::Form_Activate()
{
    SaveFrame->setVisible(saving());
    OpenFrame->setVisible(!saving());
    Command1->setText(saving() ? QStringLiteral("&Save") : QStringLiteral("&Open"));
    setWindowTitle(saving() ? tr("Save Dialog") : tr("Open Dialog"));
    // Loading always closes the dialog, so the choice only matters when saving.
    chkClose->setEnabled(saving());
    chkClose->setChecked(VbNumeric::Val(m_settings.value(Settings::ChkClose)) != 0);
}

void SaveFrm::cmdAdd_Click()
{
    if (saving())
        m_chosenPath = m_prompter.saveFile(QStringLiteral("Saving Location"), Filter, QString(), QString());
    txtPath->setText(saving() ? m_chosenPath : m_prompter.openFile(QStringLiteral("Open Location"), Filter, QString()));
}

void SaveFrm::Command1_Click()
{
    if (txtPath->text().trimmed().isEmpty())
    {
        txtPath->setFocus();
        txtPath->setStyleSheet(QStringLiteral("background-color: rgb(255, 192, 192)"));
        m_prompter.error(QStringLiteral("File name not specified."));
        return;
    }
    if (saving())
    {
        // A typed name gets ".cvf", so that the open dialog's filter shows the file later.
        txtPath->setText(OutputPath::withExtension(txtPath->text(), QStringLiteral(".cvf")));
        if (!OutputPath::mayReplace(m_prompter, txtPath->text(), m_chosenPath))
            return;
    }
    Command1->setEnabled(false);
    ProgressHooks progress;
    progress.setMaximum = [this](int m) {
        pr->setMinimum(saving() ? 1 : 0);
        pr->setMaximum(m);
    };
    progress.setValue = [this](int v) { pr->setValue(v); };
    if (saving())
    {
        const bool written = m_commands.saveSession(txtPath->text(), opt1->isChecked(), progress);
        if (written && chkClose->isChecked())
            accept();
        // After a failure the user may correct the path and save again.
        else if (!written)
            Command1->setEnabled(true);
        return;
    }
    if (m_commands.openSession(txtPath->text(), ReScanc->isChecked(), ReCheckc->isChecked(), progress))
    {
        accept();
        return;
    }
    Command1->setEnabled(true);
}

void SaveFrm::done(int result)
{
    Form_Unload();
    QDialog::done(result);
}

void SaveFrm::Form_Unload()
{
    m_settings.setValue(Settings::ChkClose, chkClose->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
}
