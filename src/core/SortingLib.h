// SPDX-License-Identifier: GPL-3.0-or-later
// In-memory sorting of string arrays: quicksort with an insertion-sort cut-off.
#pragma once

#include "core/TextCompare.h"

#include <QString>
#include <QStringList>

#include <cstddef>
#include <utility>
#include <vector>

namespace SortingLib
{
/// Sorts arr in place over its whole range. compare(a, b) is a three-way comparison (-1, 0, 1).
/// Ranges of up to 61 elements are insertion-sorted (stable); larger ranges are partitioned around
/// their middle element and only the smaller side recurses, so the depth stays logarithmic. The
/// quicksort part is not stable: callers that need one answer make their keys unique.
template <typename T, typename Compare> void SortStrings(std::vector<T> &arr, bool Ascending, Compare compare)
{
    if (arr.size() <= 1)
        return;
    const int order = Ascending ? 1 : -1;

    auto partitionRange = [&](std::ptrdiff_t lo, std::ptrdiff_t hi) {
        const std::ptrdiff_t m = lo + (hi - lo) / 2;
        T pivot = std::move(arr[m]);
        arr[m] = arr[lo];
        std::ptrdiff_t i = lo + 1;
        std::ptrdiff_t j = hi;
        for (;;)
        {
            while (i < j && compare(pivot, arr[i]) == order)
                ++i;
            while (j >= i && compare(arr[j], pivot) == order)
                --j;
            if (i >= j)
            {
                arr[lo] = std::move(arr[j]);
                arr[j] = std::move(pivot);
                return j;
            }
            std::swap(arr[i], arr[j]);
            ++i;
            --j;
        }
    };

    auto sortRange = [&](auto &self, std::ptrdiff_t lo, std::ptrdiff_t hi) -> void {
        if (hi - lo <= 60)
        {
            for (std::ptrdiff_t i = lo + 1; i <= hi; ++i)
            {
                T t = std::move(arr[i]);
                std::ptrdiff_t j = i - 1;
                while (j >= lo && compare(arr[j], t) == order)
                {
                    arr[j + 1] = std::move(arr[j]);
                    --j;
                }
                arr[j + 1] = std::move(t);
            }
            return;
        }
        while (lo < hi)
        {
            const std::ptrdiff_t p = partitionRange(lo, hi);
            if (p - lo <= hi - p)
            {
                self(self, lo, p - 1);
                lo = p + 1;
            }
            else
            {
                self(self, p + 1, hi);
                hi = p - 1;
            }
        }
    };
    sortRange(sortRange, 0, static_cast<std::ptrdiff_t>(arr.size()) - 1);
}

/// Sorts texts; Exact false compares without regard to case, Exact true by character code.
inline void SortStrings(std::vector<QString> &arr, bool Ascending, bool Exact)
{
    SortStrings(arr, Ascending,
                [Exact](const QString &a, const QString &b) { return TextCompare::compare(a, b, Exact); });
}

/// The same for a QStringList.
inline void SortStrings(QStringList &arr, bool Ascending, bool Exact)
{
    std::vector<QString> v(std::make_move_iterator(arr.begin()), std::make_move_iterator(arr.end()));
    SortStrings(v, Ascending, Exact);
    arr = QStringList(std::make_move_iterator(v.begin()), std::make_move_iterator(v.end()));
}
} // namespace SortingLib
