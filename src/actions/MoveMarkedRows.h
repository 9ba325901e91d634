// SPDX-License-Identifier: GPL-3.0-or-later
// The move run of FileCMFrm: each marked row's file into the destination folder.
#pragma once

#include <QCoreApplication>
#include <QString>

#include <functional>

class ActRecorder;
class ActionProgress;
class ErrorReporter;
class FolderProof;
class RemovalGuard;
class StructuredDestination;
class ResultModel;

class MoveMarkedRows
{
    Q_DECLARE_TR_FUNCTIONS(MoveMarkedRows)

public:
    MoveMarkedRows(const ResultModel &model, const RemovalGuard &guard, ErrorReporter &reporter);

    /// Moves the files of the marked rows, first to last, until the end or a cancel, into the
    /// folder that destination() names at that moment (the user may edit it meanwhile); a name
    /// taken there gets a numbered one. Then the empty-folder pass when asked, and "Completed".
    /// False when the user chose Abort in the error report: the run stopped where it stood.
    bool run(const std::function<QString()> &destination, bool removeEmptyFolders, ActionProgress &progress);

    /// Each file goes below the destination into its own folders (StructuredDestination).
    void keepStructure(bool on) { m_keepStructure = on; }

private:
    void moveOne(int row, const QString &destination, const StructuredDestination &structure, ActionProgress &progress,
                 ActRecorder &recorder);
    /// A marked folder of a list of folders: moved whole, after its proof, or not at all.
    void moveFolder(int row, const FolderProof &proof, const QString &destination,
                    const StructuredDestination &structure, ActionProgress &progress, ActRecorder &recorder);

    const ResultModel &m_model;
    const RemovalGuard &m_guard;
    ErrorReporter &m_reporter;
    bool m_keepStructure = false;
};
