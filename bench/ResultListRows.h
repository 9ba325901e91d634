// SPDX-License-Identifier: GPL-3.0-or-later
// A million result rows as a scan lists them: groups of two to five copies in 1,000 folders.
#pragma once

#include "core/CHive.h"
#include "core/TextFormat.h"

#include <QStringList>

#include <random>

namespace ResultListRows
{
/// The result collection of a scan that confirmed n duplicate files: size key, name, folder,
/// version, shade and date per entry, groups told apart by the alternating shade.
inline void fill(CHive &hive, int n)
{
    std::mt19937 rng(11);
    QStringList folders;
    for (int f = 0; f < 1000; ++f)
        folders << QStringLiteral("/home/user/Pictures/%1/album %2/").arg(2000 + f % 25).arg(f);
    const QStringList versions = {QStringLiteral("N/A"), QStringLiteral("1.0.0.1"), QStringLiteral("10.2.0.7"),
                                  QStringLiteral("9.0.1.0")};
    int added = 0;
    int shade = 1;
    while (added < n)
    {
        const int copies = 2 + static_cast<int>(rng() % 4);
        const QString size = TextFormat::pad12(1 + static_cast<qint64>(rng() % 50000000));
        const QString version = versions[static_cast<qsizetype>(rng() % 40 == 0 ? 1 + rng() % 3 : 0)];
        for (int c = 0; c < copies && added < n; ++c, ++added)
        {
            const QString name = QStringLiteral("IMG_%1.%2")
                                     .arg(rng() % 10000000, 7, 10, QLatin1Char('0'))
                                     .arg(rng() % 3 == 0 ? QStringLiteral("png") : QStringLiteral("JPG"));
            const QString date = QStringLiteral("%1/%2/%3 %4:%5:%6 %7")
                                     .arg(1 + rng() % 12)
                                     .arg(1 + rng() % 28)
                                     .arg(2000 + rng() % 25)
                                     .arg(1 + rng() % 12)
                                     .arg(rng() % 60, 2, 10, QLatin1Char('0'))
                                     .arg(rng() % 60, 2, 10, QLatin1Char('0'))
                                     .arg(rng() % 2 ? QStringLiteral("AM") : QStringLiteral("PM"));
            hive.add(size, name, folders[static_cast<qsizetype>(rng() % 1000)], version, shade, date);
        }
        shade = 3 - shade;
    }
}
} // namespace ResultListRows
