// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReferenceCompare.h"

#include "engine/SearchEngine.h"
#include "platform/ReadOnlyFile.h"

#include <QByteArray>

#include <optional>

namespace ReferenceCompare
{
int compareFilesExact(const QString &path1, const QString &path2)
{
    ReadOnlyFile a;
    ReadOnlyFile b;
    if (!a.open(path1) || !b.open(path2))
        return -1;
    if (a.size() != b.size())
        return 0;
    constexpr qint64 Chunk = qint64{1} << 18;
    QByteArray bufA(static_cast<qsizetype>(Chunk), '\0');
    QByteArray bufB(static_cast<qsizetype>(Chunk), '\0');
    for (qint64 offset = 0; offset < a.size(); offset += Chunk)
    {
        const qint64 want = qMin(Chunk, a.size() - offset);
        if (a.readAt(bufA.data(), want, offset) != want || b.readAt(bufB.data(), want, offset) != want)
            return -1;
        if (QByteArrayView(bufA.constData(), want) != QByteArrayView(bufB.constData(), want))
            return 0;
    }
    return 1;
}

bool sameCrc(const QString &path1, const QString &path2)
{
    const std::optional<quint32> a = SearchEngine::fileCrc32(path1);
    const std::optional<quint32> b = SearchEngine::fileCrc32(path2);
    return a && b && *a == *b;
}
} // namespace ReferenceCompare
