// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CliScanSink.h"

#include "cli/CliText.h"

#include <QCoreApplication>
#include <QIODevice>

namespace
{
// The texts of this file for translators.
struct Tr
{
    Q_DECLARE_TR_FUNCTIONS(CliScanSink)
};
} // namespace

CliScanSink::CliScanSink(QIODevice &err, bool progress, int columns)
    : m_err(err), m_progress(progress), m_columns(std::max(columns, 20))
{}

void CliScanSink::status(const QString &text)
{
    if (!m_progress || (m_sinceLast.isValid() && m_sinceLast.elapsed() < 100))
        return;
    m_sinceLast.start();
    // Carriage return, the text cut to the line, then clear the rest of the old line.
    // Escaped: the text names folders, and a name must not drive the terminal.
    m_err.write("\r" + CliText::escaped(text.left(m_columns - 1)) + "\x1b[K");
    m_lineShown = true;
}

void CliScanSink::clearProgress()
{
    if (!m_lineShown)
        return;
    m_err.write("\r\x1b[K");
    m_lineShown = false;
}

ErrorChoice CliScanSink::report(const ErrorReport &report)
{
    clearProgress();
    m_err.write((QStringLiteral("corvina-cli: ") +
                 Tr::tr("error %1 in \"%2\": %3").arg(report.number).arg(report.label, report.description) + u'\n')
                    .toUtf8());
    m_failed = true;
    return ErrorChoice::Abort;
}
