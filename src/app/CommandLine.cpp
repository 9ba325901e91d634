// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CommandLine.h"

namespace CommandLine
{
Request parse(const QStringList &arguments)
{
    Request request;
    request.text = arguments.join(u' ');
    if (request.text.isEmpty())
        return request;
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
} // namespace CommandLine
