// SPDX-License-Identifier: GPL-3.0-or-later
// The bundled manual, shown in a window of its own.
#pragma once

#include <QWidget>

class QTextBrowser;

class HelpFrm : public QWidget
{
    Q_OBJECT
public:
    explicit HelpFrm(QWidget *parent = nullptr);

    /// Shows the manual at a section ("" for the beginning).
    void showSection(const QString &section);
    /// The anchor shown last.
    QString section() const { return m_section; }

    /// The manual's sections that the Help menu opens.
    static QString faqSection() { return QStringLiteral("faq"); }
    static QString contentsSection() { return QStringLiteral("contents"); }

private:
    QTextBrowser *m_browser = nullptr;
    QString m_section;
};
