// SPDX-License-Identifier: GPL-3.0-or-later
// File masks: the preset list and the rule by which a file name matches a mask.
#pragma once

#include <QStringList>
#include <QStringView>

namespace FileMasks
{
/// The ten preset masks, in list order ("All files(*.*)" first).
const QStringList &presets();

/// The mask that takes every file.
inline QString allFiles()
{
    return QStringLiteral("All files(*.*)");
}

/// A mask is only text: it takes every file when it contains "*.*"; otherwise a file whose
/// extension with its dot (".mp3", from the last ".") occurs anywhere in the mask, compared
/// without regard to case. A name without a dot matches only "*.*".
bool matchesMask(QStringView fileName, QStringView mask);
} // namespace FileMasks
