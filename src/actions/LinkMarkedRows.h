// SPDX-License-Identifier: GPL-3.0-or-later
// The run that replaces each marked file with a link to a kept copy of it.
#pragma once

#include "platform/FileStatus.h"
#include "platform/FileTransfer.h"

#include <QCoreApplication>

#include <vector>

class ActionProgress;
class ErrorReporter;
class RemovalGuard;
class ResultModel;

/// A row whose file is now a link, and what its file is now.
struct LinkedRow
{
    int row = 0;
    FileStatus status;
};

struct LinkRunResult
{
    std::vector<LinkedRow> linked;
    qint64 freed = 0; // bytes of the files replaced
};

class LinkMarkedRows
{
    Q_DECLARE_TR_FUNCTIONS(LinkMarkedRows)

public:
    LinkMarkedRows(const ResultModel &model, const RemovalGuard &guard, ErrorReporter &reporter);

    /// Replaces the file of each marked row, first to last, until the end or a cancel, by a link
    /// of the kind to the unmarked copy that proves it holds the same bytes; a file without such
    /// a copy is left with its error row. The rows themselves are left to the caller. False when
    /// the user chose Abort in the error report.
    bool run(FileTransfer::LinkKind kind, ActionProgress &progress, LinkRunResult &result);

private:
    const ResultModel &m_model;
    const RemovalGuard &m_guard;
    ErrorReporter &m_reporter;
};
