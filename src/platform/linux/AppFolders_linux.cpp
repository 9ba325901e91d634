// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/AppFolders.h"

#include "platform/NativePath.h"
#include "platform/SafeFolders.h"

#include <QCoreApplication>

#include <cerrno>
#include <cstdlib>
#include <vector>

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
struct Home
{
    QByteArray path;
    QString problem;
};

// $HOME, else the user database. Without either there is no place that is the user's own: "/"
// (what Qt takes then) is not, and Corvina writes nothing there.
Home findHome()
{
    const QByteArray variable = qgetenv("HOME");
    if (variable.startsWith('/'))
        return {variable, {}};
    const uid_t uid = ::getuid();
    long size = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(size > 0 ? static_cast<size_t>(size) : 16384);
    struct passwd entry;
    struct passwd *found = nullptr;
    int error = 0;
    while ((error = ::getpwuid_r(uid, &entry, buffer.data(), buffer.size(), &found)) == ERANGE)
        buffer.resize(buffer.size() * 2);
    if (error == 0 && found && found->pw_dir && found->pw_dir[0] == '/')
        return {QByteArray(found->pw_dir), {}};
    const QString why = !qEnvironmentVariableIsSet("HOME")
                            ? QCoreApplication::translate("AppFolders", "HOME is not set")
                        : variable.isEmpty() ? QCoreApplication::translate("AppFolders", "HOME is empty")
                                             : QCoreApplication::translate("AppFolders", "HOME is not a full path");
    const QString number = QString::number(uid);
    if (error != 0)
        return {{},
                //: %1 says what is wrong with HOME, such as "HOME is not set"; %2 is a user number.
                QCoreApplication::translate("AppFolders", "%1 and the user database cannot be read for uid %2")
                    .arg(why, number)};
    if (!found)
        return {{},
                QCoreApplication::translate("AppFolders", "%1 and the user database has no entry for uid %2")
                    .arg(why, number)};
    return {{},
            QCoreApplication::translate("AppFolders", "%1 and the user database gives no home folder for uid %2")
                .arg(why, number)};
}
} // namespace

namespace AppFolders
{
QString homeFolder()
{
    return NativePath::decode(findHome().path);
}

QString homeProblem()
{
    return findHome().problem;
}

void exportHome()
{
    if (qgetenv("HOME").startsWith('/'))
        return;
    const QByteArray home = findHome().path;
    if (!home.isEmpty())
        ::setenv("HOME", home.constData(), 1);
}

bool isOwnPrivateFolder(const QString &folder)
{
    const FileDescriptor opened = SafeFolders::openFolder(NativePath::encode(folder));
    struct stat st;
    return opened.valid() && ::fstat(opened.get(), &st) == 0 && st.st_uid == ::geteuid() &&
           (st.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

bool makePrivateFolder(const QString &folder, const QString &mustExist)
{
    if (!SafeFolders::openFolder(NativePath::encode(mustExist)).valid())
        return false;
    const FileDescriptor made = SafeFolders::openFolder(NativePath::encode(folder), true, S_IRWXU);
    struct stat st;
    if (!made.valid() || ::fstat(made.get(), &st) != 0)
        return false;
    // Only the user's own folder is closed; an administrator's shared one is left as it is.
    if (st.st_uid != ::geteuid() || (st.st_mode & (S_IRWXG | S_IRWXO)) == 0)
        return true;
    // A folder opened to be found (O_PATH) cannot have its mode changed: it is opened again.
    const FileDescriptor opened(::openat(made.get(), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    return opened.valid() && ::fchmod(opened.get(), S_IRWXU) == 0;
}
} // namespace AppFolders
