// SPDX-License-Identifier: GPL-3.0-or-later
// What the engine tests share: a sink that records progress, the file records of real files
// sorted the way a scan sorts them, and a scan's outcome as plain values.
#pragma once

#include "core/CHive.h"
#include "engine/ScanTypes.h"
#include "support/ScriptedPrompter.h"

#include <QString>
#include <QStringList>

#include <algorithm>
#include <array>
#include <functional>
#include <vector>

/// The number of file descriptors this process holds.
int openFileCount();

class TestSink : public ScanSink
{
public:
    /// Answers keepGoing() with go(call number, from 1) when set, else true.
    std::function<bool(int)> go;
    bool isMinimized = false;
    int keepGoingCalls = 0;
    QStringList statuses;
    QStringList captions;
    std::vector<ScanProgress> progressShown;
    ScriptedErrorReporter reporter;

    /// With watchOpenFiles, the most files this process held open at any keepGoing() call.
    bool watchOpenFiles = false;
    int mostOpenFiles = 0;

    bool keepGoing() override
    {
        if (watchOpenFiles)
            mostOpenFiles = std::max(mostOpenFiles, openFileCount());
        return go ? go(++keepGoingCalls) : (++keepGoingCalls, true);
    }
    bool minimized() const override { return isMinimized; }
    void status(const QString &text) override { statuses << text; }
    void caption(const QString &text) override { captions << text; }
    void progress(const ScanProgress &p) override { progressShown.push_back(p); }
    ErrorReporter &errors() override { return reporter; }
};

/// Adds the records of the files (full paths; a path may repeat, as from overlapping locations)
/// to ctx.files, sorts them size first into ctx.sortedFiles, as a scan does, and sets
/// ctx.totalFiles to their number.
void loadSortedFiles(ScanContext &ctx, const QStringList &paths);

/// Everything a content scan leaves behind.
struct ScanOutcome
{
    std::vector<std::array<QString, 6>> results; // result entries, values 0..5 as text
    qint32 totalFiles = 0;
    qint32 duplicateCount = 0;
    qint64 duplicateSize = 0;
    qint16 groupShade = 0;
    bool operator==(const ScanOutcome &) const = default;
};
/// The outcome with the results of ctx.results, or of `results` (a collection of result entries)
/// when given.
ScanOutcome outcomeOf(const ScanContext &ctx, const CHive *results = nullptr);

/// The groups of the results as lists of full paths.
std::vector<QStringList> groupsOf(const ResultList &results);
