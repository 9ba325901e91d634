// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/HelpFrm.h"

#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

HelpFrm::HelpFrm(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("HelpFrm"));
    setWindowTitle(tr("Corvina Help"));
    m_browser = new QTextBrowser(this);
    m_browser->setObjectName(QStringLiteral("txtManual"));
    m_browser->setOpenExternalLinks(true);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_browser);
    resize(640, 560);
}

void HelpFrm::showSection(const QString &section)
{
    m_section = section;
    QUrl url(QStringLiteral("qrc:/help/manual.html"));
    if (!section.isEmpty())
        url.setFragment(section);
    m_browser->setSource(url);
    if (!section.isEmpty())
        m_browser->scrollToAnchor(section);
}
