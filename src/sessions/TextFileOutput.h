// SPDX-License-Identifier: GPL-3.0-or-later
// A text file written by Corvina: UTF-8, replaced whole or not at all, failures raised as errors.
#pragma once

#include "platform/SaveFile.h"

#include <QByteArray>
#include <QString>
#include <QStringView>

class TextFileOutput
{
public:
    /// Opens a new file beside the target, or the FIFO or device at its place (SaveFile); raises
    /// the failure (FileErrors) when it cannot. A file at the target is not touched until
    /// finish(). Private files (default.cvf) are readable by the user alone.
    explicit TextFileOutput(const QString &path, SaveFile::Access access = SaveFile::Access::Shared);

    /// Appends the text with the exact bytes of any name it holds (NativePath), buffered; raises
    /// when the write fails.
    void write(QStringView text);
    void write(const QByteArray &bytes);

    /// Puts the new file in the target's place once all of it is on the disk; raises when that
    /// fails (a full disk), and the target then keeps its old bytes. Without finish() nothing
    /// replaces the target.
    void finish();

    /// Raises now when no file can be written at path, so that an unusable path fails before
    /// any work. Nothing is left at or beside the target, and a FIFO there is not opened.
    static void checkWritable(const QString &path);

private:
    SaveFile m_file;
};
