// SPDX-License-Identifier: GPL-3.0-or-later
// The closing status texts of a search or a load (status panels 1 to 4).
#pragma once

#include <QString>

namespace StatusTexts
{
/// Panel 1 at the end, in the user's language: "Search Completed.", or "Search Terminated." after
/// a cancel.
QString activity(bool cancelled);

/// The texts of panels 2 to 4 as session files and the HTML report keep them, always in English
/// with plain decimal numbers, since those files read the counts back out of them: "Duplicate
/// Files: 2  Size: 3.00 KB", "Files : 10", "Folders : 3". What a window or corvina-cli shows is
/// made from the counts in the user's language.
QString duplicates(qint32 count, qint64 bytes);
QString files(qint32 count);
QString folders(qint32 count);
} // namespace StatusTexts
