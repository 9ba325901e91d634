// SPDX-License-Identifier: GPL-3.0-or-later
#include "sessions/SaveFrm.h"

#include "core/Prompter.h"
#include "platform/Settings.h"
#include "sessions/OutputPath.h"
#include "sessions/SessionCommands.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace
{
// The file dialogs' filter: session files, named for the program.
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

SaveFrm::SaveFrm(SessionCommands &commands, Prompter &prompter, Settings &settings, QWidget *parent)
    : QDialog(parent), m_commands(commands), m_prompter(prompter), m_settings(settings)
{
    setObjectName(QStringLiteral("SaveFrm"));
    buildOpenBox();
    buildSaveBox();
    m_progressBar = named(new QProgressBar(this), "pr");
    m_progressBar->setTextVisible(false);
    m_progressBar->setValue(0);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_openBox);
    layout->addWidget(m_saveBox);
    layout->addLayout(buildPathRow());
    layout->addWidget(m_progressBar);
    layout->addLayout(buildButtons());
    setMinimumWidth(460);

    connect(m_browseButton, &QToolButton::clicked, this, &SaveFrm::choosePath);
    connect(m_openSaveButton, &QPushButton::clicked, this, &SaveFrm::openOrSave);
    connect(m_cancelButton, &QPushButton::clicked, this, &SaveFrm::reject);
}

void SaveFrm::buildOpenBox()
{
    m_openBox = named(new QGroupBox(this), "OpenFrame");
    m_rescanCheck = named(
        new QCheckBox(tr("Re-Scan (Search again for duplicates using byte by byte search engine)"), this), "ReScanc");
    m_recheckCheck = named(new QCheckBox(tr("Check for invalid/dead path"), this), "ReCheckc");
    auto *openLayout = new QVBoxLayout(m_openBox);
    openLayout->addWidget(wrapped(tr("Please select the file and desire options and click open to load."), m_openBox));
    openLayout->addWidget(m_rescanCheck);
    openLayout->addWidget(m_recheckCheck);
}

void SaveFrm::buildSaveBox()
{
    m_saveBox = named(new QGroupBox(this), "SaveFrame");
    m_parametersOnlyOption = named(new QRadioButton(tr("Save parematers only"), this), "opt1");
    m_withResultsOption = named(new QRadioButton(tr("Save search parameters and result."), this), "opt2");
    m_withResultsOption->setChecked(true);
    auto *saveLayout = new QVBoxLayout(m_saveBox);
    saveLayout->addWidget(wrapped(tr("You can save search session for later review. This is very useful when you deal "
                                     "with huge number of files."),
                                  m_saveBox));
    saveLayout->addWidget(m_parametersOnlyOption);
    saveLayout->addWidget(m_withResultsOption);
}

QHBoxLayout *SaveFrm::buildPathRow()
{
    m_pathEdit = named(new QLineEdit(this), "txtPath");
    m_browseButton = named(new QToolButton(this), "cmdAdd");
    m_browseButton->setIcon(style()->standardIcon(QStyle::SP_DirOpenIcon));
    m_browseButton->setToolTip(tr("Browse"));
    auto *pathLabel = new QLabel(tr("Path "), this);
    pathLabel->setBuddy(m_pathEdit);
    // The sessions saved or opened last, to open again without browsing.
    m_recentButton = named(new QToolButton(this), "cmdRecent");
    m_recentButton->setText(tr("Recent"));
    m_recentButton->setToolTip(tr("Sessions saved or opened recently"));
    m_recentButton->setPopupMode(QToolButton::InstantPopup);
    m_recentButton->setMenu(new QMenu(m_recentButton));
    auto *pathRow = new QHBoxLayout;
    pathRow->addWidget(pathLabel);
    pathRow->addWidget(m_pathEdit, 1);
    pathRow->addWidget(m_recentButton);
    pathRow->addWidget(m_browseButton);
    return pathRow;
}

QHBoxLayout *SaveFrm::buildButtons()
{
    m_closeCheck = named(new QCheckBox(tr("Close these dialog after completion"), this), "chkClose");
    m_openSaveButton = named(new QPushButton(tr("&Open"), this), "Command1");
    m_openSaveButton->setDefault(true);
    m_cancelButton = named(new QPushButton(tr("Cancel"), this), "Command2");
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_closeCheck, 1);
    buttons->addWidget(m_openSaveButton);
    buttons->addWidget(m_cancelButton);
    return buttons;
}

void SaveFrm::showEvent(QShowEvent *event)
{
    applyMode();
    // Only one role's frame shows: take its size, about the centre the caller placed it on.
    const QPoint centre = geometry().center();
    adjustSize();
    move(centre - rect().center());
    QDialog::showEvent(event);
}

void SaveFrm::applyMode()
{
    m_saveBox->setVisible(saving());
    m_openBox->setVisible(!saving());
    m_openSaveButton->setText(saving() ? tr("&Save") : tr("&Open"));
    setWindowTitle(saving() ? tr("Save Dialog") : tr("Open Dialog"));
    QMenu *recent = m_recentButton->menu();
    recent->clear();
    for (const QString &path : m_settings.recentSessions())
    {
        QAction *entry = recent->addAction(QString(path).replace(u'&', QStringLiteral("&&")));
        connect(entry, &QAction::triggered, this, [this, path] { m_pathEdit->setText(path); });
    }
    m_recentButton->setVisible(!saving() && !recent->isEmpty());
    // Loading always closes the dialog, so the choice only matters when saving.
    m_closeCheck->setEnabled(saving());
    m_closeCheck->setChecked(m_settings.closeAfterSave());
}

void SaveFrm::choosePath()
{
    if (saving())
        m_chosenPath = m_prompter.saveFile(tr("Saving Location"), Filter, QString(), QString());
    m_pathEdit->setText(saving() ? m_chosenPath : m_prompter.openFile(tr("Open Location"), Filter, QString()));
}

void SaveFrm::openOrSave()
{
    if (m_pathEdit->text().trimmed().isEmpty())
    {
        m_pathEdit->setFocus();
        m_pathEdit->setStyleSheet(QStringLiteral("background-color: rgb(255, 192, 192)"));
        m_prompter.error(tr("File name not specified."));
        return;
    }
    if (saving())
    {
        // A typed name gets ".cvf", so that the open dialog's filter shows the file later.
        m_pathEdit->setText(OutputPath::withExtension(m_pathEdit->text(), QStringLiteral(".cvf")));
        if (!OutputPath::mayReplace(m_prompter, m_pathEdit->text(), m_chosenPath))
            return;
    }
    m_openSaveButton->setEnabled(false);
    ProgressHooks progress;
    progress.setMaximum = [this](int m) {
        m_progressBar->setMinimum(saving() ? 1 : 0);
        m_progressBar->setMaximum(m);
    };
    progress.setValue = [this](int v) { m_progressBar->setValue(v); };
    if (saving())
    {
        const bool written = m_commands.saveSession(m_pathEdit->text(), m_parametersOnlyOption->isChecked(), progress);
        if (written && m_closeCheck->isChecked())
            accept();
        // After a failure the user may correct the path and save again.
        else if (!written)
            m_openSaveButton->setEnabled(true);
        return;
    }
    if (m_commands.openSession(m_pathEdit->text(), m_rescanCheck->isChecked(), m_recheckCheck->isChecked(), progress))
    {
        accept();
        return;
    }
    m_openSaveButton->setEnabled(true);
}

void SaveFrm::done(int result)
{
    storeCloseChoice();
    QDialog::done(result);
}

void SaveFrm::storeCloseChoice()
{
    m_settings.setCloseAfterSave(m_closeCheck->isChecked());
}
