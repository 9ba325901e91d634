// SPDX-License-Identifier: GPL-3.0-or-later
// The duplicate totals of a result list as it stands: what the status bar, a session's header and
// the HTML report count.
#pragma once

#include <QtGlobal>

class ResultModel;

struct DuplicateTotals
{
    qint32 count = 0;
    qint64 size = 0; // bytes

    bool operator==(const DuplicateTotals &) const = default;
};

/// For each group (a run of rows of one group number), every row after its first: their number
/// and the sum of their sizes, as the search engines count while they find the groups. Rows
/// without a group (the zero-size listing) count nothing.
DuplicateTotals duplicateTotals(const ResultModel &model);
