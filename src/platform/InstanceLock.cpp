// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/InstanceLock.h"

#include "platform/AppFolders.h"

InstanceLock::InstanceLock() : m_lock(path())
{
    // The lock of a Corvina that crashed is taken over once its process is gone.
    m_lock.setStaleLockTime(0);
    m_lock.tryLock(0);
}

QString InstanceLock::path()
{
    return AppFolders::dataFolder() + QStringLiteral("/CVMutex.lock");
}
