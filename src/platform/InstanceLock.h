// SPDX-License-Identifier: GPL-3.0-or-later
// A per-user lock file held while Corvina runs, so that other programs can tell it is running.
#pragma once

#include <QLockFile>

class InstanceLock
{
public:
    /// Takes the lock "CVMutex.lock" in the data folder when it is free. A second running Corvina
    /// does not get it and runs all the same: the lock only tells that one is running.
    InstanceLock();

    bool held() const { return m_lock.isLocked(); }
    /// Where the lock lives.
    static QString path();

private:
    QLockFile m_lock;
};
