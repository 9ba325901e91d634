// SPDX-License-Identifier: GPL-3.0-or-later
// What the command line asks of Corvina at start-up.
#pragma once

#include <QString>
#include <QStringList>

namespace CommandLine
{
struct Request
{
    enum class Kind
    {
        MainWindow,  // nothing given: the main window alone
        Feedback,    // "-un": the feedback window, never the main window
        OpenSession, // a session file to load and scan at once
    };
    Kind kind = Kind::MainWindow;
    QString text; // the command line as one text: the arguments joined by blanks
    QString path; // OpenSession: the text without any double quote
};

/// The arguments after the program name. The switch "-un" counts when an argument is exactly
/// "-un"; any other non-empty text names a session file.
Request parse(const QStringList &arguments);
} // namespace CommandLine
