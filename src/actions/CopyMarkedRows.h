// SPDX-License-Identifier: GPL-3.0-or-later
// The copy run of FileCMFrm: each marked row's file copied into the destination folder.
#pragma once

#include <QString>

#include <functional>

class ActionProgress;
class ErrorReporter;
class RemovalGuard;
class ResultModel;

class CopyMarkedRows
{
public:
    CopyMarkedRows(const ResultModel &model, const RemovalGuard &guard, ErrorReporter &reporter);

    /// Copies the files of the marked rows, first to last, until the end or a cancel, into the
    /// folder that destination() names at that moment; a name taken there gets a numbered one.
    /// Only a file that is still the one the search saw is copied.
    /// False when the user chose Abort in the error report: the run stopped where it stood.
    bool run(const std::function<QString()> &destination, ActionProgress &progress);

    /// Each file goes below the destination into its own folders (StructuredDestination).
    void keepStructure(bool on) { m_keepStructure = on; }

private:
    const ResultModel &m_model;
    const RemovalGuard &m_guard;
    ErrorReporter &m_reporter;
    bool m_keepStructure = false;
};
