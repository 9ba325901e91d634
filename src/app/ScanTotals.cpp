// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ScanTotals.h"

#include "core/ShownSize.h"
#include "engine/ScanPipeline.h"
#include "results/LocaleText.h"

ScanTotals ScanTotals::beforeFirstScan()
{
    ScanTotals t;
    // The texts session files keep: English, whatever the language the panels show.
    t.duplicatesText = QStringLiteral("Duplicates : 0");
    t.filesText = QStringLiteral("Files : 0");
    t.foldersText = QStringLiteral("Folders : 0");
    return t;
}

ScanTotals ScanTotals::of(const ScanSummary &summary)
{
    ScanTotals t;
    t.files = summary.totalFiles;
    t.folders = summary.totalFolders;
    t.duplicateCount = summary.duplicateCount;
    t.duplicateSize = summary.duplicateSize;
    t.duplicatesText = summary.duplicates;
    t.filesText = summary.files;
    t.foldersText = summary.folders;
    t.counted = true;
    return t;
}

QString ScanTotals::shownDuplicates() const
{
    if (duplicatesText.isEmpty())
        return {};
    if (!counted)
        return tr("Duplicates : 0");
    const QString count = LocaleText::number(duplicateCount);
    const QString size = ShownSize::text(static_cast<double>(duplicateSize));
    //: Status bar: the number of folders that are copies of another, and the bytes they take.
    if (wholeFolders)
        return tr("Duplicate Folders: %1  Size: %2").arg(count, size);
    //: Status bar: the number of pictures that look like another of their group, and their bytes.
    if (pictures)
        return tr("Similar Pictures: %1  Size: %2").arg(count, size);
    //: Status bar: the number of files that have a duplicate, and the bytes they take.
    return tr("Duplicate Files: %1  Size: %2").arg(count, size);
}

QString ScanTotals::shownFiles() const
{
    //: Status bar: the number of files the scan found.
    return filesText.isEmpty() ? QString() : tr("Files : %1").arg(LocaleText::number(files));
}

QString ScanTotals::shownFolders() const
{
    //: Status bar: the number of folders the scan walked.
    return foldersText.isEmpty() ? QString() : tr("Folders : %1").arg(LocaleText::number(folders));
}
