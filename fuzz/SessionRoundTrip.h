// SPDX-License-Identifier: GPL-3.0-or-later
// The property the session fuzzer checks, shared with the test that replays the fuzzer's corpus.
#pragma once

#include <QByteArray>
#include <QString>

namespace SessionRoundTrip
{
/// Reads bytes as a session file in folder, as a whole session and as a search setup. The two
/// readers must agree whether the file is whole; a file that is not must change nothing. What
/// loads must save and load again to the same setup and rows, and save again to the same bytes.
/// Returns what went wrong, or "" when nothing did.
QString check(const QByteArray &bytes, const QString &folder);
} // namespace SessionRoundTrip
