// SPDX-License-Identifier: GPL-3.0-or-later
#include "sessions/SessionState.h"

#include <QCoreApplication>

void SessionState::resetToNew()
{
    options = ScanOptions{};
    options.engine = ScanOptions::ByteToByte;
    options.protect = true;
    options.includeHidden = false;
    options.fuzzy = false;
    locations.clear();
}

SessionStatusTexts SessionStatusTexts::newSession()
{
    SessionStatusTexts s;
    s.panel1 =
        QCoreApplication::translate("SessionState", "Add search path and click on the scan button to start search.");
    s.panel5 = QStringLiteral("00:00:00"); // an elapsed time, not words
    return s;
}
