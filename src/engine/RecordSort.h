// SPDX-License-Identifier: GPL-3.0-or-later
// The records of a scan put in record order, if need be on another thread while the caller yields.
#pragma once

#include "engine/FileList.h"

#include <functional>
#include <vector>

namespace RecordSort
{
/// The record numbers of files in ascending record order (compareRecords), as
/// SortingLib::sortStrings orders them: records that compare equal keep the order that sort gives.
std::vector<FileList::Index> sorted(const FileList &files, RecordOrder order);

/// The same order, sorted on a worker thread: a million records take a second or two, and the
/// window must not stand still meanwhile. yield() is called on this thread every few
/// milliseconds until the sort is done; the sort itself, like the scan's loading of the records,
/// runs to its end. A failure inside the sort, or thrown by yield(), is thrown here.
std::vector<FileList::Index> sortedAside(const FileList &files, RecordOrder order, const std::function<void()> &yield);
} // namespace RecordSort
