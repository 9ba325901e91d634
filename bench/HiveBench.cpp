// SPDX-License-Identifier: GPL-3.0-or-later
// The keyed collection as the scan engines use it: add without keys, then a cursor that walks
// forward and removes the entry at the cursor for most entries (files of unique size).
#include "Bench.h"

#include "core/CHive.h"

#include <random>

namespace
{
double cursorWalk(int n)
{
    CHive hive;
    std::mt19937 rng(1);
    return Bench::seconds([&] {
        for (int i = 0; i < n; ++i)
            hive.add(QStringLiteral("000000001234"), QStringLiteral("name"), QStringLiteral("/folder/"),
                     QStringLiteral("3/7/2004 9:05:03 PM"), 1, 1);
        int cursor = 1;
        while (cursor <= hive.count())
        {
            if (rng() % 100 < 70)
                hive.remove(QVariant(cursor));
            else
                ++cursor;
        }
    });
}

Bench::Register hive("hive", [](QTextStream &out) {
    const double small = cursorWalk(100000);
    const double large = cursorWalk(1000000);
    out << "add without key, then cursor-walk removing 70 %:" << Qt::endl;
    out << "  100,000 entries:   " << QString::number(small, 'f', 3) << " s" << Qt::endl;
    out << "  1,000,000 entries: " << QString::number(large, 'f', 3) << " s" << Qt::endl;
    out << "  ratio: " << QString::number(large / small, 'f', 2) << " (linear would be 10; target under 15, and "
        << "1,000,000 under 5 s)" << Qt::endl;
});
} // namespace
