// SPDX-License-Identifier: GPL-3.0-or-later
// The result rows of a scan, made from its records while the records are let go.
#pragma once

#include "engine/FileList.h"
#include "engine/ResultList.h"
#include "results/ResultRow.h"

#include <functional>
#include <vector>

namespace ScanRows
{
/// One row per entry of `results`, in its order: name, folder, size, date and version of the
/// entry's record, and in the group field the entry's shade, as ResultModel::loadResultList takes
/// rows. The rows are made in the order of the records, and each part of `files` is given back as
/// soon as its rows are made, so that a million rows never stand beside a million records. Both
/// `files` and `results` are emptied: neither can be read afterwards. Calls step() twice per row.
std::vector<ResultRow> take(FileList &files, ResultList &results, const std::function<void()> &step = {});
} // namespace ScanRows
