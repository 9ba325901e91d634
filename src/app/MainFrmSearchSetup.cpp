// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's search setup: the locations, the engine and its options.
#include "app/MainFrm.h"

#include "app/FuzzyFrm.h"
#include "core/ErrorReport.h"
#include "core/Prompter.h"
#include "search/FolderFrm.h"
#include "search/SearchListView.h"
#include "search/SearchLocationModel.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <QToolButton>

namespace
{
void setBold(QWidget *w, bool bold)
{
    QFont f = w->font();
    f.setBold(bold);
    w->setFont(f);
}
} // namespace

void MainFrm::addLocation()
{
    //: The step named in the error report: adding or changing a search location.
    runStep(m_errors, tr("Add Folders"), [this] {
        const int selected = m_locationView->selectedRow();
        if (m_changingLocation && selected < 0)
            return;
        FolderFrm dialog(m_prompter, m_settings, this);
        if (m_changingLocation)
            dialog.fillForChange(m_locations->locations().at(selected));
        dialog.exec();
        const std::optional<SearchLocation> location = dialog.location();
        if (!location)
            return;
        if (m_changingLocation)
        {
            m_locations->change(selected, *location);
            return;
        }
        m_locations->add(*location);
        updateRemoveButton();
    });
}

void MainFrm::changeLocation()
{
    if (m_locations->empty() || m_busy)
        return;
    m_changingLocation = true;
    addLocation();
    m_changingLocation = false;
}

void MainFrm::removeLocation()
{
    m_locations->remove(m_locationView->selectedRow());
    updateRemoveButton();
}

void MainFrm::updateRemoveButton()
{
    m_removeButton->setEnabled(!m_locations->empty());
    m_removeLocationAction->setEnabled(m_removeButton->isEnabled());
}

void MainFrm::chooseEngine(int id)
{
    for (int i = ScanOptions::ByteToByte; i <= ScanOptions::Pictures; ++i)
        setBold(m_engineButtons[static_cast<size_t>(i)], i == id);
    m_fuzzyCheck->setEnabled(id == ScanOptions::ByteToByte);
    m_containedCheck->setEnabled(id == ScanOptions::Folders);
    m_similarityLabel->setEnabled(id == ScanOptions::Pictures);
    m_similarityCombo->setEnabled(id == ScanOptions::Pictures);
}

void MainFrm::selectEngine(int id)
{
    if (id < ScanOptions::ByteToByte || id > ScanOptions::Pictures)
        return;
    m_engineButtons[static_cast<size_t>(id)]->setChecked(true);
    chooseEngine(id);
}

ScanOptions MainFrm::scanOptions() const
{
    ScanOptions options;
    options.engine = engine();
    options.fuzzy = m_fuzzyCheck->isChecked();
    options.protect = m_protectCheck->isChecked();
    options.includeHidden = m_includeHiddenCheck->isChecked();
    options.similarity = similarity();
    return options;
}

PictureLevel MainFrm::similarity() const
{
    return static_cast<PictureLevel>(m_similarityCombo->currentData().toInt());
}

void MainFrm::selectSimilarity(PictureLevel level)
{
    m_similarityCombo->setCurrentIndex(m_similarityCombo->findData(static_cast<int>(level)));
}

void MainFrm::setFuzzyFromCode(bool checked)
{
    m_fuzzyCheck->setChecked(checked);
    setBold(m_fuzzyCheck, false);
}

void MainFrm::explainFuzzyLogic()
{
    const bool explain = m_fuzzyCheck->isChecked() && m_fuzzySetBy == SetBy::User;
    setBold(m_fuzzyCheck, explain);
    if (!explain)
        return;
    FuzzyFrm fuzzy(this);
    fuzzy.exec();
}

void MainFrm::confirmUnprotect()
{
    if (m_protectCheck->isChecked() || m_protectSetBy != SetBy::User)
        return;
    const bool keep = m_prompter.confirm(tr("Confirm"),
                                         tr("It is highly recommended to leave this option checked "
                                            "to prevent loss of data.\nDo you want to leave this option"),
                                         PromptIcon::Critical);
    if (keep)
        m_protectCheck->setChecked(true);
}
