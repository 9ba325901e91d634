// A text file written by Corvina: UTF-8, created or emptied on open, failures raised as errors.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringView>

class TextFileOutput
{
public:
    /// Creates or empties the file; raises the open failure (FileErrors) when it cannot.
    explicit TextFileOutput(const QString &path);

    /// Appends the text as UTF-8 (buffered); raises when the write fails.
    void write(QStringView text);
    void write(const QByteArray &bytes);

    /// Writes what is buffered and closes the file; raises when that fails (a full disk).
    void finish();

    /// Creates or empties the file at once, so that an unusable path fails before any work.
    static void truncate(const QString &path);

private:
    QFile m_file;
};
