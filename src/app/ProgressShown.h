// SPDX-License-Identifier: GPL-3.0-or-later
// What the status bar's progress bar shows for a scan's progress.
#pragma once

#include "engine/ScanTypes.h"

#include <QCoreApplication>
#include <QString>

/// A progress bar's state: maximum 0 is a busy bar (something is found, nothing yet measured).
struct ProgressShown
{
    Q_DECLARE_TR_FUNCTIONS(ProgressShown)

public:
    static constexpr int Scale = 1000; // the bar counts in thousandths

    int value = 0;
    int maximum = 0;
    QString text;

    bool operator==(const ProgressShown &) const = default;

    /// During the walk: busy, "1234 files in 56 folders". While contents are compared: the
    /// share of the bytes compared, "1.50 GB of 3.00 GB"; by name, "120 of 400 files". The texts
    /// are in the user's language, sizes with the user's decimal separator.
    static ProgressShown of(const ScanProgress &p);
};
