// SPDX-License-Identifier: GPL-3.0-or-later
#include "sessions/TextFileOutput.h"

#include "platform/FileErrors.h"
#include "platform/NativePath.h"

namespace
{
void check(const FileOpen::Result &result)
{
    if (!result.ok())
        FileErrors::raiseOpenFailure(result, true);
}
} // namespace

TextFileOutput::TextFileOutput(const QString &path, SaveFile::Access access) : m_file(path, access)
{
    check(m_file.open());
}

void TextFileOutput::write(QStringView text)
{
    write(NativePath::encode(text));
}

void TextFileOutput::write(const QByteArray &bytes)
{
    check(m_file.write(bytes));
}

void TextFileOutput::finish()
{
    check(m_file.commit());
}

void TextFileOutput::checkWritable(const QString &path)
{
    check(SaveFile::check(path));
}
