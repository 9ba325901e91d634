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
        Help,        // "--help" or "-h" alone: the usage on standard output, no window
        Version,     // "--version" or "-V" alone: the name and version, no window
    };
    Kind kind = Kind::MainWindow;
    QString text; // the command line as one text: the arguments joined by blanks
    QString path; // OpenSession: the text without any double quote
};

/// The arguments after the program name. The switch "-un" counts when an argument is exactly
/// "-un"; "--help", "-h", "--version" and "-V" when they are the only argument ("./-h" names a
/// file); any other non-empty text names a session file.
Request parse(const QStringList &arguments);

/// What "corvina --help" prints, in the user's language.
QString helpText();
/// What "corvina --version" prints: "corvina" and the version, the same in every language.
QString versionText();
} // namespace CommandLine
