// SPDX-License-Identifier: GPL-3.0-or-later
// Writing a file so that it is replaced whole or not at all.
#pragma once

#include "platform/FileOpen.h"

#include <QByteArray>
#include <QSaveFile>
#include <QString>

/// A file written beside its target and renamed over it only once it is whole and on the disk
/// (QSaveFile). Until commit() succeeds the target keeps its old bytes, whatever fails: a full
/// disk, a folder without permission, a crash. Failures are told as FileOpen's kinds, so that the
/// caller can say why in words its user understands. Destroyed without a commit, the new bytes are
/// dropped.
class SaveFile
{
public:
    explicit SaveFile(const QString &path);

    /// Opens the new file beside the target.
    FileOpen::Result open();
    /// Appends bytes (buffered).
    FileOpen::Result write(const QByteArray &bytes);
    /// Writes what is buffered, flushes it to the disk and renames the new file over the target.
    FileOpen::Result commit();

private:
    FileOpen::Result failure() const;
    /// Why a file beside path or the rename over it failed, found by looking at its folder:
    /// QSaveFile tells a full disk apart only when a write fails, and only as "resource error".
    static FileOpen::Failure probe(const QString &path);

    QString m_path;
    QSaveFile m_file;
};
