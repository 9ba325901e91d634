// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ProgressShown.h"

#include "core/ShownSize.h"
#include "results/LocaleText.h"

#include <algorithm>

namespace
{
// One text for one and one for more, chosen here: without a translation the English stays as it
// reads, and a translation of each form can put the number where its language wants it.
QString files(qint64 n)
{
    return (n == 1 ? ProgressShown::tr("%1 file") : ProgressShown::tr("%1 files")).arg(LocaleText::number(n));
}

QString folders(qint64 n)
{
    return (n == 1 ? ProgressShown::tr("%1 folder") : ProgressShown::tr("%1 folders")).arg(LocaleText::number(n));
}
} // namespace

ProgressShown ProgressShown::of(const ScanProgress &p)
{
    if (p.stage == ScanProgress::Stage::Walk)
        //: The progress bar during the walk: "1234 files in 56 folders".
        return {0, 0, tr("%1 in %2").arg(files(p.files), folders(p.folders))};
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
        shown.text = (p.total == 1 ? tr("%1 of %2 file") : tr("%1 of %2 files"))
                         .arg(LocaleText::number(done), LocaleText::number(p.total));
    else
        //: The progress bar while contents are compared: "1.50 GB of 3.00 GB".
        shown.text =
            tr("%1 of %2")
                .arg(ShownSize::text(static_cast<double>(done)), ShownSize::text(static_cast<double>(p.total)));
    return shown;
}
