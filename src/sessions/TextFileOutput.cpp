#include "sessions/TextFileOutput.h"

#include "platform/FileOpen.h"
#include "sessions/FileErrors.h"

TextFileOutput::TextFileOutput(const QString &path)
{
    const FileOpen::Result opened = FileOpen::forWriting(m_file, path);
    if (!opened.ok())
        FileErrors::raiseOpenFailure(opened, true);
}

void TextFileOutput::write(QStringView text)
{
    write(text.toUtf8());
}

void TextFileOutput::write(const QByteArray &bytes)
{
    if (m_file.write(bytes) != bytes.size())
        FileErrors::raiseIoFailure(m_file.errorString());
}

void TextFileOutput::finish()
{
    if (!m_file.flush())
        FileErrors::raiseIoFailure(m_file.errorString());
    m_file.close();
}

void TextFileOutput::truncate(const QString &path)
{
    TextFileOutput(path).finish();
}
