// SPDX-License-Identifier: GPL-3.0-or-later
// A translator for tests that marks every text it is asked for, so that a test can tell the texts
// shown in the user's language from those that must stay as they are (file contents, listings).
#pragma once

#include <QCoreApplication>
#include <QTranslator>

/// Translates every text to "[tr] " followed by the text itself; placeholders stay, so the texts
/// read as before with the mark in front.
class MarkingTranslator : public QTranslator
{
public:
    static constexpr QStringView Mark = u"[tr] ";

    QString translate(const char *context, const char *sourceText, const char *disambiguation = nullptr,
                      int n = -1) const override
    {
        Q_UNUSED(context);
        Q_UNUSED(disambiguation);
        Q_UNUSED(n);
        return Mark + QString::fromUtf8(sourceText);
    }
    bool isEmpty() const override { return false; }
};

/// Installs a MarkingTranslator for as long as it lives.
class MarkedTexts
{
public:
    MarkedTexts() { QCoreApplication::installTranslator(&m_translator); }
    ~MarkedTexts() { QCoreApplication::removeTranslator(&m_translator); }
    MarkedTexts(const MarkedTexts &) = delete;
    MarkedTexts &operator=(const MarkedTexts &) = delete;

private:
    MarkingTranslator m_translator;
};
