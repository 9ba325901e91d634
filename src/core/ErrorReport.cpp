// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ErrorReport.h"

#include "core/CurrentError.h"
#include "core/RaisedError.h"

#include <QCoreApplication>

#include <exception>
#include <new>

ErrorReport describeCurrentException(const QString &label, int line)
{
    try
    {
        throw;
    }
    catch (const RaisedError &e)
    {
        return {e.number(), e.description(), label, line};
    }
    catch (const std::bad_alloc &)
    {
        return {7, QCoreApplication::translate("RaisedError", "Out of memory"), label, line};
    }
    catch (const std::exception &e)
    {
        return {51, QString::fromLocal8Bit(e.what()), label, line};
    }
    catch (...)
    {
        return {51, QCoreApplication::translate("RaisedError", "Internal error"), label, line};
    }
}

bool runStep(ErrorReporter &reporter, const QString &label, const std::function<void()> &step,
             std::source_location where)
{
    for (;;)
    {
        try
        {
            step();
            return true;
        }
        catch (...)
        {
            const ErrorReport report = describeCurrentException(label, static_cast<int>(where.line()));
            CurrentError::Scope current({report.description, QString(), QString(), report.number, label});
            if (reporter.report(report) == ErrorChoice::Abort)
                return false;
        }
    }
}
