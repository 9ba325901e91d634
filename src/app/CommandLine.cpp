// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CommandLine.h"

#include "core/Version.h"

#include <QCoreApplication>

namespace CommandLine
{
Request parse(const QStringList &arguments)
{
    Request request;
    request.text = arguments.join(u' ');
    if (request.text.isEmpty())
        return request;
    if (arguments.size() == 1)
    {
        const QString &only = arguments.first();
        if (only == u"--help" || only == u"-h")
        {
            request.kind = Request::Kind::Help;
            return request;
        }
        if (only == u"--version" || only == u"-V")
        {
            request.kind = Request::Kind::Version;
            return request;
        }
    }
    // Only the switch itself: a session file may well have "-un" in its name.
    if (arguments.contains(QStringLiteral("-un")))
    {
        request.kind = Request::Kind::Feedback;
        return request;
    }
    request.kind = Request::Kind::OpenSession;
    request.path = request.text;
    request.path.remove(u'"');
    return request;
}

QString helpText()
{
    return QCoreApplication::translate(
        "CommandLine", "Usage: corvina [SESSION-FILE]\n"
                       "       corvina -un\n"
                       "\n"
                       "Opens Corvina's window, which finds the files that are the same in the folders you list and\n"
                       "helps you get rid of the copies you do not need.\n"
                       "\n"
                       "  SESSION-FILE   load the folders and options of a saved session (.cvf) and search at once\n"
                       "  -un            show the feedback form instead of the main window\n"
                       "  -h, --help     show this text\n"
                       "  -V, --version  show the name and version of Corvina\n"
                       "\n"
                       "corvina-cli searches and cleans up without a window; see corvina-cli --help.\n");
}

QString versionText()
{
    return QStringLiteral("corvina ") + QLatin1String(CorvinaVersion) + u'\n';
}
} // namespace CommandLine
