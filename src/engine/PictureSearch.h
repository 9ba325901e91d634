// SPDX-License-Identifier: GPL-3.0-or-later
// The similar-pictures search over the files a walk found: each file decoded once, in parallel,
// and the groups listed as rows with each picture's size in pixels and its format.
#pragma once

#include "engine/FileList.h"
#include "engine/PictureGroups.h"
#include "results/ResultRow.h"

#include <functional>
#include <vector>

class PictureCache;

namespace PictureSearch
{
/// The rows of the groups of similar pictures among the files (those of no byte are skipped),
/// group by group as PictureGroups::find orders them, the largest picture of each first. A row's
/// version column reads "4032 x 3024 JPEG". keepGoing is called on the calling thread between
/// files; when it answers false the search stops and lists nothing. done(count) tells how many
/// files have been looked at.
///
/// With a cache (usable, made on this thread), a file whose entry has the key of the file opened
/// takes its facts from there; the pictures decoded are kept in it, also when the search stops.
std::vector<ResultRow> find(const FileList &files, PictureLevel level, const std::function<bool()> &keepGoing,
                            const std::function<void(qint64)> &done = {}, PictureCache *cache = nullptr);

/// The text of a picture's version column.
QString dimensionsText(const PictureFacts &facts);
} // namespace PictureSearch
