// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ProgressShown.h"

#include "core/TextFormat.h"

#include <algorithm>

namespace
{
QString counted(qint64 n, const char *one, const char *many)
{
    return QString::number(n) + u' ' + QLatin1String(n == 1 ? one : many);
}
} // namespace

ProgressShown ProgressShown::of(const ScanProgress &p)
{
    if (p.stage == ScanProgress::Stage::Walk)
        return {0, 0,
                counted(p.files, "file", "files") + QStringLiteral(" in ") + counted(p.folders, "folder", "folders")};
    ProgressShown shown;
    shown.maximum = Scale;
    if (p.total <= 0)
    {
        shown.value = Scale;
        return shown;
    }
    const qint64 done = std::clamp<qint64>(p.done, 0, p.total);
    // Rounded down, so the bar is full only when all is done; long double holds done * Scale exactly.
    shown.value = static_cast<int>(static_cast<long double>(done) * Scale / static_cast<long double>(p.total));
    if (p.unit == ScanProgress::Unit::Files)
        shown.text = QString::number(done) + QStringLiteral(" of ") + counted(p.total, "file", "files");
    else
        shown.text = TextFormat::sizeText(static_cast<double>(done)) + QStringLiteral(" of ") +
                     TextFormat::sizeText(static_cast<double>(p.total));
    return shown;
}
