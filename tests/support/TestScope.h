// SPDX-License-Identifier: GPL-3.0-or-later
// An owner for the helper objects of one test (timers that answer windows, say).
#pragma once

#include <QObject>

#include <memory>

namespace TestScope
{
inline std::unique_ptr<QObject> &holder()
{
    static std::unique_ptr<QObject> scope;
    return scope;
}

/// The parent for objects that belong to the running test: they are deleted when it ends, so a
/// timer still waiting for a window that never came cannot act in the next test.
inline QObject *object()
{
    std::unique_ptr<QObject> &scope = holder();
    if (!scope)
        scope = std::make_unique<QObject>();
    return scope.get();
}

/// Deletes what the running test left in its scope; the test main calls it after every test.
inline void end()
{
    holder().reset();
}
} // namespace TestScope
