// SPDX-License-Identifier: GPL-3.0-or-later
// The common report of unexpected failures inside long procedures, with Retry and Abort.
#pragma once

#include <QString>

#include <functional>
#include <source_location>

enum class ErrorChoice
{
    Retry,
    Abort
};

struct ErrorReport
{
    qint32 number = 0;
    QString description;
    QString label; // the procedure, such as "Scanning" or "File Saving"
    int line = 0;  // where in the program the failing step is
};

class ErrorReporter
{
public:
    virtual ~ErrorReporter() = default;
    virtual ErrorChoice report(const ErrorReport &report) = 0;
};

/// Number and description of an exception caught while a step ran.
ErrorReport describeCurrentException(const QString &label, int line);

/// Runs step; when it throws, shows the report and runs it again on Retry. Returns false after
/// Abort (the caller leaves its procedure), true once the step has run through.
bool runStep(ErrorReporter &reporter, const QString &label, const std::function<void()> &step,
             std::source_location where = std::source_location::current());
