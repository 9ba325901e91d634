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
namespace Detail
{
// Insertion sort of arr[lo..hi] (stable).
template <typename T, typename Compare>
void insertionSort(std::vector<T> &arr, std::ptrdiff_t lo, std::ptrdiff_t hi, int order, Compare &compare)
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
}

// Partitions arr[lo..hi] around its middle element; returns where that element ends up.
template <typename T, typename Compare>
std::ptrdiff_t partitionRange(std::vector<T> &arr, std::ptrdiff_t lo, std::ptrdiff_t hi, int order, Compare &compare)
{
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
}

// Sorts arr[lo..hi]: the smaller side of each partition recurses, the larger one loops.
template <typename T, typename Compare>
void sortRange(std::vector<T> &arr, std::ptrdiff_t lo, std::ptrdiff_t hi, int order, Compare &compare)
{
    if (hi - lo <= 60)
    {
        insertionSort(arr, lo, hi, order, compare);
        return;
    }
    while (lo < hi)
    {
        const std::ptrdiff_t p = partitionRange(arr, lo, hi, order, compare);
        if (p - lo <= hi - p)
        {
            sortRange(arr, lo, p - 1, order, compare);
            lo = p + 1;
        }
        else
        {
            sortRange(arr, p + 1, hi, order, compare);
            hi = p - 1;
        }
    }
}
} // namespace Detail

/// Sorts arr in place over its whole range. compare(a, b) is a three-way comparison (-1, 0, 1).
/// Ranges of up to 61 elements are insertion-sorted (stable); larger ranges are partitioned around
/// their middle element and only the smaller side recurses, so the depth stays logarithmic. The
/// quicksort part is not stable: callers that need one answer make their keys unique.
template <typename T, typename Compare> void sortStrings(std::vector<T> &arr, bool ascending, Compare compare)
{
    if (arr.size() <= 1)
        return;
    Detail::sortRange(arr, 0, static_cast<std::ptrdiff_t>(arr.size()) - 1, ascending ? 1 : -1, compare);
}

/// Sorts texts; exact false compares without regard to case, exact true by character code.
inline void sortStrings(std::vector<QString> &arr, bool ascending, bool exact)
{
    sortStrings(arr, ascending,
                [exact](const QString &a, const QString &b) { return TextCompare::compare(a, b, exact); });
}

/// The same for a QStringList.
inline void sortStrings(QStringList &arr, bool ascending, bool exact)
{
    std::vector<QString> v(std::make_move_iterator(arr.begin()), std::make_move_iterator(arr.end()));
    sortStrings(v, ascending, exact);
    arr = QStringList(std::make_move_iterator(v.begin()), std::make_move_iterator(v.end()));
}
} // namespace SortingLib
