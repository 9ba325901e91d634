// SPDX-License-Identifier: GPL-3.0-or-later
// Shared pieces of the session and export tests: a scan sink, file bytes, result rows.
#pragma once

#include "engine/ScanTypes.h"
#include "results/ResultModel.h"
#include "support/ScriptedPrompter.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

/// A sink that never cancels (unless told to after some steps) and answers error reports from a
/// script.
class TestSink : public ScanSink
{
public:
    bool keepGoing() override { return cancelAfter < 0 || steps++ < cancelAfter; }
    void status(const QString &text) override { statuses << text; }
    ErrorReporter &errors() override { return reporter; }

    ScriptedErrorReporter reporter;
    QStringList statuses;
    int cancelAfter = -1;
    int steps = 0;
};

QByteArray readBytes(const QString &path);
void writeBytes(const QString &path, const QByteArray &bytes);

/// Rows as a scan leaves them: the result collection of the given files (folder, name, size,
/// shade), loaded by loadResultList; every file must exist.
struct ScannedFile
{
    QString folder;
    QString name;
    qint64 size;
    int shade;
};
void loadScanned(ResultModel &model, const std::vector<ScannedFile> &files,
                 const QString &date = QStringLiteral("3/7/2004 9:05:03 PM"));

/// Every column of every row.
std::vector<QStringList> allColumns(const ResultModel &model);
