// SPDX-License-Identifier: GPL-3.0-or-later
// The error the running code is handling, which an error list can record without being told it.
#pragma once

#include <QString>

struct ErrorRecord
{
    QString description;
    QString helpContext;
    QString helpFile;
    qint32 number = 0;
    QString source;
};

namespace CurrentError
{
/// The error being handled on this thread; number 0 when there is none.
const ErrorRecord &get();
void set(ErrorRecord record);
void clear();

/// Sets the current error for the lifetime of a handler block and clears it afterwards.
class Scope
{
public:
    explicit Scope(ErrorRecord record) { set(std::move(record)); }
    ~Scope() { clear(); }
    Scope(const Scope &) = delete;
    Scope &operator=(const Scope &) = delete;
};
} // namespace CurrentError
