// SPDX-License-Identifier: GPL-3.0-or-later
// Result rows over real files, and a progress sink that records what a run reports.
#pragma once

#include "actions/ActionProgress.h"
#include "actions/DesktopActions.h"
#include "platform/FileStatus.h"
#include "results/ResultModel.h"
#include "results/RowAnchors.h"
#include "support/TempTree.h"

#include <QFileInfo>
#include <QStringList>

#include <algorithm>
#include <vector>

/// A row for the file at path as a scan would have made it, in group g.
inline ResultRow scannedRow(const QString &path, qint32 group, bool marked = false)
{
    const QFileInfo info(path);
    const FileStatus status = statFile(path);
    ResultRow row;
    row.setName(info.fileName());
    row.path = info.absolutePath() + u'/';
    row.size = status.size;
    row.stamp = status.stamp;
    row.group = group;
    row.sortGroup = group;
    row.marked = marked;
    return row;
}

/// Fills the model as a load does: rows, group counts, total and bands, and where each file was
/// found (the whole file system taken as the search location).
inline void loadRows(ResultModel &model, std::vector<ResultRow> rows, ListKind kind = ListKind::SameContents,
                     PictureLevel level = PictureLevel::Strict)
{
    model.setGroupedRows(std::move(rows));
    anchorRows(model, {kind, false, level}, {QStringLiteral("/")});
}

inline std::vector<QString> namesOf(const ResultModel &model)
{
    std::vector<QString> names;
    for (const ResultRow &r : model.rows())
        names.push_back(r.name() + (r.marked ? QStringLiteral("*") : QString()));
    return names;
}

class RecordingProgress : public ActionProgress
{
public:
    /// Requests a cancel once this many yields have happened (never when negative).
    int cancelAfterYields = -1;
    int yields = 0;
    int maximum = 0;
    int value = 0;
    std::vector<int> values;
    std::vector<QString> statuses;
    std::vector<ActionError> errors;

    void yield() override { ++yields; }
    bool cancelRequested() const override { return cancelAfterYields >= 0 && yields > cancelAfterYields; }
    void setProgressMaximum(int m) override { maximum = m; }
    void setProgressValue(int v) override
    {
        value = v;
        values.push_back(v);
    }
    void showStatus(const QString &text) override { statuses.push_back(text); }
    void addError(const ActionError &error) override { errors.push_back(error); }
};

/// Records what would have been opened, shown or copied.
class FakeDesktop : public DesktopActions
{
public:
    Desktop::OpenResult answer = Desktop::OpenResult::Started;
    QStringList opened;
    QStringList shown;
    QString clipboard;

    Desktop::OpenResult openFile(const QString &path) override
    {
        opened << path;
        return answer;
    }
    bool openFolder(const QString &folder) override
    {
        opened << folder;
        return true;
    }
    void showInFileManager(const QString &path) override { shown << path; }
    void setClipboardText(const QString &text) override { clipboard = text; }
};
