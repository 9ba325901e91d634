// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's Help menu: the manual, the tip of the day, and the small windows about Corvina.
#include "app/MainFrm.h"

#include "actions/CommonDlg.h"
#include "app/AboutFrm.h"
#include "app/HelpFrm.h"
#include "app/TellFrm.h"
#include "app/TipFrm.h"

void MainFrm::showManual(const QString &section)
{
    if (!m_manual)
        m_manual = new HelpFrm(this);
    m_manual->showSection(section);
    m_manual->show();
    m_manual->raise();
    m_manual->activateWindow();
}

void MainFrm::showHelpTopics()
{
    showManual(QString());
}

void MainFrm::showFaq()
{
    showManual(HelpFrm::faqSection());
}

void MainFrm::showHelpContents()
{
    showManual(HelpFrm::contentsSection());
}

void MainFrm::showTipOfTheDay()
{
    TipFrm tips(m_settings, this);
    CommonDlg::centerForm(&tips);
    tips.exec();
}

void MainFrm::showTellAFriend()
{
    TellFrm tell(this);
    tell.exec();
}

void MainFrm::showAbout()
{
    AboutFrm about(this);
    about.exec();
}
