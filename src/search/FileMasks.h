// SPDX-License-Identifier: GPL-3.0-or-later
// File masks: the preset list and the rule by which a file name matches a mask.
#pragma once

#include <QStringList>
#include <QStringView>

namespace FileMasks
{
/// The ten preset masks, in list order ("All files(*.*)" first), as settings and session files
/// keep them.
const QStringList &presets();

/// The mask that takes every file.
inline QString allFiles()
{
    return presets().first();
}

/// A mask as the windows show it: a preset in the user's language ("Alle Dateien(*.*)"), any
/// other mask as it stands.
QString shown(const QString &mask);

/// The mask a shown text stands for: the preset whose translation it is, or else the text itself.
/// Settings, session files and the search take this form, which reads the same in every language.
QString stored(const QString &shown);

/// A mask is only text: it takes every file when it contains "*.*"; otherwise a file whose
/// extension with its dot (".mp3", from the last ".") occurs anywhere in the mask, compared
/// without regard to case. A name without a dot matches only "*.*".
bool matchesMask(QStringView fileName, QStringView mask);
} // namespace FileMasks
